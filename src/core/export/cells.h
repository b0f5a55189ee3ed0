#pragma once

#include <QDate>
#include <QString>

namespace orvelia::spreadsheet {

/// What the cells of a column are in a workbook; the .xls file holds every cell as text.
enum class CellType {
    Text,  ///< the text as it stands
    Date,  ///< a calendar day, shown dd/mm/yyyy
    Money, ///< an amount in euro
    Hours, ///< a number of hours
};

/// The number formats of the typed cells as a workbook stores them (independent of the language of the
/// spreadsheet program, which shows them with its own separators: "1.234,50 €", "7,50").
inline constexpr char kDateFormat[] = "dd/mm/yyyy";
inline constexpr char kMoneyFormat[] = "#,##0.00 \"\u20AC\""; // UTF-8
inline constexpr char kHoursFormat[] = "#,##0.00";

/// One cell of a workbook: a day, a number, or a text kept exactly as it was given.
struct TypedCell {
    CellType type = CellType::Text;
    QDate date;        ///< for Date
    double number = 0; ///< for Money and Hours
    QString text;      ///< for Text

    bool operator==(const TypedCell&) const = default;
};

/**
 * The cell of @p text in a column of @p type. A valid date by the program's
 * date check (a year of one or two digits, or none, read against
 * @p currentYear) becomes a day; an amount or a number of hours the program
 * reads as a number (',' as the separator, nothing else) becomes that
 * number. Everything else, an empty text included, stays the text exactly
 * as given, so nothing that was typed is ever lost.
 */
TypedCell typedCell(CellType type, const QString& text, int currentYear);

} // namespace orvelia::spreadsheet
