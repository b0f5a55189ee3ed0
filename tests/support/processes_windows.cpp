#include "support/processes.h"

namespace orvelia::test {

std::optional<int> runWithFileSizeLimit(long long, const std::function<int()>&) {
    return std::nullopt;
}

std::optional<ProgramRun> runProgramWithFileSizeLimit(const QString&, const QStringList&, long long) {
    return std::nullopt;
}

} // namespace orvelia::test
