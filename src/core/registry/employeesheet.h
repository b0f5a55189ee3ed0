#pragma once

#include <span>

#include <QStringList>

#include "core/archive/layout.h"
#include "core/archive/sheetrows.h"

namespace orvelia::registry {

/// The 41 rows of the worker sheet, from the top.
std::span<const SheetRow> employeeSheetRows();

/**
 * The value of each row of the worker sheet for @p record, the worker as it stands on the
 * screen: each text trimmed; the name, the town of birth and the town of residence joined with
 * their second part by one blank (an empty province leaves the blank).
 */
QStringList employeeSheetValues(const Record& record);

} // namespace orvelia::registry
