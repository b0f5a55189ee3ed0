#include "core/export/cells.h"

#include <algorithm>
#include <cmath>

#include "core/archive/dates.h"
#include "core/archive/numbers.h"

namespace orvelia::spreadsheet {

TypedCell typedCell(CellType type, const QString& text, int currentYear) {
    TypedCell cell;
    switch (type) {
    case CellType::Date:
        if (const std::optional<QDate> day = parseDate(text, currentYear)) {
            cell.type = CellType::Date;
            cell.date = *day;
            return cell;
        }
        break;
    case CellType::Money:
    case CellType::Hours:
        // Only a text with a digit is a number here: an empty amount or a lone ',' stays as it is,
        // not the 0 the money normalisation makes of it.
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); })) {
            if (const std::optional<double> value = parseDecimal(text); value && std::isfinite(*value)) {
                cell.type = type;
                cell.number = *value;
                return cell;
            }
        }
        break;
    case CellType::Text:
        break;
    }
    cell.text = text;
    return cell;
}

} // namespace orvelia::spreadsheet
