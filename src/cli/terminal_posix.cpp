// orvelia-cli's standard streams on POSIX systems: the terminal takes UTF-8 as it is.
#include "cli/terminal.h"

#include <cerrno>

#include <unistd.h>

namespace orvelia::cli::terminal {

namespace {
int descriptor(Stream stream) {
    return stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO;
}
} // namespace

QStringList arguments(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

bool isTerminal(Stream stream) {
    return ::isatty(descriptor(stream)) != 0;
}

bool write(Stream stream, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(descriptor(stream), data, std::size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace orvelia::cli::terminal
