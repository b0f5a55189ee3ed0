#include <gtest/gtest.h>

#include "support/printers.h"

#include <set>
#include <vector>

#include "core/checks/codicefiscale.h"
#include "core/checks/creditcard.h"
#include "core/checks/iban.h"
#include "core/checks/partitaiva.h"

using namespace orvelia;

namespace orvelia {
inline void PrintTo(const CheckResult& r, std::ostream* os) {
    *os << (r.kind == CheckMessage::Warning ? "Warning" : "Information") << " \"" << r.text.toStdString()
        << "\"" << (r.closesWindow ? " closes" : " stays open");
}
} // namespace orvelia

namespace {

struct Case {
    QString text;
    CheckResult expected;
};

void expectAll(const std::vector<Case>& cases, CheckResult (*check)(const QString&)) {
    for (const Case& c : cases)
        EXPECT_EQ(check(c.text), c.expected) << "input: \"" << c.text.toStdString() << '"';
}

const CheckResult kCfShape{
    CheckMessage::Warning,
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
    false};
const CheckResult kCfValid{CheckMessage::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."),
                           true};
const CheckResult kCfWrong{CheckMessage::Warning,
                           QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."), true};

const CheckResult kIvaLength{
    CheckMessage::Warning,
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."), false};
const CheckResult kIvaWrong{
    CheckMessage::Warning,
    QStringLiteral(
        "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
        "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."),
    true};
CheckResult ivaValid(const QString& office) {
    return {CheckMessage::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                           "dall'Ufficio IVA del Comune di ") +
                office + QStringLiteral("."),
            true};
}

const CheckResult kCardEmpty{CheckMessage::Warning,
                             QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                                            "premere il pulsante di controllo."),
                             false};
const CheckResult kCardWrong{
    CheckMessage::Warning,
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
                   "informazioni relative al tipo di carta di credito."),
    true};
CheckResult cardValid(const QString& number, const QString& network) {
    return {CheckMessage::Information,
            QStringLiteral("Il numero di carta di credito ") + number +
                QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + network +
                QStringLiteral("."),
            true};
}

const CheckResult kIbanWrongLength{CheckMessage::Warning,
                                   QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                                                  "alfanumerici."),
                                   false};
const CheckResult kIbanValid{CheckMessage::Information, QStringLiteral("L'IBAN digitato è VALIDO."), true};
const CheckResult kIbanWrong{CheckMessage::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"),
                             true};

const QString kItalianIban = QStringLiteral("IT60X0542811101000000123456");

} // namespace

TEST(CodiceFiscale, CheckCharacterFollowsTheOddAndEvenTables) {
    struct Row {
        const char* first15;
        char check;
    };
    const std::vector<Row> rows = {
        {"RSSMRA85T10A562", 'S'}, {"BNCLRA90A41H501", 'F'},
        {"VRDGPP80A01L219", 'M'}, {"000000000000000", 'I'}, // eight odd positions worth 1 each
        {"AAAAAAAAAAAAAAA", 'I'},                           // A counts like 0 in both tables
        {"ZZZZZZZZZZZZZZZ", 'V'},                           // 8 x 23 + 7 x 25 = 359
        {"999999999999999", 'X'},                           // 8 x 21 + 7 x 9 = 231
    };
    for (const Row& r : rows)
        EXPECT_EQ(codiceFiscaleCheckChar(QString::fromLatin1(r.first15)), QChar::fromLatin1(r.check))
            << r.first15;
    EXPECT_EQ(codiceFiscaleCheckChar(u"RSSMRA85T10A56"), std::nullopt);
    EXPECT_EQ(codiceFiscaleCheckChar(u"rssmra85t10a562"), std::nullopt);
}

TEST(CodiceFiscale, MessagesForValidWrongAndMalformedCodes) {
    expectAll(
        {
            {QStringLiteral("RSSMRA85T10A562S"), kCfValid},
            {QStringLiteral("rssmra85t10a562s"), kCfValid}, // checked as capitals
            {QStringLiteral("BNCLRA90A41H501F"), kCfValid},
            {QStringLiteral("RSSMRA85T10A562T"), kCfWrong}, // 16th character changed
            {QStringLiteral("RSSMRB85T10A562S"), kCfWrong}, // one letter of the name changed
            {QStringLiteral("RSSMRA85T10A563S"), kCfWrong}, // one digit changed
            {QStringLiteral("0000000000000000"), kCfWrong}, // digits everywhere are checked, not refused
            {QStringLiteral("000000000000000I"), kCfValid}, // the pattern of the positions is not checked
            {QStringLiteral("RSSMRA85T10A562"), kCfShape},  // 15 characters
            {QStringLiteral("RSSMRA85T10A562SX"), kCfShape},
            {QString(), kCfShape},
            {QStringLiteral("RSSMRA85 10A562S"), kCfShape}, // a space inside
            {QStringLiteral(" RSSMRA85T10A562"), kCfShape},
            {QStringLiteral("RSSMRA85T10A562È"), kCfShape}, // accented letters are not A-Z
            {QStringLiteral("RSSMRA85T10A56-S"), kCfShape},
        },
        checkCodiceFiscale);
}

TEST(PartitaIva, OfficeTableHolds104CodesWithTheirTowns) {
    const auto offices = vatOffices();
    ASSERT_EQ(offices.size(), 104u);
    std::set<int> codes;
    for (const VatOffice& o : offices)
        codes.insert(o.code);
    std::set<int> expected = {120, 121};
    for (int code = 1; code <= 102; ++code)
        expected.insert(code);
    EXPECT_EQ(codes, expected);

    EXPECT_EQ(vatOfficeName(u"001"), "Torino");
    EXPECT_EQ(vatOfficeName(u"037"), "Bologna 1");
    EXPECT_EQ(vatOfficeName(u"040"), QStringLiteral("Forlì"));
    EXPECT_EQ(vatOfficeName(u"066"), "Aquila");
    EXPECT_EQ(vatOfficeName(u"096"), "Monza (Milano 2)");
    EXPECT_EQ(vatOfficeName(u"097"), "Prato (Firenze 2)");
    EXPECT_EQ(vatOfficeName(u"099"), "Chiavari (Genova 2)");
    EXPECT_EQ(vatOfficeName(u"102"), "Napoli 2");
    EXPECT_EQ(vatOfficeName(u"120"), vatOfficeName(u"101"));
    EXPECT_EQ(vatOfficeName(u"121"), vatOfficeName(u"102"));
    for (const char16_t* missing : {u"000", u"103", u"119", u"122", u"999", u"37", u"0037", u"03a"})
        EXPECT_EQ(vatOfficeName(missing), QString());
}

TEST(PartitaIva, CheckDigitDoublesTheEvenPositions) {
    EXPECT_EQ(partitaIvaCheckDigit(u"1234567037"), 1);
    EXPECT_EQ(partitaIvaCheckDigit(u"0000000000"), 0);
    EXPECT_EQ(partitaIvaCheckDigit(u"0600000000"), 7); // 6 doubled is 12, which adds 3
    EXPECT_EQ(partitaIvaCheckDigit(u"123456703"), std::nullopt);
    EXPECT_EQ(partitaIvaCheckDigit(u"123456703A"), std::nullopt);
}

TEST(PartitaIva, MessagesNameTheOfficeOrRefuse) {
    expectAll(
        {
            {QStringLiteral("12345670371"), ivaValid(QStringLiteral("Bologna 1"))},
            {QStringLiteral("12345671205"), ivaValid(QStringLiteral("Bologna 2"))},
            {QStringLiteral("12345671015"), ivaValid(QStringLiteral("Bologna 2"))},
            {QStringLiteral("01234560967"), ivaValid(QStringLiteral("Monza (Milano 2)"))},
            {QStringLiteral("12345671031"), ivaValid(QString())}, // 103: no office, "del Comune di ."
            {QStringLiteral("00000000000"), ivaValid(QString())},
            {QStringLiteral("12345670372"), kIvaWrong}, // last digit changed
            {QStringLiteral("12345670471"), kIvaWrong}, // office digit changed
            {QStringLiteral("1234567037A"), kIvaWrong}, // a letter copied in by a caller
            {QStringLiteral("A2345670371"), kIvaWrong},
            {QStringLiteral(" 1234567037"), kIvaWrong}, // not trimmed: eleven characters
            {QStringLiteral("1234567037"), kIvaLength}, // ten digits
            {QStringLiteral("123456703711"), kIvaLength},
            {QString(), kIvaLength},
        },
        checkPartitaIva);
}

TEST(CreditCard, LuhnResultIsTheFirstDigitMinusTwoOrZero) {
    struct Row {
        const char* text;
        int result;
    };
    const std::vector<Row> rows = {
        {"4111111111111111", 2},
        {"4111111111111112", 0},
        {"5555555555554444", 3},
        {"6011111111111117", 4},
        {"378282246310005", 1},
        {"2000000000000006", 0}, // first digit 2
        {"7000000000000005", 5},
        {"0000000000000000", -2},
        {"18", -1},
        {"4111 1111-1111.1111", 2}, // separators are skipped
        {"", 0},
        {"abc", 0},
        {"0", -2}, // a lone 0 is its own check digit
    };
    for (const Row& r : rows)
        EXPECT_EQ(luhnResult(QString::fromLatin1(r.text)), r.result) << r.text;
}

TEST(CreditCard, MessagesNameTheNetwork) {
    const QString visa = QStringLiteral("Visa");
    const QString diners = QStringLiteral("Diner's Club / Carte Blanche");
    const QString amex = QStringLiteral("American Express");
    const QString jcb = QStringLiteral("JCB");
    const QString unknownNetwork =
        QStringLiteral("Il numero di carta di credito 32000000000002 risulta valido.\r\n\r\n"
                       "Il circuito di appartenenza della carta non è stato riconosciuto.");
    expectAll(
        {
            {QStringLiteral("4111111111111111"), cardValid(QStringLiteral("4111111111111111"), visa)},
            {QStringLiteral("4111111111111112"), kCardWrong},
            {QStringLiteral("5555555555554444"),
             cardValid(QStringLiteral("5555555555554444"), QStringLiteral("MasterCard"))},
            {QStringLiteral("6011111111111117"),
             cardValid(QStringLiteral("6011111111111117"), QStringLiteral("Discover"))},
            {QStringLiteral("30569309025904"), cardValid(QStringLiteral("30569309025904"), diners)},
            {QStringLiteral("360000000000004"), cardValid(QStringLiteral("360000000000004"), diners)},
            {QStringLiteral("380000000000000"), cardValid(QStringLiteral("380000000000000"), diners)},
            {QStringLiteral("378282246310005"), cardValid(QStringLiteral("378282246310005"), amex)},
            {QStringLiteral("340000000000009"), cardValid(QStringLiteral("340000000000009"), amex)},
            {QStringLiteral("3530111333300000"), cardValid(QStringLiteral("3530111333300000"), jcb)},
            {QStringLiteral("310000000000005"), cardValid(QStringLiteral("310000000000005"), jcb)},
            {QStringLiteral("330000000000001"), cardValid(QStringLiteral("330000000000001"), jcb)},
            {QStringLiteral("32000000000002"), {CheckMessage::Information, unknownNetwork, true}},
            {QStringLiteral("2000000000000006"), kCardWrong},
            {QStringLiteral("7000000000000005"), kCardWrong},
            {QStringLiteral("0000000000000000"), kCardWrong},
            {QStringLiteral("no digits"), kCardWrong},
            {QString(), kCardEmpty},
            {QStringLiteral("   "), kCardEmpty},
        },
        checkCreditCard);
}

TEST(CreditCard, SeparatorsAreSkippedAndTheMessageQuotesTheTrimmedText) {
    expectAll(
        {
            {QStringLiteral("4111 1111 1111 1111 "),
             cardValid(QStringLiteral("4111 1111 1111 1111"), QStringLiteral("Visa"))},
            {QStringLiteral("3782-822463-10005"),
             cardValid(QStringLiteral("3782-822463-10005"), QStringLiteral("American Express"))},
            // The network is judged from the first two characters as typed.
            {QStringLiteral("3 782 822463 10005"),
             {CheckMessage::Information,
              QStringLiteral("Il numero di carta di credito 3 782 822463 10005 risulta valido.\r\n\r\n"
                             "Il circuito di appartenenza della carta non è stato riconosciuto."),
              true}},
            // A sign or a bracket before the 3: the first two characters name no network.
            {QStringLiteral("-36000000000008"),
             {CheckMessage::Information,
              QStringLiteral("Il numero di carta di credito -36000000000008 risulta valido.\r\n\r\n"
                             "Il circuito di appartenenza della carta non è stato riconosciuto."),
              true}},
            {QStringLiteral("(370000000000002)"),
             {CheckMessage::Information,
              QStringLiteral("Il numero di carta di credito (370000000000002) risulta valido.\r\n\r\n"
                             "Il circuito di appartenenza della carta non è stato riconosciuto."),
              true}},
        },
        checkCreditCard);
}

TEST(CreditCard, OnlyDigitsWithinTheFirstTwentyCharactersCount) {
    // The ninth digit stands at character 21: ignored, and still quoted in the message.
    EXPECT_EQ(checkCreditCard(QStringLiteral("4111111111111111    9")),
              cardValid(QStringLiteral("4111111111111111    9"), QStringLiteral("Visa")));
    EXPECT_EQ(checkCreditCard(QStringLiteral("4111 1111 1111 1111 0001")),
              cardValid(QStringLiteral("4111 1111 1111 1111 0001"), QStringLiteral("Visa")));
}

TEST(Iban, CorrectIbanAndEveryOneDigitChange) {
    EXPECT_EQ(ibanRemainder(kItalianIban), 1);
    EXPECT_EQ(checkIban(kItalianIban), kIbanValid);
    EXPECT_EQ(checkIban(kItalianIban.toLower()), kIbanValid);
    for (qsizetype i = 0; i < kItalianIban.size(); ++i) {
        const QChar c = kItalianIban[i];
        if (!c.isDigit())
            continue;
        QString changed = kItalianIban;
        changed[i] = QChar(u'0' + (c.unicode() - u'0' + 1) % 10);
        EXPECT_EQ(checkIban(changed), kIbanWrong) << changed.toStdString();
    }
    // Two neighbouring characters swapped.
    EXPECT_EQ(checkIban(QStringLiteral("IT60X0542811101000000124356")), kIbanWrong);
}

TEST(Iban, MessagesForLengthsCharactersAndSpaces) {
    expectAll(
        {
            {QStringLiteral("FR1420041010050500013M02606"), kIbanValid},        // the country is not checked
            {QStringLiteral("  IT60X0542811101000000123456  "), kIbanValid},    // trimmed first
            {QStringLiteral("IT60X054281110100000012345"), kIbanWrongLength},   // 26
            {QStringLiteral("IT60X05428111010000001234567"), kIbanWrongLength}, // 28
            {QStringLiteral("DE89370400440532013000"), kIbanWrongLength},       // a correct German IBAN
            {QString(), kIbanWrongLength},
            // 27 characters with a space inside: a correct 26-character IBAN once the space goes.
            {QStringLiteral("IS14 0159260076545510730339"), kIbanValid},
            {QStringLiteral("IT60 X054 2811 1010 0000 01"), kIbanWrong},
            {QStringLiteral("IT60X0542811101000000123/56"), kIbanWrong},
            {QStringLiteral("IT60X054281110100000012345è"), kIbanWrong},
            {QStringLiteral("IT60X0542811101000000-23456"), kIbanWrong},
            {QStringLiteral("-T60X0542811101000000123456"), kIbanWrong},
        },
        checkIban);
}

TEST(Iban, RemainderDropsTheFirstIbanWordAndSpaces) {
    EXPECT_EQ(ibanRemainder(QStringLiteral("IBAN IT60 X054 2811 1010 0000 0123 456")), 1);
    EXPECT_EQ(ibanRemainder(QStringLiteral("iban it60x0542811101000000123456")), 1);
    EXPECT_EQ(checkIban(QStringLiteral("IBANXK320000000000000000000")), kIbanValid); // 23 + "IBAN"
    // Only the first "IBAN" goes, wherever it stands.
    EXPECT_EQ(ibanRemainder(QStringLiteral("IT60X05428111IBAN01000000123456")), 1);
    EXPECT_EQ(ibanRemainder(QStringLiteral("IBANIBANIT60X0542811101000000123456")), 36);
    EXPECT_EQ(ibanRemainder(QStringLiteral("IT")), 83); // 1829 mod 97
    EXPECT_EQ(ibanRemainder(QString()), 0);
}
