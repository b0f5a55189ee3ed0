// orvelia-cli's standard streams on Windows. A console window is written in UTF-16
// (WriteConsoleW), so accents and the euro sign show whatever code page the console
// has; a file or a pipe receives the UTF-8 bytes. The arguments come from the wide
// command line, so a folder name with accents arrives whole.
#include "cli/terminal.h"

#include <algorithm>
#include <vector>

#include <windows.h>
#include <shellapi.h>

namespace orvelia::cli::terminal {

namespace {

HANDLE handleOf(Stream stream) {
    return ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsole(HANDLE h) {
    DWORD mode = 0;
    return h != nullptr && h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode) != 0;
}

constexpr qsizetype kMostPerCall = 1 << 20;

} // namespace

QStringList arguments(int argc, char* argv[]) {
    int n = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    QStringList args;
    if (wide == nullptr) {
        for (int i = 0; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        return args;
    }
    for (int i = 0; i < n; ++i)
        args << QString::fromWCharArray(wide[i]);
    ::LocalFree(wide);
    return args;
}

bool isTerminal(Stream stream) {
    return isConsole(handleOf(stream));
}

bool write(Stream stream, const char* data, qsizetype size) {
    const HANDLE h = handleOf(stream);
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return false;
    if (isConsole(h)) {
        // The text is written in whole lines, so a piece never splits a character.
        const int units = ::MultiByteToWideChar(CP_UTF8, 0, data, int(size), nullptr, 0);
        std::vector<wchar_t> text(std::size_t(std::max(units, 1)));
        ::MultiByteToWideChar(CP_UTF8, 0, data, int(size), text.data(), units);
        for (int done = 0; done < units;) {
            DWORD n = 0;
            if (!::WriteConsoleW(h, text.data() + done, DWORD(std::min(units - done, 16384)), &n, nullptr) ||
                n == 0)
                return false;
            done += int(n);
        }
        return true;
    }
    while (size > 0) {
        DWORD n = 0;
        if (!::WriteFile(h, data, DWORD(std::min(size, kMostPerCall)), &n, nullptr) || n == 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace orvelia::cli::terminal
