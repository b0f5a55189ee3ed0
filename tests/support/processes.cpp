#include "support/processes.h"

#include <memory>

#include <QProcess>

namespace orvelia::test {

std::vector<int> runTogether(const QString& program, const std::vector<QStringList>& runs) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& arguments : runs) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->setProcessChannelMode(QProcess::ForwardedChannels);
        processes.back()->start(program, arguments);
    }
    std::vector<int> codes;
    for (const auto& process : processes) {
        const bool finished = process->waitForFinished(-1);
        codes.push_back(finished && process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1);
    }
    return codes;
}

} // namespace orvelia::test
