#pragma once

#include <optional>

#include <QByteArrayView>
#include <QDate>
#include <QString>

namespace orvelia {

/**
 * The date check: day '/' month, optionally '/' year and at most one more '/';
 * blanks may stand at the start, at the end and before every number and '/'.
 * A year of one or two digits falls in the hundred years from currentYear - 50
 * to currentYear + 49; without a year the date is in @p currentYear.
 * Returns the calendar day, or nothing when the text is not a valid date.
 */
std::optional<QDate> parseDate(const QString& text, int currentYear);

/// The date check of the stored bytes @p bytes of a date field (Windows-1252).
std::optional<QDate> parseStoredDate(QByteArrayView bytes, int currentYear);
/// True when @p text passes the date check.
inline bool isValidDate(const QString& text, int currentYear) {
    return parseDate(text, currentYear).has_value();
}

/// The date text "dd/mm/yyyy".
QString formatDate(const QDate& date);

} // namespace orvelia
