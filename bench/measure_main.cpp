// orvelia-bench-measure RUNS -- PROGRAM [ARGS...]
// Runs PROGRAM RUNS times, its output thrown away, and prints
// "<median wall seconds> <largest max RSS in KiB> <exit code of the last run>".
// Exits 1 when a run ends with a code other than 0 or by a signal, 2 when a
// run cannot be started or the arguments are wrong.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

const char* const kUsage = "Uso: orvelia-bench-measure VOLTE -- PROGRAMMA [ARGOMENTI...]\n";

double seconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Run {
    double wall = 0;
    long maxRssKiB = 0;
    int exitCode = 0;
    bool started = false;
};

// One run: a pipe closed on exec tells whether the exec itself failed.
Run runOnce(char** command) {
    Run run;
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return run;
    }
    const double start = seconds();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        close(report[0]);
        close(report[1]);
        return run;
    }
    if (pid == 0) {
        close(report[0]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0 && dup2(null, STDOUT_FILENO) >= 0) {
            execvp(command[0], command);
        }
        const int error = errno;
        [[maybe_unused]] const ssize_t n = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int childError = 0;
    ssize_t got;
    do {
        got = read(report[0], &childError, sizeof childError);
    } while (got < 0 && errno == EINTR);
    close(report[0]);

    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    run.wall = seconds() - start;
    if (waited != pid) {
        std::perror("wait4");
        return run;
    }
    if (got > 0) {
        std::fprintf(stderr, "Impossibile avviare %s: %s\n", command[0], std::strerror(childError));
        return run;
    }
    run.started = true;
    run.maxRssKiB = usage.ru_maxrss;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 0;
    if (argc < 4 || std::string_view(argv[2]) != "--") {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string_view count(argv[1]);
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), runs);
    if (error != std::errc() || end != count.data() + count.size() || runs < 1) {
        std::fprintf(stderr, "Numero di volte non valido: %s\n%s", argv[1], kUsage);
        return 2;
    }

    std::vector<double> times;
    long largestRss = 0;
    int lastCode = 0;
    bool allZero = true;
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(argv + 3);
        if (!run.started)
            return 2;
        times.push_back(run.wall);
        largestRss = std::max(largestRss, run.maxRssKiB);
        lastCode = run.exitCode;
        if (run.exitCode != 0) {
            std::fprintf(stderr, "%s: esecuzione %d terminata con codice %d\n", argv[3], i + 1, run.exitCode);
            allZero = false;
        }
    }
    std::sort(times.begin(), times.end());
    const std::size_t mid = times.size() / 2;
    const double median = times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
    std::printf("%.4f %ld %d\n", median, largestRss, lastCode);
    return allZero ? 0 : 1;
}
