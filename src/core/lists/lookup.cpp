#include "core/lists/lookup.h"

#include "core/archive/text.h"

namespace orvelia::lists {

ArchiveResult<std::optional<qint64>> findRecordOfLine(const QString& path, const RecordLayout& layout,
                                                      const QString& chosenLine, const LineBuilder& build,
                                                      const RecordLoader& load) {
    const QString wanted = trimText(chosenLine);
    std::optional<qint64> last;
    const ArchiveError error = archive::scan(path, layout, [&](qint64 number, const RecordView& record) {
        if (trimText(build(record)) == wanted) {
            last = number;
            if (load)
                load(number, record);
        }
        return true;
    });
    if (error != ArchiveError::None)
        return error;
    return last;
}

} // namespace orvelia::lists
