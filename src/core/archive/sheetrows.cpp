#include "core/archive/sheetrows.h"

#include "core/archive/text.h"

namespace orvelia {

QStringList sheetValues(std::span<const SheetSource> sources, const Record& record) {
    QStringList values;
    values.reserve(qsizetype(sources.size()));
    for (const SheetSource& s : sources) {
        QString value = trimText(record.at(s.first));
        if (s.second >= 0)
            value += QChar(s.joint) + trimText(record.at(s.second));
        values << value;
    }
    return values;
}

} // namespace orvelia
