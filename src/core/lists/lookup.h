#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"

namespace orvelia::lists {

/// Builds the list line of one record, exactly as the list window builds its lines.
using LineBuilder = std::function<QString(const RecordView& record)>;
/// Loads one record (with its 1-based number) into the window that wants it.
using RecordLoader = std::function<void(qint64 number, const RecordView& record)>;

/**
 * Takes a chosen list line back to its record: scans the whole archive at
 * @p path (a missing file is created empty), rebuilds every record's line
 * with @p build and compares it, trimmed, with @p chosenLine, trimmed (exact,
 * case included). Every equal record is handed to @p load, when given, in
 * archive order, so of identical lines the last record is loaded last.
 * @return the number of the last equal record, nothing when no record gives
 *         the line, or the error that ended the scan (records handed to
 *         @p load before it stay loaded).
 */
ArchiveResult<std::optional<qint64>> findRecordOfLine(const QString& path, const RecordLayout& layout,
                                                      const QString& chosenLine, const LineBuilder& build,
                                                      const RecordLoader& load = {});

} // namespace orvelia::lists
