#pragma once

#include <span>

#include <QStringList>

#include "core/archive/layout.h"
#include "core/archive/sheetrows.h"

namespace orvelia::work {

/// The 19 rows of the work sheet, from the top.
std::span<const SheetRow> workSheetRows();

/**
 * The value of each row of the work sheet for @p record, the work as it stands on the screen:
 * each text trimmed; the worker's surname and name joined by one blank; the start and end times
 * from the hour and minute lists joined by ':'.
 */
QStringList workSheetValues(const Record& record);

} // namespace orvelia::work
