#include "support/processes.h"

namespace orvelia::test {

std::optional<int> runWithFileSizeLimit(long long, const std::function<int()>&) {
    return std::nullopt;
}

bool makePipe(const QString&) {
    return false;
}

std::optional<ProgramRun> runProgramWithFileSizeLimit(const QString&, const QStringList&, long long) {
    return std::nullopt;
}

} // namespace orvelia::test
