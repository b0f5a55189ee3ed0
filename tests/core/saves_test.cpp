// A save that fails or is cut short leaves the archive as it was: failed appends are cut back,
// overwrites go through a journal, locks are waited for a bounded time, and a file system without
// locks is noticed. Failing system calls are injected under the record file.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <vector>
#include <thread>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/system/system.h"
#include "support/churn.h"
#include "support/faults.h"
#include "support/files.h"
#include "support/printers.h"

using namespace orvelia;
using orvelia::test::fileBytes;
using namespace std::chrono_literals;
using F = TSchedaLavoro;
using sys::Fault;
using sys::FileOp;

namespace {

using Faults = test::ScopedFaults;

// A folder in memory where the system has one: the tests that save thousands of times
// measure the program, not the disk.
QTemporaryDir fastFolder() {
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return QTemporaryDir(QStringLiteral("/dev/shm/orvelia-XXXXXX"));
    return QTemporaryDir();
}

class SavesTest : public ::testing::Test {
protected:
    QTemporaryDir dir = fastFolder();
    QString year() const { return workArchivePath(dir.path(), QStringLiteral("2026")); }
    QByteArray bytes() const { return fileBytes(year()); }
    void put(const QByteArray& content) const {
        QFile f(year());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }
    static QByteArray encoded(const Record& r) {
        QByteArray out(r.layout().size, '\0');
        r.encode(out.data());
        return out;
    }
    qint64 count() const { return *archive::count(year(), F::layout); }
    bool journalLeft() const { return QFileInfo::exists(journalPath(year())); }
};

} // namespace

TEST_F(SavesTest, AFailedAppendIsCutBackToTheArchiveAsItWas) {
    struct Case {
        const char* what;
        FileOp op;
        Fault fault;
        ArchiveError error;
    };
    const Case cases[] = {
        {"write refused", FileOp::Write, {Fault::Fail}, ArchiveError::Write},
        {"short write, then refused", FileOp::Write, {Fault::Short, 1000}, ArchiveError::Write},
        {"flush refused", FileOp::Flush, {Fault::Fail}, ArchiveError::Flush},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Two records and a torn tail, which the append writes over.
        const QByteArray before =
            encoded(test::churnRecord(1)) + encoded(test::churnRecord(2)) + QByteArray(37, '\x5A');
        put(before);
        int seen = 0;
        {
            // The first such operation fails; cutting back goes through.
            Faults faults([&](FileOp op, const QString& path) {
                return op == c.op && path == year() && ++seen == 1 ? c.fault : Fault{};
            });
            EXPECT_EQ(archive::append(year(), test::churnRecord(3)).error(), c.error);
        }
        EXPECT_TRUE(bytes() == before);
        // The next save stores it once.
        EXPECT_EQ(*archive::append(year(), test::churnRecord(3)), 3);
        EXPECT_EQ(count(), 3);
    }
}

TEST_F(SavesTest, AnAppendThatCannotBeTakenBackIsReportedAsPerhapsSaved) {
    put(encoded(test::churnRecord(1)));
    Faults faults([&](FileOp op, const QString& path) {
        return (op == FileOp::Flush || op == FileOp::Resize) && path == year() ? Fault{Fault::Fail} : Fault{};
    });
    EXPECT_EQ(archive::append(year(), test::churnRecord(2)).error(), ArchiveError::Uncertain);
}

TEST_F(SavesTest, AnAppendWhoseClosingFailsIsTakenBack) {
    put(encoded(test::churnRecord(1)));
    const QByteArray before = bytes();
    int closes = 0;
    {
        Faults faults([&](FileOp op, const QString& path) {
            return op == FileOp::Close && path == year() && ++closes == 1 ? Fault{Fault::Fail} : Fault{};
        });
        EXPECT_EQ(archive::append(year(), test::churnRecord(2)).error(), ArchiveError::Close);
    }
    EXPECT_TRUE(bytes() == before);
    EXPECT_EQ(*archive::append(year(), test::churnRecord(2)), 2);
    EXPECT_EQ(count(), 2);
}

TEST_F(SavesTest, AFailedOverwriteLeavesTheOldRecordAndNoJournal) {
    struct Case {
        const char* what;
        Fault fault;
        ArchiveError error;
    };
    const Case cases[] = {
        {"write refused", {Fault::Fail}, ArchiveError::Write},
        {"half the record, then refused", {Fault::Short, 1456}, ArchiveError::Write},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(encoded(test::churnRecord(1)) + encoded(test::churnRecord(2)));
        const QByteArray before = bytes();
        int writes = 0;
        {
            // The first write of the archive is the new record; putting the old one back goes through.
            Faults faults([&](FileOp op, const QString& path) {
                return op == FileOp::Write && path == year() && ++writes == 1 ? c.fault : Fault{};
            });
            EXPECT_EQ(archive::overwrite(year(), 2, test::churnRecord(9)), c.error);
        }
        EXPECT_TRUE(bytes() == before);
        EXPECT_FALSE(journalLeft());
    }
}

TEST_F(SavesTest, AnOverwriteThatCannotBeUndoneAtOnceIsUndoneByTheNextCommand) {
    put(encoded(test::churnRecord(1)) + encoded(test::churnRecord(2)));
    const QByteArray before = bytes();
    int writes = 0;
    {
        // Half the new record is written, then the disk refuses, putting the old one back too.
        Faults faults([&](FileOp op, const QString& path) {
            if (op != FileOp::Write || path != year())
                return Fault{};
            return ++writes == 1 ? Fault{Fault::Short, 1456} : Fault{Fault::Fail};
        });
        EXPECT_EQ(archive::overwrite(year(), 1, test::churnRecord(9)), ArchiveError::Write);
    }
    EXPECT_FALSE(bytes() == before); // half new, half old, until the journal is read
    EXPECT_TRUE(journalLeft());
    EXPECT_EQ(test::churnSaveOf(*archive::read(year(), 1, F::layout)), 1);
    EXPECT_TRUE(bytes() == before);
    EXPECT_FALSE(journalLeft());
}

TEST_F(SavesTest, AnOverwriteCutShortAtAnyByteLeavesTheOldRecordOrTheNew) {
    // The process "dies" after each number of bytes of the new record; the flushes are skipped
    // so that the 2,914 rounds take moments (the recovery, not the disk, is what is tested).
    const QByteArray first = encoded(test::churnRecord(1));
    for (int cut = 0; cut <= F::layout.size; ++cut) {
        put(first + encoded(test::churnRecord(2)));
        {
            Faults faults([&](FileOp op, const QString& path) {
                if (op == FileOp::Flush || op == FileOp::FlushFolder)
                    return Fault{Fault::Skip};
                return op == FileOp::Write && path == year() ? Fault{Fault::Abandon, cut} : Fault{};
            });
            EXPECT_THROW(archive::overwrite(year(), 2, test::churnRecord(7)), sys::Abandoned);
        }
        ASSERT_TRUE(journalLeft()) << cut;
        // The next command, even a read-only one, finds the journal and puts the old record back.
        const auto saved = test::churnSaveOf(*archive::read(year(), 2, F::layout));
        ASSERT_EQ(saved, 2) << "cut after " << cut << " bytes";
        ASSERT_FALSE(journalLeft()) << cut;
        ASSERT_TRUE(bytes().startsWith(first));
    }
}

TEST_F(SavesTest, AJournalCutShortIsIgnoredAndRemoved) {
    put(encoded(test::churnRecord(1)));
    const QByteArray before = bytes();
    {
        QFile journal(journalPath(year()));
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write("ORVRIP01\x00\x00\x00", 11); // a journal that never got its old record
    }
    EXPECT_EQ(count(), 1);
    EXPECT_TRUE(bytes() == before);
    EXPECT_FALSE(journalLeft());
}

TEST_F(SavesTest, ALockHeldElsewhereIsWaitedForABoundedTime) {
    put(encoded(test::churnRecord(1)));
    QProcess holder;
    holder.start(QStringLiteral(ARCHIVE_WRITER), {QStringLiteral("hold"), year(), QStringLiteral("1500")});
    ASSERT_TRUE(holder.waitForReadyRead(20000));
    ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "held");
    sys::setLockWait(300ms);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(archive::append(year(), test::churnRecord(2)).error(), ArchiveError::Busy);
    EXPECT_EQ(archive::overwrite(year(), 1, test::churnRecord(2)), ArchiveError::Busy);
    EXPECT_LT(clock.elapsed(), 2500);
    sys::setLockWait(10s);
    ASSERT_TRUE(holder.waitForFinished(20000));
    EXPECT_EQ(count(), 1);
    // Once the other copy is done, the save goes through.
    EXPECT_EQ(*archive::append(year(), test::churnRecord(2)), 2);
}

TEST_F(SavesTest, SavesWithoutLockSupportGoOnAndAreNoticedOnce) {
    archive::takeUnlockedSaveNotice(); // whatever an earlier test left
    Faults faults(
        [&](FileOp op, const QString&) { return op == FileOp::Lock ? Fault{Fault::Skip} : Fault{}; });
    EXPECT_EQ(*archive::append(year(), test::churnRecord(1)), 1);
    EXPECT_EQ(archive::overwrite(year(), 1, test::churnRecord(2)), ArchiveError::None);
    EXPECT_TRUE(archive::takeUnlockedSaveNotice());
    EXPECT_EQ(*archive::append(year(), test::churnRecord(3)), 2);
    EXPECT_FALSE(archive::takeUnlockedSaveNotice());
}

TEST_F(SavesTest, AWriterKilledAtRandomMomentsLosesNoAcknowledgedSave) {
    std::mt19937 rng(20261211);
    std::map<qint64, int> acknowledged; // record number -> the save last acknowledged there
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(ARCHIVE_WRITER),
                     {QStringLiteral("churn"), year(), QString::number(rng() % 100000),
                      QString::number(round * 100000)});
        ASSERT_TRUE(writer.waitForStarted(20000));
        // Let it save a few records, then end it without warning.
        writer.waitForReadyRead(20000);
        std::this_thread::sleep_for(std::chrono::milliseconds(10 + rng() % 80));
        writer.kill();
        writer.waitForFinished(20000);
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3)
                acknowledged[words[1].toLongLong()] = words[2].toInt();
        }
        // The next command recovers; every record is whole, every acknowledged one there.
        std::vector<std::optional<int>> saves;
        ASSERT_EQ(archive::scan(year(), F::layout,
                                [&](qint64, const RecordView& r) {
                                    saves.push_back(test::churnSaveOf(r.toRecord()));
                                    return true;
                                }),
                  ArchiveError::None);
        ASSERT_FALSE(journalLeft()) << round;
        const auto total = qint64(saves.size());
        for (qint64 n = 1; n <= total; ++n) {
            const std::optional<int> saved = saves[std::size_t(n - 1)];
            ASSERT_TRUE(saved.has_value()) << "record " << n << " mixes two saves, round " << round;
            const auto it = acknowledged.find(n);
            if (it != acknowledged.end()) {
                // The acknowledged save, or a later one the writer did not live to acknowledge.
                ASSERT_GE(*saved, it->second) << "record " << n << ", round " << round;
                it->second = *saved;
            }
        }
        ASSERT_GE(total, qint64(acknowledged.size()));
    }
    EXPECT_GT(acknowledged.size(), 10u);
    // A tail torn by the last kill is written over: the next append lands on a record boundary.
    const qint64 total = count();
    EXPECT_EQ(*archive::append(year(), test::churnRecord(99)), total + 1);
    EXPECT_EQ(QFileInfo(year()).size(), (total + 1) * F::layout.size);
}
