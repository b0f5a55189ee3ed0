#include "core/checks/codicefiscale.h"

#include <algorithm>
#include <array>

#include "core/archive/text.h"

namespace orvelia {

namespace {
const QString kWrongShape =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

// Values of the characters in the odd positions: digits 0-9 and letters A-J
// share the first ten values, K-Z follow.
constexpr std::array<int, 26> kOddValues = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                            20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isCapital(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// The character's value in the even positions: a digit counts itself, a letter its place from A = 0.
int evenValue(QChar c) {
    return isDigit(c) ? c.unicode() - u'0' : c.unicode() - u'A';
}
int oddValue(QChar c) {
    return kOddValues[std::size_t(evenValue(c))];
}
} // namespace

std::optional<QChar> codiceFiscaleCheckChar(QStringView first15) {
    if (first15.size() != kCodiceFiscaleLength - 1)
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < first15.size(); ++i) {
        const QChar c = first15[i];
        if (!isDigit(c) && !isCapital(c))
            return std::nullopt;
        // Positions count from 1, so index 0 is an odd position.
        sum += i % 2 == 0 ? oddValue(c) : evenValue(c);
    }
    return QChar(u'A' + sum % 26);
}

CheckResult checkCodiceFiscale(const QString& text) {
    const QString code = upperAscii(text);
    const bool wellFormed =
        code.size() == kCodiceFiscaleLength &&
        std::all_of(code.begin(), code.end(), [](QChar c) { return isDigit(c) || isCapital(c); });
    if (!wellFormed)
        return {CheckMessage::Warning, kWrongShape, false};
    if (codiceFiscaleCheckChar(QStringView(code).first(kCodiceFiscaleLength - 1)) == code.back())
        return {CheckMessage::Information, kValid, true};
    return {CheckMessage::Warning, kWrong, true};
}

} // namespace orvelia
