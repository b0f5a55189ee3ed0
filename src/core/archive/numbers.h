#pragma once

#include <optional>

#include <QByteArrayView>
#include <QString>

namespace orvelia {

/**
 * Reads a decimal number written with ',' as the separator: blanks, an optional
 * sign, digits, optionally ',' and digits, optionally an exponent (E or e, an
 * optional sign, digits), blanks. A ',' alone reads as 0. Nothing else is accepted.
 */
std::optional<double> parseDecimal(const QString& text);
/// The same reading of @p bytes, each byte being the character of that code (Latin-1).
std::optional<double> parseDecimal(QByteArrayView bytes);
/**
 * parseDecimal of the text of a stored field, @p stored being its bytes as
 * stored (Windows-1252, untrimmed): the same result as reading the decoded,
 * trimmed text, without decoding it when the bytes are plain ASCII.
 */
std::optional<double> parseStoredDecimal(QByteArrayView stored);

/**
 * The general number form: 15 significant digits, ',' as the separator, no
 * trailing zeros; exponent form (1E20, 1,5E-7) above 15 integer digits and,
 * other than zero, below 0,00001.
 */
QString formatGeneral(double value);

/// Half-up rounding of the binary value to @p decimals places, computed in extended precision.
double roundTo(double value, int decimals);

/// The money normalisation with @p decimals places (2 or 4): "0,00" for an empty
/// or unreadable text, otherwise the rounded value with two to @p decimals decimals.
QString normalizeMoney(const QString& text, int decimals);

} // namespace orvelia
