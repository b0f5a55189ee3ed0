#include <gtest/gtest.h>

#include <algorithm>

#include "support/files.h"
#include "support/printers.h"
#include "support/processes.h"

#include <set>
#include <random>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"

using namespace orvelia;
using orvelia::test::fileBytes;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString employees() const { return employeeArchivePath(dir.path()); }
    QString year() const { return workArchivePath(dir.path(), QStringLiteral("2026")); }

    static Record worker(const QString& surname) {
        Record r(TSchedaLavoratore::layout);
        r[TSchedaLavoratore::Cognome] = surname;
        r[TSchedaLavoratore::Nome] = QStringLiteral("Nome di ") + surname;
        return r;
    }
    static Record work(const QString& surname) {
        Record r(TSchedaLavoro::layout);
        r[TSchedaLavoro::Cognome] = surname;
        r[TSchedaLavoro::Data] = QStringLiteral("09/12/2026");
        return r;
    }
    static qint64 sizeOf(const QString& path) { return QFileInfo(path).size(); }
};

} // namespace

TEST_F(RecordFileTest, FileNamesAreFixed) {
    EXPECT_EQ(QFileInfo(employees()).fileName(), QStringLiteral("Brenzo.pro"));
    EXPECT_EQ(QFileInfo(year()).fileName(), QStringLiteral("2026.lav"));
}

TEST_F(RecordFileTest, OpeningAMissingFileCreatesItEmpty) {
    const auto n = archive::count(employees(), TSchedaLavoratore::layout);
    ASSERT_TRUE(n.ok());
    EXPECT_EQ(*n, 0);
    EXPECT_TRUE(QFile::exists(employees()));
    EXPECT_EQ(sizeOf(employees()), 0);
    // an empty file scans to nothing
    int seen = 0;
    EXPECT_EQ(archive::scan(employees(), TSchedaLavoratore::layout,
                            [&](qint64, const RecordView&) {
                                ++seen;
                                return true;
                            }),
              ArchiveError::None);
    EXPECT_EQ(seen, 0);
}

TEST_F(RecordFileTest, OpeningNeverEmptiesAnExistingFile) {
    ASSERT_TRUE(archive::append(employees(), worker("Rossi")).ok());
    ASSERT_TRUE(archive::count(employees(), TSchedaLavoratore::layout).ok());
    EXPECT_EQ(sizeOf(employees()), 4043);
}

TEST_F(RecordFileTest, AppendOverwriteAndReadByNumber) {
    for (int i = 1; i <= 7; ++i) {
        const auto k = archive::append(employees(), worker(QString::number(i)));
        ASSERT_TRUE(k.ok());
        EXPECT_EQ(*k, i);
        EXPECT_EQ(sizeOf(employees()), 4043 * i);
    }
    const QByteArray before = fileBytes(employees());
    ASSERT_EQ(archive::overwrite(employees(), 3, worker("Tre")), ArchiveError::None);
    const QByteArray after = fileBytes(employees());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(2 * 4043), before.left(2 * 4043));
    EXPECT_EQ(after.mid(3 * 4043), before.mid(3 * 4043));
    EXPECT_EQ(archive::read(employees(), 3, TSchedaLavoratore::layout)->at(TSchedaLavoratore::Cognome),
              "Tre");
    EXPECT_EQ(archive::read(employees(), 8, TSchedaLavoratore::layout).error(), ArchiveError::OutOfRange);

    const auto k = archive::append(employees(), worker("Otto"));
    ASSERT_TRUE(k.ok());
    EXPECT_EQ(*k, 8);
}

TEST_F(RecordFileTest, RecordNumbersOutsideTheFileAreRefused) {
    ASSERT_TRUE(archive::append(year(), work("Uno")).ok());
    for (const qint64 k : {qint64(0), qint64(-1), qint64(2)}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(archive::read(year(), k, TSchedaLavoro::layout).error(), ArchiveError::OutOfRange);
        EXPECT_EQ(archive::overwrite(year(), k, work("X")), ArchiveError::OutOfRange);
    }
    EXPECT_EQ(sizeOf(year()), 2913);
}

TEST_F(RecordFileTest, ATornTailIsNeitherCountedNorReadAndTheNextAppendCoversIt) {
    struct Case {
        const RecordLayout* layout;
        QString path;
        Record (*make)(const QString&);
    };
    for (const Case& c : {Case{&TSchedaLavoratore::layout, employees(), &RecordFileTest::worker},
                          Case{&TSchedaLavoro::layout, year(), &RecordFileTest::work}}) {
        SCOPED_TRACE(c.layout->name);
        const int size = c.layout->size;
        ASSERT_TRUE(archive::append(c.path, c.make("Uno")).ok());
        ASSERT_TRUE(archive::append(c.path, c.make("Due")).ok());
        {
            QFile f(c.path);
            ASSERT_TRUE(f.open(QIODevice::Append));
            f.write(QByteArray(14, '\xFF'));
        }
        ASSERT_EQ(sizeOf(c.path), 2 * size + 14);
        EXPECT_EQ(*archive::count(c.path, *c.layout), 2);
        EXPECT_EQ(archive::read(c.path, 3, *c.layout).error(), ArchiveError::OutOfRange);
        QStringList seen;
        archive::scan(c.path, *c.layout, [&](qint64, const RecordView& r) {
            seen << r[TSchedaLavoro::Cognome];
            return true;
        });
        EXPECT_EQ(seen, QStringList({"Uno", "Due"}));

        const auto k = archive::append(c.path, c.make("Tre"));
        ASSERT_TRUE(k.ok());
        EXPECT_EQ(*k, 3);
        EXPECT_EQ(sizeOf(c.path), 3 * size);
        EXPECT_EQ(archive::read(c.path, 3, *c.layout)->at(0), "Tre");
    }
}

TEST_F(RecordFileTest, ScanVisitsEveryRecordInOrderAcrossBlocks) {
    // More records than one block holds, and a count that is not a multiple of it.
    RecordFile f(year(), TSchedaLavoro::layout);
    ASSERT_EQ(f.open(), ArchiveError::None);
    const int n = 1000;
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(f.append(work(QString::number(i))).ok());
    qint64 expected = 1;
    EXPECT_EQ(f.scan([&](qint64 k, const RecordView& r) {
        EXPECT_EQ(k, expected);
        EXPECT_EQ(r[TSchedaLavoro::Cognome], QString::number(k - 1));
        ++expected;
        return true;
    }),
              ArchiveError::None);
    EXPECT_EQ(expected, n + 1);
    // The visitor can stop the scan.
    int visited = 0;
    f.scan([&](qint64, const RecordView&) { return ++visited < 5; });
    EXPECT_EQ(visited, 5);
    EXPECT_EQ(f.close(), ArchiveError::None);
}

TEST_F(RecordFileTest, AFileCutShortDuringAScanEndsItWithAReadError) {
    // Three blocks; while the first is visited another program cuts the file to one record:
    // the blocks read ahead or after must not pass for whole ones.
    RecordFile f(year(), TSchedaLavoro::layout);
    ASSERT_EQ(f.open(), ArchiveError::None);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(f.append(work(QString::number(i))).ok());
    qint64 visited = 0;
    const ArchiveError scanned = f.scan([&](qint64 k, const RecordView&) {
        if (k == 1) {
            EXPECT_TRUE(QFile::resize(year(), TSchedaLavoro::kSize));
        }
        visited = k;
        return true;
    });
    EXPECT_EQ(scanned, ArchiveError::Read);
    EXPECT_LT(visited, 1000);
    EXPECT_EQ(f.close(), ArchiveError::None);
}

TEST_F(RecordFileTest, ScanProgressRisesBlockByBlockAndEndsAtTheTotal) {
    RecordFile f(year(), TSchedaLavoro::layout);
    ASSERT_EQ(f.open(), ArchiveError::None);
    for (int i = 0; i < 1000; ++i) // about three blocks
        ASSERT_TRUE(f.append(work(QString::number(i))).ok());
    std::vector<qint64> told;
    archive::setScanProgress([&](const QString& path, qint64 done, qint64 total) {
        EXPECT_EQ(path, year());
        EXPECT_EQ(total, 1000);
        told.push_back(done);
    });
    f.scan([](qint64, const RecordView&) { return true; });
    ASSERT_GE(told.size(), 3u);
    EXPECT_EQ(told.front(), 0);
    EXPECT_EQ(told.back(), 1000);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    // A scan the visitor stops still ends at the total, so that the progress shown goes away.
    told.clear();
    f.scan([](qint64 k, const RecordView&) { return k < 10; });
    EXPECT_EQ(told, (std::vector<qint64>{0, 1000}));
    archive::setScanProgress({});
    EXPECT_EQ(f.close(), ArchiveError::None);
}

TEST_F(RecordFileTest, OpeningForReadingOnlyNeverCreatesTheFile) {
    RecordFile missing(year(), TSchedaLavoro::layout);
    EXPECT_EQ(missing.openExisting(), ArchiveError::Open);
    EXPECT_FALSE(QFileInfo::exists(year()));
    ASSERT_TRUE(archive::append(year(), work(QStringLiteral("Rossi"))).ok());
    QFile tail(year());
    ASSERT_TRUE(tail.open(QIODevice::Append));
    tail.write("xyz");
    tail.close();
    RecordFile f(year(), TSchedaLavoro::layout);
    ASSERT_EQ(f.openExisting(), ArchiveError::None);
    EXPECT_EQ(*f.byteSize(), TSchedaLavoro::kSize + 3);
    EXPECT_EQ(*f.count(), 1);
    EXPECT_EQ((*f.read(1))[TSchedaLavoro::Cognome], QStringLiteral("Rossi"));
    EXPECT_FALSE(f.append(work(QStringLiteral("Bianchi"))).ok()); // nothing is written through it
    EXPECT_EQ(sizeOf(year()), TSchedaLavoro::kSize + 3);
}

TEST_F(RecordFileTest, FailuresComeBackAsErrors) {
    const QString missingFolder = QDir(dir.path()).filePath("manca/Brenzo.pro");
    EXPECT_EQ(archive::count(missingFolder, TSchedaLavoratore::layout).error(), ArchiveError::Open);
    EXPECT_EQ(archive::append(missingFolder, worker("X")).error(), ArchiveError::Open);
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("2027.lav"));
    const QString folderInstead = workArchivePath(dir.path(), "2027");
    EXPECT_EQ(
        archive::scan(folderInstead, TSchedaLavoro::layout, [](qint64, const RecordView&) { return true; }),
        ArchiveError::Open);

    RecordFile closed(year(), TSchedaLavoro::layout);
    EXPECT_EQ(closed.count().error(), ArchiveError::NotOpen);
    EXPECT_EQ(closed.append(work("X")).error(), ArchiveError::NotOpen);
}

TEST_F(RecordFileTest, AWriteTheDiskRefusesIsAFailureNotASave) {
    // A child process whose files may not grow past two records.
    const std::optional<int> code = test::runWithFileSizeLimit(2 * 4043, [&] {
        const bool first = archive::append(employees(), worker("Uno")).ok();
        const bool second = archive::append(employees(), worker("Due")).ok();
        const auto third = archive::append(employees(), worker("Tre"));
        return first && second && third.error() == ArchiveError::Write ? 0 : 1;
    });
    if (!code)
        GTEST_SKIP() << test::kNoFileSizeLimit;
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(*archive::count(employees(), TSchedaLavoratore::layout), 2);
}

TEST_F(RecordFileTest, RandomFilesNeverCrashTheReader) {
    std::mt19937 rng(99);
    for (int round = 0; round < 20; ++round) {
        QFile f(year());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray junk(int(rng() % (3 * 2913 + 100)), '\0');
        for (char& b : junk)
            b = char(rng());
        f.write(junk);
        f.close();
        const qint64 n = junk.size() / 2913;
        qint64 seen = 0;
        ASSERT_EQ(archive::scan(year(), TSchedaLavoro::layout,
                                [&](qint64, const RecordView& r) {
                                    r.toRecord();
                                    ++seen;
                                    return true;
                                }),
                  ArchiveError::None);
        EXPECT_EQ(seen, n);
        for (qint64 k = 1; k <= n; ++k)
            EXPECT_TRUE(archive::read(year(), k, TSchedaLavoro::layout).ok());
    }
}

TEST_F(RecordFileTest, TwoProcessesAppendingAtOnceLoseNothing) {
    const int each = 2000;
    const QString count = QString::number(each);
    const std::vector<int> codes =
        test::runTogether(QStringLiteral(ARCHIVE_WRITER),
                          {{year(), QStringLiteral("A"), count}, {year(), QStringLiteral("B"), count}});
    ASSERT_EQ(codes, (std::vector<int>{0, 0}));
    EXPECT_EQ(sizeOf(year()), qint64(2 * each) * 2913);
    std::set<QString> seen;
    archive::scan(year(), TSchedaLavoro::layout, [&](qint64, const RecordView& v) {
        const Record r = v.toRecord();
        const int i = r[TSchedaLavoro::Nome].toInt();
        EXPECT_EQ(r[TSchedaLavoro::Note], QString(240, QChar(u'a' + i % 26)));
        EXPECT_TRUE(seen.insert(r[TSchedaLavoro::Cognome] + "/" + r[TSchedaLavoro::Nome]).second);
        return true;
    });
    EXPECT_EQ(seen.size(), std::size_t(2 * each));
}
