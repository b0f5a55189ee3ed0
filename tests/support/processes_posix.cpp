#include "support/processes.h"

#include <QFile>
#include <QProcess>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/system/system.h"

namespace orvelia::test {

std::optional<int> runWithFileSizeLimit(long long limitBytes, const std::function<int()>& work) {
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        // As the programs do first: a write past the limit then fails with EFBIG.
        sys::prepareProcess();
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = rlim_t(limitBytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(work());
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace orvelia::test

namespace orvelia::test {

bool makePipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

std::optional<ProgramRun> runProgramWithFileSizeLimit(const QString& program, const QStringList& arguments,
                                                      long long limitBytes) {
    QProcess process;
    process.setChildProcessModifier([limitBytes] {
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = rlim_t(limitBytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(-1))
        return run;
    run.exited = process.exitStatus() == QProcess::NormalExit;
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace orvelia::test
