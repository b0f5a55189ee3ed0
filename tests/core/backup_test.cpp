#include <map>

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>

#include <zip.h>

#include "core/access/password.h"
#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/backup/backup.h"
#include "core/backup/sha256.h"
#include "support/faults.h"
#include "support/files.h"
#include "support/processes.h"
#include "support/records.h"

using namespace orvelia;
using namespace orvelia::backup;
using test::fileBytes;

namespace {

using W = TSchedaLavoro;

const QDateTime kNow(QDate(2026, 12, 11), QTime(15, 42, 5));

/// Every file below @p folder (relative path -> bytes).
std::map<QString, QByteArray> filesBelow(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = fileBytes(path);
    }
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

/// A zip written with the library directly, entry by entry (name -> bytes), as another tool would.
void writeZip(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& entries) {
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(za, nullptr);
    std::vector<QByteArray> kept;
    for (const auto& [name, bytes] : entries) {
        kept.push_back(bytes);
        zip_source_t* s = zip_source_buffer(za, kept.back().constData(), zip_uint64_t(kept.back().size()), 0);
        ASSERT_GE(zip_file_add(za, name.constData(), s, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(za), 0);
}

class BackupTest : public ::testing::Test {
protected:
    QString folder() const { return m_dir.filePath(QStringLiteral("programma")); }
    QString destination() const { return m_dir.filePath(QStringLiteral("copie")); }
    QString path(const QString& name) const { return QDir(folder()).filePath(name); }

    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QDir().mkpath(folder());
        QDir().mkpath(destination());
    }

    /// A folder as the program leaves it: the registry, two years (one with a torn tail), the
    /// password store and documents (one with an accented name, one empty).
    void fillFolder(const QString& tag = QStringLiteral("A")) {
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(archive::append(
                employeeArchivePath(folder()),
                test::fullRecord(TSchedaLavoratore::layout, {{0, tag + QString::number(i)}})));
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(archive::append(
                workArchivePath(folder(), QStringLiteral("2025")),
                test::workRecord(tag + QString::number(i), QStringLiteral("03/02/2025"),
                                 QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("10,00"))));
        ASSERT_TRUE(
            archive::append(workArchivePath(folder(), QStringLiteral("2024")),
                            test::workRecord(tag, QStringLiteral("01/01/2024"),
                                             QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("1,00"))));
        QFile torn(workArchivePath(folder(), QStringLiteral("2024")));
        ASSERT_TRUE(torn.open(QIODevice::Append));
        torn.write(QByteArray(100, 'x'));
        torn.close();
        writeFile(path(kPasswordStoreName), "[Accesso]\r\nValore=" + tag.toLatin1() + "\r\n");
        writeFile(path(QStringLiteral("Documenti_Allegati/Contratto \u00E8 firmato.pdf")),
                  QByteArray(300000, 'p') + tag.toLatin1());
        writeFile(path(QStringLiteral("Documenti_Allegati/vuoto.txt")), QByteArray());
    }

    Outcome backupNow() { return makeBackup(folder(), destination(), kNow); }

    QTemporaryDir m_dir;
};

TEST(Sha256Test, DigestsEqualTheReferenceForEveryLengthAndBothPaths) {
    for (const bool plain : {false, true}) {
        Sha256::usePlainCode(plain);
        for (const int length : {0, 1, 55, 56, 63, 64, 65, 119, 120, 128, 4095, 100003}) {
            QByteArray bytes(length, Qt::Uninitialized);
            for (int i = 0; i < length; ++i)
                bytes[i] = char(i * 7 + length);
            Sha256 pieces;
            for (int at = 0; at < length; at += 37)
                pieces.add(bytes.constData() + at, std::min(37, length - at));
            EXPECT_EQ(pieces.result(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256))
                << length << (plain ? " plain" : " fast");
        }
    }
    Sha256::usePlainCode(false);
    EXPECT_EQ(sha256Hex("abc"),
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

TEST(BackupNamesTest, OnlyTheFilesTheProgramKeepsArePlacedInTheFolder) {
    const std::vector<std::pair<QString, std::optional<Entry::Kind>>> cases = {
        {QStringLiteral("Brenzo.pro"), Entry::Kind::Employees},
        {QStringLiteral("2025.lav"), Entry::Kind::Works},
        {QStringLiteral("unins000.dll"), Entry::Kind::Password},
        {QStringLiteral("Documenti_Allegati/Contratto \u00E8.pdf"), Entry::Kind::Document},
        {QStringLiteral("../x"), std::nullopt},
        {QStringLiteral("/etc/passwd"), std::nullopt},
        {QStringLiteral("Documenti_Allegati/../Brenzo.pro"), std::nullopt},
        {QStringLiteral("Documenti_Allegati/sotto/x.pdf"), std::nullopt},
        {QStringLiteral("Documenti_Allegati/C:x.pdf"), std::nullopt},
        {QStringLiteral("Documenti_Allegati/a\\..\\..\\b"), std::nullopt},
        {QStringLiteral("Documenti_Allegati/"), std::nullopt},
        {QStringLiteral("20251.lav"), std::nullopt},
        {QStringLiteral("Impostazioni.ini"), std::nullopt},
    };
    for (const auto& [name, kind] : cases)
        EXPECT_EQ(kindOfName(name), kind) << name.toStdString();
}

TEST_F(BackupTest, ACopyRestoredIntoAnEmptyFolderGivesTheSameBytes) {
    fillFolder();
    const auto before = filesBelow(folder());
    const Outcome made = backupNow();
    ASSERT_TRUE(made.ok()) << message(made).toStdString();
    EXPECT_EQ(made.file, QDir(destination()).filePath(QStringLiteral("Orvelia-copia-2026-12-11-154205.zip")));
    EXPECT_EQ(QDir(destination()).entryList(QDir::Files), QStringList{QFileInfo(made.file).fileName()});
    EXPECT_EQ(made.manifest.records(), 3 + 5 + 1);
    EXPECT_EQ(made.manifest.documents(), 2);
    EXPECT_EQ(made.manifest.archives(), 3);
    const Entry& torn = *std::find_if(made.manifest.entries.begin(), made.manifest.entries.end(),
                                      [](const Entry& e) { return e.name == QLatin1String("2024.lav"); });
    EXPECT_EQ(torn.records, 1);
    EXPECT_EQ(torn.tornTail, 100);
    EXPECT_EQ(message(made),
              QStringLiteral("Copia di sicurezza completata.\n\r\n\rFile: %1\n\rArchivi: 3, con 9 "
                             "schede in tutto.\n\rDocumenti allegati: 2.")
                  .arg(QDir::toNativeSeparators(made.file)));
    // The copy is remembered in the folder's settings: no reminder for a week.
    EXPECT_EQ(lastBackup(folder()), kNow);
    EXPECT_FALSE(reminderDue(folder(), kNow.addDays(6)));
    EXPECT_TRUE(reminderDue(folder(), kNow.addDays(7)));

    EXPECT_TRUE(checkBackup(made.file).ok());
    const QString empty = m_dir.filePath(QStringLiteral("nuova"));
    QDir().mkpath(empty);
    const Outcome restored = restoreBackup(made.file, empty, false, kNow);
    ASSERT_TRUE(restored.ok()) << message(restored).toStdString();
    EXPECT_TRUE(restored.safetyCopy.isEmpty());
    auto expected = before;
    expected.erase(QStringLiteral("Impostazioni.ini"));
    EXPECT_EQ(filesBelow(empty), expected);
}

TEST_F(BackupTest, ReminderIsDueWithoutACopyOrAfterAWeek) {
    EXPECT_TRUE(reminderDue(folder(), kNow));
    EXPECT_FALSE(lastBackup(folder()).has_value());
    fillFolder();
    ASSERT_TRUE(backupNow().ok());
    EXPECT_FALSE(reminderDue(folder(), kNow));
    EXPECT_TRUE(reminderDue(folder(), kNow.addDays(-2))); // a clock put back: better one copy too many
}

TEST_F(BackupTest, DamagedOrForeignCopiesAreRefusedAndChangeNothing) {
    fillFolder();
    const Outcome made = backupNow();
    ASSERT_TRUE(made.ok());
    const QByteArray good = fileBytes(made.file);
    const QByteArray manifest = made.manifest.toJson();
    const qsizetype document = good.indexOf(QByteArray(1000, 'p'));
    ASSERT_GT(document, 0);

    struct Case {
        const char* what;
        std::function<void(const QString&)> write;
        Error error;
        QString entry;
    };
    const std::vector<Case> cases = {
        {"a flipped byte in a document",
         [&](const QString& p) {
             QByteArray bad = good;
             bad[document + 5000] = 'q';
             writeFile(p, bad);
         },
         Error::Damaged, QStringLiteral("Documenti_Allegati/Contratto \u00E8 firmato.pdf")},
        {"cut in half",
         [&](const QString& p) { writeFile(p, good.left(good.size() / 2)); },
         Error::Damaged,
         {}},
        {"not a zip", [&](const QString& p) { writeFile(p, "PK\x03\x04 nothing else"); }, Error::Damaged, {}},
        {"no manifest",
         [&](const QString& p) {
             writeZip(p, {{"Brenzo.pro", QByteArray(4043, 0)}});
         },
         Error::Foreign,
         {}},
        {"another program's manifest",
         [&](const QString& p) {
             writeZip(p, {{"manifesto.json", QByteArray(manifest).replace("Orvelia", "Altro")}});
         },
         Error::Foreign,
         {}},
        {"a path out of the folder",
         [&](const QString& p) {
             writeZip(p, {{"manifesto.json", manifest}, {"../x", "danno"}});
         },
         Error::Unsafe, QStringLiteral("../x")},
        {"an entry the manifest does not name",
         [&](const QString& p) {
             writeZip(p, {{"manifesto.json", manifest}, {"1999.lav", QByteArray(2913, 0)}});
         },
         Error::Damaged,
         {}},
    };
    // Refused into an empty folder and into one holding data, even when replacing is allowed.
    const QString empty = m_dir.filePath(QStringLiteral("vuota"));
    QDir().mkpath(empty);
    for (const Case& c : cases) {
        const QString zip = m_dir.filePath(QStringLiteral("guasta.zip"));
        c.write(zip);
        for (const QString& target : {folder(), empty}) {
            const auto before = filesBelow(target);
            const auto copies = QDir(m_dir.path()).entryList(QDir::Files);
            const Outcome restored = restoreBackup(zip, target, true, kNow);
            EXPECT_EQ(restored.error, c.error) << c.what;
            if (!c.entry.isNull()) {
                EXPECT_EQ(restored.entry, c.entry) << c.what;
            }
            EXPECT_EQ(filesBelow(target), before) << c.what;
            EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), copies) << c.what << ": no safety copy made";
            EXPECT_TRUE(
                message(restored).endsWith(QStringLiteral("\n\r\n\rNessun dato \u00E8 stato cambiato.")));
        }
    }
    const QString flipped = m_dir.filePath(QStringLiteral("guasta.zip"));
    cases.front().write(flipped);
    EXPECT_EQ(
        message(restoreBackup(flipped, empty, true, kNow)),
        QStringLiteral("Attenzione: il file \"%1\" \u00E8 danneggiato o incompleto (\"Documenti_Allegati/"
                       "Contratto \u00E8 firmato.pdf\" manca o non corrisponde).\n\r\n\rNessun dato \u00E8 "
                       "stato cambiato.")
            .arg(QDir::toNativeSeparators(flipped)));
    EXPECT_EQ(
        message(restoreBackup(m_dir.filePath(QStringLiteral("manca.zip")), empty, true, kNow)),
        QStringLiteral("Attenzione: il file \"%1\" non esiste o non si pu\u00F2 leggere.\n\r\n\rNessun dato "
                       "\u00E8 stato cambiato.")
            .arg(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("manca.zip")))));
}

TEST_F(BackupTest, ReplacingDataNeedsLeaveAndKeepsACopyOfWhatWasThere) {
    fillFolder(QStringLiteral("nuovi"));
    const Outcome made = backupNow();
    ASSERT_TRUE(made.ok());
    const auto copied = filesBelow(folder());

    // The folder moves on: other data, a year the copy does not hold, a journal of a save cut short.
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    QDir().mkpath(folder());
    fillFolder(QStringLiteral("vecchi"));
    writeFile(workArchivePath(folder(), QStringLiteral("2026")), QByteArray(2913, 0));
    const auto present = filesBelow(folder());
    writeFile(journalPath(workArchivePath(folder(), QStringLiteral("2025"))), QByteArray(10, 'j'));

    const Outcome refused = restoreBackup(made.file, folder(), false, kNow.addSecs(60));
    EXPECT_EQ(refused.error, Error::NeedsReplace);
    EXPECT_EQ(message(refused),
              QStringLiteral("Attenzione: la cartella \"%1\" contiene gi\u00E0 degli archivi.\n\r\n\r"
                             "Nessun dato \u00E8 stato cambiato.")
                  .arg(QDir::toNativeSeparators(folder())));

    const Outcome restored = restoreBackup(made.file, folder(), true, kNow.addSecs(60));
    ASSERT_TRUE(restored.ok()) << message(restored).toStdString();
    EXPECT_EQ(restored.safetyCopy,
              QDir(destination()).filePath(QStringLiteral("Orvelia-copia-2026-12-11-154305.zip")));
    auto expected = copied;
    expected[QStringLiteral("2026.lav")] = present.at(QStringLiteral("2026.lav")); // not in the copy: kept
    expected[QStringLiteral("Impostazioni.ini")] = fileBytes(path(QStringLiteral("Impostazioni.ini")));
    EXPECT_EQ(filesBelow(folder()), expected);
    EXPECT_FALSE(QFileInfo::exists(journalPath(workArchivePath(folder(), QStringLiteral("2025")))));
    EXPECT_TRUE(message(restored).endsWith(
        QStringLiteral("I dati presenti prima sono stati salvati nella copia \"%1\".")
            .arg(QDir::toNativeSeparators(restored.safetyCopy))));

    // The safety copy holds what was there, journal put back into its archive.
    const QString back = m_dir.filePath(QStringLiteral("indietro"));
    QDir().mkpath(back);
    ASSERT_TRUE(restoreBackup(restored.safetyCopy, back, false, kNow).ok());
    EXPECT_EQ(fileBytes(workArchivePath(back, QStringLiteral("2026"))),
              present.at(QStringLiteral("2026.lav")));
    EXPECT_EQ(fileBytes(employeeArchivePath(back)), present.at(QStringLiteral("Brenzo.pro")));
}

TEST_F(BackupTest, ACopyMadeWhileAnotherProcessAppendsHoldsWholeRecordsOnly) {
    const QString year = workArchivePath(folder(), QStringLiteral("2025"));
    for (int i = 0; i < 500; ++i)
        ASSERT_TRUE(archive::append(year, test::workRecord(QString::number(i), QStringLiteral("03/02/2025"),
                                                           QStringLiteral("RSSMRA80A01H501U"),
                                                           QStringLiteral("10,00"))));
    QProcess writer;
    writer.start(QStringLiteral(ARCHIVE_WRITER), {year, QStringLiteral("copia"), QStringLiteral("2000")});
    ASSERT_TRUE(writer.waitForStarted(20000));
    while (QFileInfo(year).size() < 600 * W::layout.size && writer.state() == QProcess::Running)
        QThread::msleep(1);
    const Outcome made = backupNow();
    const qint64 after = [&] {
        writer.waitForFinished(60000);
        return QFileInfo(year).size() / W::layout.size;
    }();
    ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    ASSERT_TRUE(made.ok()) << message(made).toStdString();
    const Entry& copied = made.manifest.entries.front();
    ASSERT_EQ(copied.name, QStringLiteral("2025.lav"));
    EXPECT_GE(copied.records, 600);
    EXPECT_LE(copied.records, after);
    EXPECT_EQ(after, 2500);
    EXPECT_EQ(copied.tornTail, 0);

    const QString restored = m_dir.filePath(QStringLiteral("ripristinata"));
    QDir().mkpath(restored);
    ASSERT_TRUE(restoreBackup(made.file, restored, false, kNow).ok());
    const QByteArray inCopy = fileBytes(workArchivePath(restored, QStringLiteral("2025")));
    EXPECT_EQ(inCopy.size(), copied.records * W::layout.size);
    EXPECT_EQ(inCopy, fileBytes(year).left(inCopy.size()));
}

TEST_F(BackupTest, FailuresAreToldAndLeaveNoCopy) {
    fillFolder();
    // A destination that does not exist, or is a file.
    const QString missing = m_dir.filePath(QStringLiteral("manca"));
    Outcome o = makeBackup(folder(), missing, kNow);
    EXPECT_EQ(o.error, Error::Destination);
    EXPECT_EQ(message(o),
              QStringLiteral("Attenzione: la cartella di destinazione \"%1\" non esiste o non permette "
                             "di scrivere.\n\r\n\rScegliere un'altra cartella per la copia di sicurezza.")
                  .arg(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(makeBackup(folder(), path(kEmployeeArchiveName), kNow).error, Error::Destination);
    EXPECT_FALSE(lastBackup(folder()).has_value());

    // An archive held by another workstation for the whole wait, or one that cannot be read.
    struct Fault {
        sys::FileOp op;
        sys::Fault::Kind kind;
        const char* file;
        Error error;
    };
    for (const Fault& f : {Fault{sys::FileOp::Lock, sys::Fault::Busy, "2025.lav", Error::Busy},
                           Fault{sys::FileOp::Read, sys::Fault::Fail, "Brenzo.pro", Error::ReadArchive}}) {
        {
            test::ScopedFaults faults([&](sys::FileOp op, const QString& file) {
                return op == f.op && file.endsWith(QLatin1String(f.file)) ? sys::Fault{f.kind} : sys::Fault{};
            });
            o = backupNow();
        }
        EXPECT_EQ(o.error, f.error) << f.file;
        EXPECT_TRUE(QDir(destination()).isEmpty()) << f.file;
        if (f.error == Error::Busy) {
            EXPECT_EQ(message(o),
                      QStringLiteral("Attenzione: l'archivio \"2025.lav\" \u00E8 rimasto in uso da "
                                     "un'altra postazione troppo a lungo.\n\r\n\rRiprovare tra qualche "
                                     "istante.\n\r\n\rLa copia non \u00E8 stata fatta."));
        }
    }

    // A full disk: the files of the process may not grow past 200 KB.
    const std::optional<int> code = test::runWithFileSizeLimit(200000, [&] {
        const Outcome full = backupNow();
        return full.error == Error::Write &&
                       message(full).startsWith(QStringLiteral(
                           "Attenzione: non \u00E8 stato possibile scrivere la copia di sicurezza"))
                   ? 0
                   : 1;
    });
    if (!code)
        GTEST_SKIP() << test::kNoFileSizeLimit;
    EXPECT_EQ(*code, 0);
    EXPECT_TRUE(QDir(destination()).isEmpty());
    EXPECT_FALSE(lastBackup(folder()).has_value());
}

} // namespace
