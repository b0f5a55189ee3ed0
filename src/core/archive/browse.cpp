#include "core/archive/browse.h"

namespace orvelia {

BrowseStep decideBrowse(BrowseCommand command, const QString& position, qint64 count) {
    const qint64 p = position.isEmpty() ? 0 : position.toLongLong();
    switch (command) {
    case BrowseCommand::First:
        return count == 0 ? BrowseStep{BrowseStep::ReportEmpty} : BrowseStep{BrowseStep::Load, 1};
    case BrowseCommand::Last:
        return count == 0 ? BrowseStep{BrowseStep::ReportEmpty} : BrowseStep{BrowseStep::Load, count};
    case BrowseCommand::Next:
        if (count == 0)
            return {BrowseStep::ReportEmpty, 0, true};
        if (p < count)
            return {BrowseStep::Load, p + 1};
        return {};
    case BrowseCommand::Previous:
        if (position == QLatin1String("1"))
            return {};
        if (count == 0)
            return {BrowseStep::ReportEmpty};
        if (position.isEmpty())
            return {BrowseStep::Load, 1};
        return {BrowseStep::Load, p - 1};
    }
    return {};
}

} // namespace orvelia
