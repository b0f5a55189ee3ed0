#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace orvelia::test {

/**
 * Runs @p work in a child process whose files may not grow past @p limitBytes, so that a
 * write of the program meets a full disk; returns the child's exit code (the value @p work
 * returned), or nothing where the system has no such limit (Windows): the test is then skipped.
 * processes_posix.cpp and processes_windows.cpp.
 */
std::optional<int> runWithFileSizeLimit(long long limitBytes, const std::function<int()>& work);

/// How a program run by runProgramWithFileSizeLimit ended.
struct ProgramRun {
    bool exited = false; ///< false: ended by a signal
    int code = -1;       ///< the exit code, or the signal
    QString out, err;
};

/**
 * Runs @p program with @p arguments in @p folder with files that may not grow past @p limitBytes,
 * the program itself deciding how to meet the limit (no signal is ignored for it); nothing where
 * the system has no such limit (Windows).
 */
std::optional<ProgramRun> runProgramWithFileSizeLimit(const QString& program, const QStringList& arguments,
                                                      long long limitBytes);

/// Makes a named pipe at @p path; false where the system has none (Windows).
bool makePipe(const QString& path);

/// Why runWithFileSizeLimit gives nothing on this system.
inline const char* kNoFileSizeLimit =
    "this system sets no limit on the size of a process's files, the way a full disk is simulated";

/**
 * Starts @p program with @p arguments once for each entry of @p runs at the same time, waits for
 * all of them and returns their exit codes (-1 for one that crashed or could not start).
 */
std::vector<int> runTogether(const QString& program, const std::vector<QStringList>& runs);

} // namespace orvelia::test
