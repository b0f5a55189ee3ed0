#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/access/password.h"
#include "support/app_fixture.h"
#include "support/files.h"
#include "support/keys.h"
#include "windows/access/tfrmcambiapassword.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/tfrmavvio.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                   "E' necessario reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kReadFailure =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                   "della password. Si consiglia di reinstallare il software.");
const QString kChangeFailure =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");

class AccessTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        login = app->window<TfrmPassword>();
        change = app->window<TfrmCambiaPassword>();
        menu = app->window<TfrmAvvio>();
    }
    void installInitialStore() {
        ASSERT_EQ(writeStoredPassword(folder.path(), QStringLiteral("parolainiziale")), PasswordError::None);
    }
    void writeStoreText(const QByteArray& text) {
        QFile f(passwordStorePath(folder.path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray storeBytes() const { return fileBytes(passwordStorePath(folder.path())); }
    void startAndType(const QString& password) {
        app->start();
        activate(login);
        typeText(login->txtPassword, password);
    }
    void openChangeWindow() {
        app->start();
        activate(login);
        click(login->btnCambiaPassword);
        activate(change);
    }
    void fillChange(const QString& old, const QString& fresh, const QString& again) {
        typeText(change->txtPasswordOld, old);
        typeText(change->txtPasswordNew, fresh);
        typeText(change->txtConferma, again);
    }

    TfrmPassword* login = nullptr;
    TfrmCambiaPassword* change = nullptr;
    TfrmAvvio* menu = nullptr;
};

} // namespace

TEST_F(AccessTest, InitialPasswordIsAcceptedWhateverTheCaseAndBlanks) {
    installInitialStore();
    for (const QString& typed : {QStringLiteral("parolainiziale"), QStringLiteral("PAROLAINIZIALE"),
                                 QStringLiteral("  parolainiziale  "), QStringLiteral("ParolaIniziale")}) {
        SCOPED_TRACE(typed.toStdString());
        menu->hide();
        login->txtPassword->clear();
        startAndType(typed);
        EXPECT_TRUE(login->cmdOK->isEnabled());
        click(login->cmdOK);
        EXPECT_TRUE(fake->takeMessages().empty());
        EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
    }
}

TEST_F(AccessTest, EnterInTheFilledPasswordBoxLogsIn) {
    installInitialStore();
    startAndType(QStringLiteral("parolainiziale"));
    key(login->txtPassword, Qt::Key_Return);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(AccessTest, WrongPasswordIsRefusedAndTheBoxEmptied) {
    installInitialStore();
    startAndType(QStringLiteral("parolasbagliata"));
    key(login->txtPassword, Qt::Key_Enter);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kWrong}}));
    EXPECT_EQ(login->txtPassword->text(), "");
    EXPECT_TRUE(login->txtPassword->hasFocus());
    EXPECT_FALSE(login->cmdOK->isEnabled());
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
}

TEST_F(AccessTest, OkFollowsTheTrimmedPassword) {
    installInitialStore();
    app->start();
    activate(login);
    EXPECT_FALSE(login->cmdOK->isEnabled());
    EXPECT_TRUE(login->txtPassword->hasFocus());
    typeText(login->txtPassword, "   ");
    EXPECT_FALSE(login->cmdOK->isEnabled());
    key(login->txtPassword, Qt::Key_Return); // blanks only: Enter does nothing
    EXPECT_TRUE(fake->messages.empty());
    typeText(login->txtPassword, "x");
    EXPECT_TRUE(login->cmdOK->isEnabled());
    key(login->txtPassword, Qt::Key_Backspace);
    EXPECT_FALSE(login->cmdOK->isEnabled());
}

TEST_F(AccessTest, MissingOrBrokenStore) {
    // No store: the empty password, which nothing matches.
    startAndType(QStringLiteral("parolainiziale"));
    click(login->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kWrong}}));

    // A value that is not hexadecimal: the read failure, and the window stays as it was.
    writeStoreText("[Accesso]\r\nValore=0G12\r\n");
    typeText(login->txtPassword, "parolainiziale");
    click(login->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kReadFailure}}));
    EXPECT_EQ(login->txtPassword->text(), "parolainiziale");
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
}

TEST_F(AccessTest, StoredValueWithLowerCaseAndAnOddDigitStillLogsIn) {
    const QString hex = scramblePassword(QStringLiteral("PAROLAINIZIALE")).toLower() + QStringLiteral("f");
    writeStoreText("[Accesso]\nValore=" + hex.toLatin1() + "\n");
    startAndType(QStringLiteral("parolainiziale"));
    click(login->cmdOK);
    EXPECT_TRUE(fake->takeMessages().empty());
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(AccessTest, ChangeWindowOpensEmptyWithTheFocusOnTheOldPassword) {
    installInitialStore();
    openChangeWindow();
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmCambiaPassword"});
    EXPECT_TRUE(change->txtPasswordOld->hasFocus());
    EXPECT_FALSE(change->cmdOK->isEnabled());
    // Enter runs old -> new -> confirmation -> old and never presses OK.
    fillChange("a", "b", "c");
    EXPECT_TRUE(change->cmdOK->isEnabled());
    change->txtPasswordOld->setFocus();
    key(change->txtPasswordOld, Qt::Key_Return);
    EXPECT_TRUE(change->txtPasswordNew->hasFocus());
    key(change->txtPasswordNew, Qt::Key_Return);
    EXPECT_TRUE(change->txtConferma->hasFocus());
    key(change->txtConferma, Qt::Key_Return);
    EXPECT_TRUE(change->txtPasswordOld->hasFocus());
    EXPECT_TRUE(fake->messages.empty());
    // a box of blanks keeps OK disabled
    change->txtConferma->clear();
    typeText(change->txtConferma, "  ");
    EXPECT_FALSE(change->cmdOK->isEnabled());
}

TEST_F(AccessTest, WrongOldPasswordIsRefused) {
    installInitialStore();
    const QByteArray before = storeBytes();
    openChangeWindow();
    fillChange("sbagliata", "nuova", "nuova");
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kWrongOld}}));
    EXPECT_EQ(change->txtPasswordOld->text(), "");
    EXPECT_EQ(change->txtPasswordNew->text(), "nuova");
    EXPECT_TRUE(change->txtPasswordOld->hasFocus());
    EXPECT_EQ(storeBytes(), before);
}

TEST_F(AccessTest, ConfirmationDifferingOnlyInCaseIsRefused) {
    installInitialStore();
    const QByteArray before = storeBytes();
    openChangeWindow();
    fillChange("parolainiziale", "segreta", "SEGRETA");
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kNotConfirmed}}));
    EXPECT_EQ(change->txtPasswordOld->text(), "parolainiziale");
    EXPECT_EQ(change->txtPasswordNew->text(), "");
    EXPECT_EQ(change->txtConferma->text(), "");
    EXPECT_TRUE(change->txtPasswordNew->hasFocus());
    EXPECT_EQ(storeBytes(), before);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmCambiaPassword"});
}

TEST_F(AccessTest, SuccessfulChangeThenLoginWithTheOtherCase) {
    installInitialStore();
    openChangeWindow();
    fillChange(" PAROLAINIZIALE ", "nuovaparola", " nuovaparola");
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kChanged}}));
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
    activate(login);
    EXPECT_EQ(login->txtPassword->text(), "");
    EXPECT_TRUE(login->txtPassword->hasFocus());
    EXPECT_EQ(storeBytes(), "[Accesso]\r\nValore=" + scramblePassword("NUOVAPAROLA").toLatin1() + "\r\n");

    typeText(login->txtPassword, "parolainiziale");
    click(login->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kWrong}}));
    typeText(login->txtPassword, "NUOVAPAROLA");
    click(login->cmdOK);
    EXPECT_TRUE(fake->takeMessages().empty());
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(AccessTest, AccentedLettersStayAsTyped) {
    installInitialStore();
    openChangeWindow();
    fillChange("parolainiziale", QStringLiteral("città"), QStringLiteral("città"));
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kChanged}}));
    activate(login);
    typeText(login->txtPassword, QStringLiteral("CITTÀ")); // À is not à
    click(login->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kWrong}}));
    typeText(login->txtPassword, QStringLiteral("CITTà"));
    click(login->cmdOK);
    EXPECT_TRUE(fake->takeMessages().empty());
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(AccessTest, PasswordsTheStoreCannotKeepAreRefused) {
    installInitialStore();
    const QByteArray before = storeBytes();
    openChangeWindow();
    const QString greek = QStringLiteral("αβγ");
    fillChange("parolainiziale", greek, greek);
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(),
              (std::vector<ShownMessage>{{MessageKind::Plain, kPasswordCharactersMessage}}));
    EXPECT_EQ(storeBytes(), before);

    const QString longer(256, u'x');
    change->txtPasswordNew->setText(longer);
    change->txtConferma->setText(longer);
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(),
              (std::vector<ShownMessage>{{MessageKind::Plain, kPasswordLengthMessage}}));
    EXPECT_EQ(storeBytes(), before);
}

TEST_F(AccessTest, UnreadableStoreStopsTheChange) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kPasswordStoreName)); // a folder where the file should be
    openChangeWindow();
    fillChange("parolainiziale", "nuova", "nuova");
    click(change->cmdOK);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kChangeFailure}}));
    EXPECT_EQ(change->txtPasswordOld->text(), "parolainiziale");
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmCambiaPassword"});
}

TEST_F(AccessTest, ClosingTheChangeWindowGoesBackToAnEmptyLogin) {
    installInitialStore();
    app->start();
    activate(login);
    typeText(login->txtPassword, "qualcosa");
    login->lblMemory->setText("x");
    click(login->btnCambiaPassword);
    activate(change);
    typeText(change->txtPasswordOld, "abc");
    click(change->cmdEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
    activate(login);
    EXPECT_EQ(login->txtPassword->text(), "");
    EXPECT_EQ(login->lblMemory->text(), "");
    EXPECT_TRUE(login->txtPassword->hasFocus());
    // and the change window starts empty the next time
    click(login->btnCambiaPassword);
    EXPECT_EQ(change->txtPasswordOld->text(), "");
}

TEST_F(AccessTest, LoginEsciEndsTheProgram) {
    app->start();
    activate(login);
    click(login->cmdEsci);
    EXPECT_TRUE(app->hasQuit());
    EXPECT_TRUE(visibleWindows().isEmpty());
}
