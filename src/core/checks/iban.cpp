#include "core/checks/iban.h"

#include "core/archive/text.h"

namespace orvelia {

namespace {
const QString kWrongLength =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

// Remainder text plus piece never passes nine digits, so it fits an int.
constexpr int kPieceDigits = 9;
} // namespace

int ibanRemainder(const QString& text) {
    QString iban = upperAscii(QString(text).remove(u' '));
    const qsizetype prefix = iban.indexOf(QLatin1String("IBAN"));
    if (prefix >= 0)
        iban.remove(prefix, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    for (const QChar c : iban) {
        if (c >= u'A' && c <= u'Z')
            digits += QString::number(c.unicode() - 55);
        else if (c >= u'0' && c <= u'9')
            digits += c;
        else
            return 0; // a slash, an accented letter, ...: not an IBAN
    }
    if (digits.isEmpty())
        return 0;

    QString remainder;
    for (qsizetype at = 0; at < digits.size();) {
        const qsizetype piece = kPieceDigits - remainder.size();
        remainder += digits.mid(at, piece);
        at += piece;
        remainder = QString::number(remainder.toInt() % 97);
    }
    return remainder.toInt();
}

CheckResult checkIban(const QString& text) {
    const QString trimmed = trimText(text);
    if (trimmed.size() != kIbanLength)
        return {CheckMessage::Warning, kWrongLength, false};
    if (ibanRemainder(trimmed) == 1)
        return {CheckMessage::Information, kValid, true};
    return {CheckMessage::Warning, kWrong, true};
}

} // namespace orvelia
