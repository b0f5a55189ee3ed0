#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/fake_platform.h"
#include "support/keys.h"
#include "support/printers.h"
#include "support/windows.h"
#include "windows/checks/tfrmcarta.h"
#include "windows/checks/tfrmcodfisc.h"
#include "windows/checks/tfrmiban.h"
#include "windows/checks/tfrmpartitaiva.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const ShownMessage kCfShape{
    MessageKind::Warning,
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.")};
const ShownMessage kCfValid{MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO.")};
const ShownMessage kCfWrong{MessageKind::Warning,
                            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
const ShownMessage kIvaLength{
    MessageKind::Warning,
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.")};
const ShownMessage kIvaWrong{
    MessageKind::Warning,
    QStringLiteral(
        "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
        "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.")};
ShownMessage ivaValid(const QString& office) {
    return {MessageKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                           "dall'Ufficio IVA del Comune di ") +
                office + QStringLiteral(".")};
}
const ShownMessage kCardEmpty{MessageKind::Warning,
                              QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                                             "premere il pulsante di controllo.")};
const ShownMessage kCardWrong{
    MessageKind::Warning,
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
                   "informazioni relative al tipo di carta di credito.")};
ShownMessage cardValid(const QString& number, const QString& network) {
    return {MessageKind::Information,
            QStringLiteral("Il numero di carta di credito ") + number +
                QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + network +
                QStringLiteral(".")};
}
const ShownMessage kIbanLength{MessageKind::Warning,
                               QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                                              "alfanumerici.")};
const ShownMessage kIbanValid{MessageKind::Information, QStringLiteral("L'IBAN digitato è VALIDO.")};
const ShownMessage kIbanWrong{MessageKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!")};

/// One of the four windows, created and shown as its caller does.
struct Opened {
    std::unique_ptr<CheckWindow> window;
    QLineEdit* field;
};

struct Kind {
    const char* className;
    const char* caption;
    const char* fieldName;
    int maxLength;
    std::function<Opened()> create;
};

template <typename W> Opened create(QLineEdit* W::*field) {
    auto w = std::make_unique<W>(nullptr);
    QLineEdit* edit = (*w).*field;
    return {std::move(w), edit};
}

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all = {
        {"TfrmCodFisc", " Controllo codice fiscale", "txtCodFisc", 16,
         [] { return create<TfrmCodFisc>(&TfrmCodFisc::txtCodFisc); }},
        {"TfrmPartitaIva", " Controllo partita IVA", "txtPartitaIva", 11,
         [] { return create<TfrmPartitaIva>(&TfrmPartitaIva::txtPartitaIva); }},
        {"TfrmCarta", " Controllo carta di credito", "txtNumero", 30,
         [] { return create<TfrmCarta>(&TfrmCarta::txtNumero); }},
        {"TfrmIban", " Controllo IBAN", "txtIban", 27, [] { return create<TfrmIban>(&TfrmIban::txtIban); }},
    };
    return all;
}

class ChecksTest : public ::testing::Test {
protected:
    template <typename W> std::unique_ptr<W> open(const QString& callerText = QString()) {
        auto w = std::make_unique<W>(nullptr);
        // The caller fills the field before showing the window.
        w->template findChild<QLineEdit*>()->setText(callerText);
        show(w.get());
        return w;
    }
    static void show(QDialog* w) {
        w->show();
        activate(w);
    }
    /// Clicks Controlla and expects @p message, the window closed or still open with the focus on @p field.
    void control(CheckWindow* w, QLineEdit* field, const ShownMessage& message, bool closes) {
        SCOPED_TRACE(field->text().toStdString());
        click(w->btnControlla);
        EXPECT_EQ(fake->takeMessages(), std::vector<ShownMessage>{message});
        EXPECT_EQ(w->isVisible(), !closes);
        if (closes)
            EXPECT_EQ(w->result(), QDialog::Accepted);
        else
            EXPECT_EQ(w->focusWidget(), field);
    }

    ScopedFakePlatform fake;
};

} // namespace

TEST_F(ChecksTest, WindowsHaveTheirCaptionsFieldsAndButtons) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.className);
        auto [w, field] = kind.create();
        show(w.get());
        EXPECT_EQ(w->objectName(), kind.className);
        EXPECT_EQ(w->windowTitle(), kind.caption);
        EXPECT_EQ(field->objectName(), kind.fieldName);
        EXPECT_EQ(w->findChild<QLineEdit*>(kind.fieldName), field);
        EXPECT_EQ(typedLength(field, kind.maxLength + 2), kind.maxLength);
        field->clear();
        EXPECT_EQ(field->font().family(), "Courier New");
        EXPECT_TRUE(field->font().bold());
        EXPECT_EQ(field->font().pointSize(), 20);
        EXPECT_EQ(w->btnControlla->objectName(), "btnControlla");
        EXPECT_EQ(w->btnControlla->text(), "Controlla");
        EXPECT_EQ(w->btnChiudi->objectName(), "btnChiudi");
        EXPECT_EQ(w->btnChiudi->text(), "Chiudi");
        // Fixed size, no title-bar buttons.
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
        EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
        // Every character the field takes is visible.
        const QFontMetrics metrics(field->font());
        EXPECT_GE(field->width(), metrics.horizontalAdvance(QString(kind.maxLength, u'W')));
    }
}

TEST_F(ChecksTest, FocusStartsInTheFieldAndEnterMovesItToControllaWithoutChecking) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.className);
        auto [w, field] = kind.create();
        show(w.get());
        EXPECT_EQ(w->focusWidget(), field);
        auto* frame = w->findChild<QWidget*>(QString::fromLatin1(kind.fieldName).replace("txt", "eff"));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(w->focusWidget(), w->btnControlla);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_TRUE(fake->messages.empty());
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(ChecksTest, ChiudiClosesWithoutAMessage) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.className);
        auto [w, field] = kind.create();
        show(w.get());
        typeText(field, QStringLiteral("12"));
        click(w->btnChiudi);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);
        EXPECT_TRUE(fake->messages.empty());
    }
}

TEST_F(ChecksTest, CodiceFiscaleIsUpperCasedWhileTypedAndChecked) {
    auto w = open<TfrmCodFisc>();
    typeText(w->txtCodFisc, QStringLiteral("rssmra85t10a562"));
    EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA85T10A562");
    control(w.get(), w->txtCodFisc, kCfShape, false); // 15 characters

    typeText(w->txtCodFisc, QStringLiteral("s"));
    typeText(w->txtCodFisc, QStringLiteral("x")); // the 17th character does not enter
    EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA85T10A562S");
    // Enter moves to Controlla; Enter again presses it.
    QTest::keyClick(w->txtCodFisc, Qt::Key_Return);
    EXPECT_TRUE(fake->messages.empty());
    QTest::keyClick(w->btnControlla, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(fake->takeMessages(), std::vector<ShownMessage>{kCfValid});
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ChecksTest, CodiceFiscaleResultsCloseAndRefusalsKeepTheWindowOpen) {
    struct Row {
        QString callerText;
        ShownMessage message;
        bool closes;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("RSSMRA85T10A562T"), kCfWrong, true}, // 16th character changed
        {QStringLiteral("rssmra85t10a562s"), kCfValid, true}, // copied in small letters
        {QStringLiteral("0000000000000000"), kCfWrong, true},
        {QString(), kCfShape, false},                          // nothing typed in the caller
        {QStringLiteral("RSSMRA85 10A562S"), kCfShape, false}, // a space inside
    };
    for (const Row& row : rows) {
        auto w = open<TfrmCodFisc>(row.callerText);
        control(w.get(), w->txtCodFisc, row.message, row.closes);
    }
}

TEST_F(ChecksTest, CodiceFiscaleCopiedTextIsUpperCasedAtTheNextKeyRelease) {
    auto w = open<TfrmCodFisc>(QStringLiteral("rssmra85t10a562s"));
    EXPECT_EQ(w->txtCodFisc->text(), "rssmra85t10a562s"); // shown as the caller put it
    QTest::keyClick(w->txtCodFisc, Qt::Key_Home);
    EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA85T10A562S");
    EXPECT_EQ(w->txtCodFisc->cursorPosition(), 0);
}

TEST_F(ChecksTest, CodiceFiscaleKeepsAccentedLettersAndRefusesThem) {
    auto w = open<TfrmCodFisc>();
    typeText(w->txtCodFisc, QStringLiteral("rssmra85t10a562è"));
    EXPECT_EQ(w->txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562è"));
    control(w.get(), w->txtCodFisc, kCfShape, false);
}

TEST_F(ChecksTest, PartitaIvaTakesOnlyDigitsFromTheKeyboard) {
    auto w = open<TfrmPartitaIva>();
    typeText(w->txtPartitaIva, QStringLiteral("12a3-4 5.6x7037"));
    EXPECT_EQ(w->txtPartitaIva->text(), "1234567037");
    control(w.get(), w->txtPartitaIva, kIvaLength, false); // ten digits

    typeText(w->txtPartitaIva, QStringLiteral("2"));
    QTest::keyClick(w->txtPartitaIva, Qt::Key_Backspace);
    QTest::keyClick(w->txtPartitaIva, Qt::Key_Left);
    QTest::keyClick(w->txtPartitaIva, Qt::Key_Right);
    typeText(w->txtPartitaIva, QStringLiteral("1"));
    EXPECT_EQ(w->txtPartitaIva->text(), "12345670371");
    control(w.get(), w->txtPartitaIva, ivaValid(QStringLiteral("Bologna 1")), true);
}

TEST_F(ChecksTest, PartitaIvaNamesTheOfficeOrReportsTheNumberWrong) {
    struct Row {
        QString callerText;
        ShownMessage message;
        bool closes;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("12345671205"), ivaValid(QStringLiteral("Bologna 2")), true},
        {QStringLiteral("12345671031"), ivaValid(QString()), true}, // 103 is no office
        {QStringLiteral("12345670372"), kIvaWrong, true},
        {QStringLiteral("1234567037A"), kIvaWrong, true},        // a caller's text is not filtered
        {QStringLiteral("1234567037"), kIvaLength, false},       // ten digits
        {QStringLiteral("0123456789712345"), kIvaLength, false}, // sixteen digits: judged whole
    };
    for (const Row& row : rows) {
        auto w = open<TfrmPartitaIva>(row.callerText);
        control(w.get(), w->txtPartitaIva, row.message, row.closes);
    }
}

TEST_F(ChecksTest, CardNumberTypedAsDigitsNamesTheNetwork) {
    auto w = open<TfrmCarta>();
    control(w.get(), w->txtNumero, kCardEmpty, false);
    typeText(w->txtNumero, QStringLiteral("3782 8224-6310005a"));
    EXPECT_EQ(w->txtNumero->text(), "378282246310005");
    control(w.get(), w->txtNumero,
            cardValid(QStringLiteral("378282246310005"), QStringLiteral("American Express")), true);
}

TEST_F(ChecksTest, CardNumberCopiedByTheCaller) {
    struct Row {
        QString callerText;
        ShownMessage message;
        bool closes;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("4111 1111 1111 1111"),
         cardValid(QStringLiteral("4111 1111 1111 1111"), QStringLiteral("Visa")), true},
        {QStringLiteral("4111 1111 1111 1112"), kCardWrong, true},
        {QStringLiteral("5555555555554444"),
         cardValid(QStringLiteral("5555555555554444"), QStringLiteral("MasterCard")), true},
        {QStringLiteral("2000000000000006"), kCardWrong, true},
        {QStringLiteral("32000000000002"),
         {MessageKind::Information,
          QStringLiteral("Il numero di carta di credito 32000000000002 risulta valido.\r\n\r\n"
                         "Il circuito di appartenenza della carta non è stato riconosciuto.")},
         true},
        {QStringLiteral("   "), kCardEmpty, false},
        // Longer than the 30 characters the box takes from the keyboard: judged and quoted whole.
        {QStringLiteral("4111-1111-1111-1111 (carta aziendale)"),
         cardValid(QStringLiteral("4111-1111-1111-1111 (carta aziendale)"), QStringLiteral("Visa")), true},
    };
    for (const Row& row : rows) {
        auto w = open<TfrmCarta>(row.callerText);
        control(w.get(), w->txtNumero, row.message, row.closes);
    }
}

TEST_F(ChecksTest, IbanIsUpperCasedWhileTypedAndChecked) {
    auto w = open<TfrmIban>();
    typeText(w->txtIban, QStringLiteral("it60x054281110100000012345"));
    EXPECT_EQ(w->txtIban->text(), "IT60X054281110100000012345");
    control(w.get(), w->txtIban, kIbanLength, false); // 26 characters
    typeText(w->txtIban, QStringLiteral("67"));       // the 28th does not enter
    EXPECT_EQ(w->txtIban->text(), "IT60X0542811101000000123456");
    control(w.get(), w->txtIban, kIbanValid, true);
}

TEST_F(ChecksTest, IbanCopiedByTheCaller) {
    struct Row {
        QString callerText;
        ShownMessage message;
        bool closes;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("IT60X0542811101000000123457"), kIbanWrong, true},
        {QStringLiteral("it60x0542811101000000123456"), kIbanValid, true},
        {QStringLiteral("IT60X0542811101000000123/56"), kIbanWrong, true},
        {QStringLiteral("DE89370400440532013000"), kIbanLength, false},
    };
    for (const Row& row : rows) {
        auto w = open<TfrmIban>(row.callerText);
        control(w.get(), w->txtIban, row.message, row.closes);
    }
}

TEST_F(ChecksTest, CallerOpensTheWindowFilledAndModal) {
    QWidget caller;
    fake->modalHandlers.push_back([](QDialog* d) {
        auto* w = qobject_cast<TfrmPartitaIva*>(d);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->focusWidget(), w->txtPartitaIva);
        QTest::mouseClick(w->btnControlla, Qt::LeftButton);
    });
    const int result = openToolWindow<TfrmPartitaIva>(
        &caller, {}, [](TfrmPartitaIva& w) { w.txtPartitaIva->setText(QStringLiteral("01234560967")); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(fake->takeMessages(), std::vector<ShownMessage>{ivaValid(QStringLiteral("Monza (Milano 2)"))});
}
