#pragma once

#include <span>

#include <QStringList>

#include "core/archive/layout.h"

namespace orvelia {

/// One row of a printed sheet: its label and the name of the memo that prints its value.
struct SheetRow {
    const char* label; ///< UTF-8
    const char* memo;
};

/// A row of a sheet and where its value comes from in a record: one field, or two joined by @p joint.
struct SheetSource {
    SheetRow row;
    int first;
    int second = -1;    ///< -1: the field alone
    char16_t joint = 0; ///< what stands between the two fields
};

/// The rows of the sheet whose sources are @p sources, in their order; @p rows must be as long.
constexpr void fillSheetRows(std::span<const SheetSource> sources, std::span<SheetRow> rows) {
    for (std::size_t i = 0; i < sources.size(); ++i)
        rows[i] = sources[i].row;
}

/// The value of each row for @p record, the record as it stands on the screen: each field trimmed,
/// a second field joined to the first by the row's joint.
QStringList sheetValues(std::span<const SheetSource> sources, const Record& record);

} // namespace orvelia
