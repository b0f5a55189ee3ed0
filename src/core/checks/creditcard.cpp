#include "core/checks/creditcard.h"

#include <algorithm>
#include <initializer_list>

#include "core/archive/text.h"

namespace orvelia {

namespace {
const QString kEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString kWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                      "Non è quindi possibile fornire informazioni relative al tipo di "
                                      "carta di credito.");
const QString kValidHead = QStringLiteral("Il numero di carta di credito ");
const QString kValidTail = QStringLiteral(" risulta valido.\r\n\r\n");
const QString kNetworkHead = QStringLiteral("La carta di credito è del tipo ");
const QString kNetworkUnknown =
    QStringLiteral("Il circuito di appartenenza della carta non è stato riconosciuto.");

const QString kDiners = QStringLiteral("Diner's Club / Carte Blanche");
const QString kAmex = QStringLiteral("American Express");
const QString kJcb = QStringLiteral("JCB");
const QString kVisa = QStringLiteral("Visa");
const QString kMasterCard = QStringLiteral("MasterCard");
const QString kDiscover = QStringLiteral("Discover");

// The digits among the first 20 characters; separators are dropped, later digits ignored.
QString digitsOf(const QString& text) {
    QString digits;
    for (const QChar c : QStringView(text).left(20))
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}
} // namespace

int luhnResult(const QString& text) {
    const QString digits = digitsOf(text);
    const qsizetype n = digits.size();
    if (n == 0)
        return 0;
    int sum = 0;
    // From the digit before the check digit leftwards, every second one doubled, starting with it.
    for (qsizetype i = n - 2; i >= 0; --i) {
        int value = digits[i].unicode() - u'0';
        if ((n - 2 - i) % 2 == 0) {
            value *= 2;
            if (value >= 10)
                value -= 9;
        }
        sum += value;
    }
    const int expected = sum % 10 == 0 ? 0 : 10 - sum % 10;
    if (digits.back().unicode() - u'0' != expected)
        return 0;
    return digits.front().unicode() - u'0' - 2;
}

QString cardNetwork(int luhn, const QString& text) {
    switch (luhn) {
    case 1: {
        // the first two characters of the trimmed text, as typed: a sign or a bracket before
        // the 3 names no network
        const QString trimmed = trimText(text);
        const QStringView first = QStringView(trimmed).left(2);
        const auto oneOf = [first](std::initializer_list<const char16_t*> prefixes) {
            return std::any_of(prefixes.begin(), prefixes.end(),
                               [first](const char16_t* p) { return first == p; });
        };
        if (oneOf({u"30", u"36", u"38"}))
            return kDiners;
        if (oneOf({u"34", u"37"}))
            return kAmex;
        if (oneOf({u"31", u"33", u"35"}))
            return kJcb;
        return {};
    }
    case 2:
        return kVisa;
    case 3:
        return kMasterCard;
    case 4:
        return kDiscover;
    default:
        return {};
    }
}

CheckResult checkCreditCard(const QString& text) {
    const QString trimmed = trimText(text);
    if (trimmed.isEmpty())
        return {CheckMessage::Warning, kEmpty, false};
    const int luhn = luhnResult(text);
    if (luhn < 1 || luhn > 4)
        return {CheckMessage::Warning, kWrong, true};
    const QString network = cardNetwork(luhn, text);
    const QString verdict = network.isEmpty() ? kNetworkUnknown : kNetworkHead + network + u'.';
    return {CheckMessage::Information, kValidHead + trimmed + kValidTail + verdict, true};
}

} // namespace orvelia
