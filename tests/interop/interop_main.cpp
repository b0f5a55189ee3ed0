// One program folder, two builds: the Linux and the Windows program must write the same bytes
// and read each other's folders unchanged. This program drives the real windows (login,
// password change, registry, attachments, work register) with the fake platform and a fixed
// clock, so that every build writes exactly the same folder.
//
//   orvelia_interop scrivi <folder>     writes a folder through the windows
//   orvelia_interop controlla <folder>  opens a folder written by either build and checks it
//   orvelia_interop                     both, in a temporary folder (the ctest case)
//
// scripts/test-windows.sh writes a folder with each build, compares them byte for byte and lets
// each build check the other's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/access/password.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/attachments/attachments.h"
#include "framework/commandbar.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/fake_platform.h"
#include "support/gui_app.h"
#include "support/keys.h"
#include "windows/access/tfrmcambiapassword.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/application.h"
#include "windows/app/tfrmavvio.h"
#include "windows/registry/tfrmallegacartella.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/work/tfrmlavori.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

enum class Mode { Both, Write, Check };
Mode g_mode = Mode::Both;
QString g_folder;

const QString kNewPassword = QStringLiteral("Città più sicura");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kDocumentName = QStringLiteral("contratto città n°7.pdf");
const QByteArray kDocumentBytes =
    QByteArrayLiteral("%PDF-1.4\r\n\x80\x81\xFE\xFF documento di prova\r\n%%EOF");

struct FieldValue {
    const char* control; ///< objectName of the box
    QString typed;       ///< what the user types
    QString shown;       ///< what the window shows once the record is saved and loaded again
};

// A worker with the characters that matter: accents, the euro sign, the long dash, the degree sign.
std::vector<FieldValue> firstWorker() {
    return {
        {"txtCognome", QStringLiteral("Dell'Orto"), QStringLiteral("Dell'Orto")},
        {"txtNome", QStringLiteral("Niccolò"), QStringLiteral("Niccolò")},
        {"txtCodFisc", QStringLiteral("dllncc80a01d704x"), QStringLiteral("DLLNCC80A01D704X")},
        {"txtDataNasc", QStringLiteral("01/01/1980"), QStringLiteral("01/01/1980")},
        {"txtComuneNasc", QStringLiteral("Forlì"), QStringLiteral("Forlì")},
        {"txtIndirizzo", QStringLiteral("Via Università 3, int. 2°"),
         QStringLiteral("Via Università 3, int. 2°")},
        {"txtCap", QStringLiteral("47121"), QStringLiteral("47121")},
        {"txtComuneRes", QStringLiteral("Forlì"), QStringLiteral("Forlì")},
        {"txtEmail", QStringLiteral("niccolo@example.it"), QStringLiteral("niccolo@example.it")},
        {"txtIban", QStringLiteral("it60x0542811101000000123456"),
         QStringLiteral("IT60X0542811101000000123456")},
        {"txtNote", QStringLiteral("Rimborso 12,50 € a settimana — più spese"),
         QStringLiteral("Rimborso 12,50 € a settimana — più spese")},
        {"txtTotale", QStringLiteral("1200"), QStringLiteral("1200,00")},
        {"txtRata", QStringLiteral("100,5"), QStringLiteral("100,50")},
    };
}

std::vector<FieldValue> secondWorker() {
    return {
        {"txtCognome", QStringLiteral("Bianchi"), QStringLiteral("Bianchi")},
        {"txtNome", QStringLiteral("Lucia"), QStringLiteral("Lucia")},
        {"txtNote", QStringLiteral("Disponibile il sabato"), QStringLiteral("Disponibile il sabato")},
    };
}

// The correction saved over the first worker once both are stored.
const FieldValue kCorrection = {"txtNote", QStringLiteral("Rimborso 15,00 € a settimana — più spese"),
                                QStringLiteral("Rimborso 15,00 € a settimana — più spese")};

std::vector<FieldValue> work() {
    return {
        {"txtCognome", QStringLiteral("Dell'Orto"), QStringLiteral("Dell'Orto")},
        {"txtNome", QStringLiteral("Niccolò"), QStringLiteral("Niccolò")},
        {"txtCodFisc", QStringLiteral("dllncc80a01d704x"), QStringLiteral("DLLNCC80A01D704X")},
        {"txtLuogo", QStringLiteral("Cesenatico, lungomare"), QStringLiteral("Cesenatico, lungomare")},
        {"txtAttivita", QStringLiteral("Potatura — siepi e aiuole"),
         QStringLiteral("Potatura — siepi e aiuole")},
        {"txtCompensoOra", QStringLiteral("12,5"), QStringLiteral("12,50")},
        {"txtMateriali", QStringLiteral("Cesoie, guanti (€ 4)"), QStringLiteral("Cesoie, guanti (€ 4)")},
    };
}

class Interop : public AppFixture {
protected:
    /// The whole program on @p folder instead of the fixture's temporary one.
    void start(const QString& folder) {
        app.reset();
        setProgramFolder(folder);
        app = std::make_unique<OrveliaApp>();
    }

    /// Types @p text into @p box in place of what it holds.
    static void type(QLineEdit* box, const QString& text) {
        box->clear();
        typeInto(box, text);
    }
    template <typename Window> static QLineEdit* box(Window* w, const char* name) {
        auto* found = w->template findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <typename Window> static void fill(Window* w, const std::vector<FieldValue>& values) {
        for (const FieldValue& v : values)
            if (QLineEdit* b = box(w, v.control))
                type(b, v.typed);
    }
    template <typename Window> static void expectShown(Window* w, const std::vector<FieldValue>& values) {
        for (const FieldValue& v : values) {
            if (QLineEdit* b = box(w, v.control)) {
                EXPECT_EQ(b->text(), v.shown) << v.control;
            }
        }
    }

    void logIn(const QString& password) {
        auto* login = app->window<TfrmPassword>();
        activate(login);
        typeText(login->txtPassword, password);
        click(login->cmdOK);
    }

    void writeFolder(const QString& folder);
    void checkFolder(const QString& folder);
};

void Interop::writeFolder(const QString& folder) {
    ASSERT_TRUE(QDir().mkpath(folder));
    // The installation's store with the first-access password, as the setup step writes it.
    ASSERT_EQ(writeStoredPassword(folder, QStringLiteral("parolainiziale")), PasswordError::None);
    start(folder);
    app->start();

    // The password is changed in its window, then used to log in.
    auto* login = app->window<TfrmPassword>();
    activate(login);
    click(login->btnCambiaPassword);
    auto* change = app->window<TfrmCambiaPassword>();
    activate(change);
    typeText(change->txtPasswordOld, QStringLiteral("parolainiziale"));
    typeText(change->txtPasswordNew, kNewPassword);
    typeText(change->txtConferma, kNewPassword);
    click(change->cmdOK);
    ASSERT_EQ(messages(), one(MessageKind::Plain, kChanged));
    logIn(kNewPassword);
    ASSERT_TRUE(messages().empty());
    ASSERT_TRUE(app->window<TfrmAvvio>()->isVisible());

    // Two workers appended, the first with an attached document, then the first corrected.
    openRegistry();
    auto* registry = app->window<TfrmIstruttori>();
    fill(registry, firstWorker());
    registry->txtProvNasc->setEditText(QStringLiteral("FC"));
    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordAddedMessage));
    ASSERT_EQ(registry->lblPosizione->text(), "1");

    QTemporaryDir elsewhere;
    const QString source = QDir(elsewhere.path()).filePath(kDocumentName);
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(kDocumentBytes), kDocumentBytes.size());
    }
    fake->chosenFiles.push_back(source);
    fake->modalHandlers.push_back([](QDialog* d) {
        auto* w = qobject_cast<TfrmAllegaCartella*>(d);
        ASSERT_NE(w, nullptr);
        click(w->btnSfoglia01);
        type(w->txtDesc01, QStringLiteral("Contratto firmato — giugno"));
        click(w->btnApplica);
    });
    click(registry->cmdFile);
    ASSERT_TRUE(fake->modalHandlers.empty());
    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordUpdatedMessage));

    click(registry->cmdNuovo);
    fill(registry, secondWorker());
    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordAddedMessage));
    ASSERT_EQ(registry->lblPosizione->text(), "2");

    click(registry->cmdPrimo);
    fill(registry, {kCorrection});
    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordUpdatedMessage));
    click(registry->cmdEsci);

    // One work of 2025, its pay computed by the window on Save, then marked incomplete.
    openWorkYear(QStringLiteral("2025"));
    auto* lavori = app->window<TfrmLavori>();
    fill(lavori, work());
    lavori->txtData->setText(QStringLiteral("14/06/2025"));
    lavori->txtDaOre->setCurrentText(QStringLiteral("08"));
    lavori->txtDaMin->setCurrentText(QStringLiteral("30"));
    lavori->txtAOre->setCurrentText(QStringLiteral("12"));
    lavori->txtAMin->setCurrentText(QStringLiteral("45"));
    click(lavori->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordAddedMessage));
    lavori->chkIncompleto->setChecked(true);
    click(lavori->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordUpdatedMessage));
    click(lavori->cmdEsci);
}

void Interop::checkFolder(const QString& folder) {
    ASSERT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    start(folder);
    app->start();

    // The changed password opens the program; the first-access one no longer does.
    logIn(QStringLiteral("parolainiziale"));
    ASSERT_EQ(messages(), one(MessageKind::Plain, kWrongPassword));
    logIn(kNewPassword);
    ASSERT_TRUE(messages().empty());
    ASSERT_TRUE(app->window<TfrmAvvio>()->isVisible());

    openRegistry();
    auto* registry = app->window<TfrmIstruttori>();
    EXPECT_EQ(*archive::count(employeeArchivePath(folder), TSchedaLavoratore::layout), 2);
    click(registry->cmdPrimo);
    std::vector<FieldValue> first = firstWorker();
    first.push_back(kCorrection);
    first.erase(std::find_if(first.begin(), first.end(),
                             [](const FieldValue& v) { return QLatin1String(v.control) == "txtNote"; }));
    expectShown(registry, first);
    EXPECT_EQ(registry->txtProvNasc->currentText(), "FC");
    EXPECT_EQ(registry->lblFile01->text(), kDocumentName);
    EXPECT_EQ(registry->lblDesc01->text(), QStringLiteral("Contratto firmato — giugno"));
    click(registry->cmdUltimo);
    expectShown(registry, secondWorker());
    EXPECT_EQ(registry->lblPosizione->text(), "2");
    EXPECT_TRUE(messages().empty());

    QFile document(attachmentPath(folder, kDocumentName));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly)) << document.fileName().toStdString();
    EXPECT_EQ(document.readAll(), kDocumentBytes);
    click(registry->cmdEsci);

    openWorkYear(QStringLiteral("2025"));
    auto* lavori = app->window<TfrmLavori>();
    click(lavori->cmdUltimo);
    EXPECT_EQ(lavori->lblPosizione->text(), "1");
    expectShown(lavori, work());
    EXPECT_EQ(lavori->txtData->text(), "14/06/2025");
    EXPECT_EQ(lavori->lblOraInizio->text(), "08:30");
    EXPECT_EQ(lavori->lblOraFine->text(), "12:45");
    EXPECT_EQ(lavori->txtTotOre->text(), "4,25");
    EXPECT_EQ(lavori->txtTotDovuto->text(), "53,13");
    EXPECT_TRUE(lavori->chkIncompleto->isChecked());
    EXPECT_TRUE(messages().empty());
}

TEST_F(Interop, WritesTheFolderThroughTheWindows) {
    if (g_mode != Mode::Write)
        GTEST_SKIP() << "only with: scrivi <cartella>";
    writeFolder(g_folder);
}

TEST_F(Interop, OpensAFolderWrittenByEitherBuild) {
    if (g_mode != Mode::Check)
        GTEST_SKIP() << "only with: controlla <cartella>";
    checkFolder(g_folder);
}

TEST_F(Interop, WritesAFolderAndOpensItAgain) {
    if (g_mode != Mode::Both)
        GTEST_SKIP() << "only without a folder";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("Orvelia"));
    writeFolder(folder);
    app.reset();
    checkFolder(folder);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = makeTestApplication(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The Qt and test options are gone from argv; what is left is the mode and the folder.
    if (argc == 3 && (qstrcmp(argv[1], "scrivi") == 0 || qstrcmp(argv[1], "controlla") == 0)) {
        g_mode = qstrcmp(argv[1], "scrivi") == 0 ? Mode::Write : Mode::Check;
        g_folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    } else if (argc != 1) {
        std::fprintf(stderr, "uso: orvelia_interop [scrivi|controlla <cartella>]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
