#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/backup/backup.h"
#include "core/system/settings.h"
#include "support/app_fixture.h"
#include "support/files.h"
#include "support/records.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/tfrmavvio.h"
#include "windows/backup/tfrmcopiasicurezza.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QString kMade = QStringLiteral("Orvelia-copia-2026-12-09-103000.zip");

class SafetyCopyWindowTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(copies.isValid());
    }
    void showMenu() {
        app->start();
        app->showInsteadOf(app->window<TfrmPassword>(), app->window<TfrmAvvio>());
        menu = app->window<TfrmAvvio>();
        activate(menu);
    }
    void writeData(const QString& activity = QStringLiteral("Montaggio")) {
        ASSERT_TRUE(archive::append(workArchivePath(folder.path(), QStringLiteral("2025")),
                                    workRecord(activity, QStringLiteral("03/02/2025"),
                                               QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("45,00"))));
    }
    QString year() const { return workArchivePath(folder.path(), QStringLiteral("2025")); }
    QString copy(const QString& name = kMade) const { return QDir(copies.path()).filePath(name); }
    void lastCopyDaysAgo(int days) {
        settings::setValue(folder.path(), QStringLiteral("copia/ultima"),
                           platform().clock.addDays(-days).toString(Qt::ISODate));
    }

    QTemporaryDir copies;
    TfrmAvvio* menu = nullptr;
};

} // namespace

TEST_F(SafetyCopyWindowTest, TheFirstCopyAsksForTheFolderAndRemembersIt) {
    writeData();
    showMenu();
    withWindow<TfrmCopiaSicurezza>(menu->imgCopia, [&](TfrmCopiaSicurezza* w) {
        EXPECT_EQ(w->windowTitle(), " Orvelia - Copia di sicurezza");
        EXPECT_TRUE(w->txtCartella->text().isEmpty());
        EXPECT_EQ(w->lblUltima->text(), "Non \u00E8 ancora stata fatta nessuna copia di sicurezza.");
        EXPECT_FALSE(w->prgCopia->isVisible());
        // The folder chooser cancelled: nothing is made.
        click(w->cmdCopia);
        EXPECT_TRUE(messages().empty());
        EXPECT_TRUE(QDir(copies.path()).isEmpty());

        platform().chosenFolders.push_back(copies.path());
        click(w->cmdCopia);
        EXPECT_EQ(messages(),
                  one(MessageKind::Information,
                      QStringLiteral("Copia di sicurezza completata.\n\r\n\rFile: %1\n\rArchivi: 1, con "
                                     "1 schede in tutto.\n\rDocumenti allegati: 0.")
                          .arg(QDir::toNativeSeparators(copy()))));
        EXPECT_TRUE(backup::checkBackup(copy()).ok());
        EXPECT_EQ(w->txtCartella->text(), QDir::toNativeSeparators(copies.path()));
        EXPECT_EQ(w->lblUltima->text(), "Ultima copia: 09/12/2026 alle 10:30 (oggi).");
        EXPECT_FALSE(w->prgCopia->isVisible());
        EXPECT_TRUE(w->cmdCopia->isEnabled());
        click(w->cmdChiudi);
    });
    // Remembered for the next time, in the settings file of the program folder.
    EXPECT_EQ(backup::savedDestination(folder.path()), copies.path());
    withWindow<TfrmCopiaSicurezza>(menu->imgCopia, [&](TfrmCopiaSicurezza* w) {
        EXPECT_EQ(w->txtCartella->text(), QDir::toNativeSeparators(copies.path()));
        click(w->cmdChiudi);
    });
}

TEST_F(SafetyCopyWindowTest, ACopyThatFailsIsToldAndLeavesNothing) {
    writeData();
    lastCopyDaysAgo(9);
    const QString gone = QDir(copies.path()).filePath(QStringLiteral("chiavetta"));
    backup::saveDestination(folder.path(), gone);
    showMenu();
    withWindow<TfrmCopiaSicurezza>(menu->imgCopia, [&](TfrmCopiaSicurezza* w) {
        EXPECT_EQ(w->lblUltima->text(), "Ultima copia: 30/11/2026 alle 10:30 (9 giorni fa).");
        click(w->cmdCopia);
        EXPECT_EQ(messages(),
                  one(MessageKind::Error,
                      QStringLiteral("Attenzione: la cartella di destinazione \"%1\" non esiste o "
                                     "non permette di scrivere.\n\r\n\rScegliere un'altra "
                                     "cartella per la copia di sicurezza.")
                          .arg(QDir::toNativeSeparators(gone))));
        EXPECT_EQ(w->lblUltima->text(), "Ultima copia: 30/11/2026 alle 10:30 (9 giorni fa).");
        click(w->cmdChiudi);
    });
    EXPECT_TRUE(QDir(copies.path()).isEmpty());
}

TEST_F(SafetyCopyWindowTest, RestoreNamesWhatItReplacesAndKeepsACopyFirst) {
    writeData(QStringLiteral("Nella copia"));
    ASSERT_TRUE(backup::makeBackup(folder.path(), copies.path(), platform().clock.addDays(-1)).ok());
    const QString made = copy(QStringLiteral("Orvelia-copia-2026-12-08-103000.zip"));
    const QByteArray inCopy = fileBytes(year());
    writeData(QStringLiteral("Dopo la copia"));
    const QByteArray now = fileBytes(year());
    QFile damaged(copy(QStringLiteral("guasta.zip")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(fileBytes(made).left(300));
    damaged.close();

    const QString question = QStringLiteral(
        "Ripristinare i dati dalla copia del 08/12/2026 alle 10:30?\n\r\n\rLa copia contiene 1 "
        "archivio con 1 schede e 0 documenti allegati. Sostituir\u00E0 nella cartella del programma i "
        "file con lo stesso nome; gli altri restano come sono.\n\r\n\rPrima del ripristino viene "
        "fatta una copia dei dati presenti, accanto al file scelto.");
    showMenu();
    withWindow<TfrmCopiaSicurezza>(menu->imgCopia, [&](TfrmCopiaSicurezza* w) {
        // A damaged copy is refused before any question.
        platform().chosenFiles.push_back(damaged.fileName());
        click(w->cmdRipristina);
        EXPECT_EQ(messages(), one(MessageKind::Error,
                                  QStringLiteral("Attenzione: il file \"%1\" \u00E8 danneggiato o incompleto."
                                                 "\n\r\n\rNessun dato \u00E8 stato cambiato.")
                                      .arg(QDir::toNativeSeparators(damaged.fileName()))));
        // No: nothing changes.
        platform().chosenFiles.push_back(made);
        platform().answers.push_back(false);
        click(w->cmdRipristina);
        EXPECT_EQ(messages(), one(MessageKind::Question, question));
        EXPECT_EQ(fileBytes(year()), now);

        platform().chosenFiles.push_back(made);
        click(w->cmdRipristina);
        const QString kept = copy(QStringLiteral("Orvelia-copia-2026-12-09-103000.zip"));
        EXPECT_EQ(messages(),
                  (std::vector<ShownMessage>{
                      {MessageKind::Question, question},
                      {MessageKind::Information,
                       QStringLiteral(
                           "Ripristino completato dalla copia del 08/12/2026 10:30.\n\r\n\rArchivi: 1, con 1 "
                           "schede in tutto.\n\rDocumenti allegati: 0.\n\r\n\rI dati presenti prima sono "
                           "stati salvati nella copia \"%1\".")
                           .arg(QDir::toNativeSeparators(kept))}}));
        EXPECT_EQ(fileBytes(year()), inCopy);
        click(w->cmdChiudi);
    });
}

TEST_F(SafetyCopyWindowTest, LeavingTheProgramOffersACopyWhenTheLastIsAWeekOld) {
    struct Case {
        const char* what;
        bool data;
        int daysAgo; // -1: never
        QString question;
    };
    const std::vector<Case> cases = {
        {"an empty folder", false, -1, {}},
        {"a copy six days old", true, 6, {}},
        {"never a copy", true, -1,
         QStringLiteral(
             "Attenzione: non \u00E8 ancora stata fatta nessuna copia di sicurezza degli archivi.\n\r\n\r"
             "Farla ora?")},
        {"a copy a week old", true, 7,
         QStringLiteral(
             "Attenzione: l'ultima copia di sicurezza degli archivi \u00E8 del 02/12/2026, 7 giorni fa.\n\r"
             "\n\rFarne una ora?")},
    };
    for (const Case& c : cases) {
        app = std::make_unique<OrveliaApp>();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        if (c.data)
            writeData();
        if (c.daysAgo >= 0)
            lastCopyDaysAgo(c.daysAgo);
        showMenu();
        platform().answers.push_back(false);
        click(menu->imgEsci);
        EXPECT_TRUE(app->hasQuit()) << c.what;
        EXPECT_EQ(messages(),
                  c.question.isEmpty() ? std::vector<ShownMessage>{} : one(MessageKind::Question, c.question))
            << c.what;
        platform().answers.clear();
    }
}

TEST_F(SafetyCopyWindowTest, YesToTheReminderMakesTheCopyThenTheProgramEnds) {
    writeData();
    backup::saveDestination(folder.path(), copies.path());
    showMenu();
    withWindow<TfrmCopiaSicurezza>([&] { menu->close(); },
                                   [&](TfrmCopiaSicurezza* w) {
                                       // The copy starts by itself once the window is shown.
                                       QTRY_VERIFY(QFileInfo::exists(copy()));
                                       QTRY_VERIFY(w->cmdChiudi->isEnabled());
                                       const auto shown = messages();
                                       ASSERT_EQ(shown.size(), 2u);
                                       EXPECT_EQ(shown[0].kind, MessageKind::Question);
                                       EXPECT_EQ(shown[1].kind, MessageKind::Information);
                                       click(w->cmdChiudi);
                                   });
    EXPECT_TRUE(app->hasQuit());
    EXPECT_TRUE(backup::checkBackup(copy()).ok());
    EXPECT_FALSE(backup::reminderDue(folder.path(), platform().clock));
}
