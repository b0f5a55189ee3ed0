#pragma once

#include <QStringList>

/**
 * The standard streams and the command line of orvelia-cli, as the system gives
 * them: terminal_posix.cpp on POSIX systems, terminal_windows.cpp on Windows.
 */
namespace orvelia::cli::terminal {

enum class Stream { Output, Error };

/// The arguments of the command line, the program's name first, as the user typed them.
QStringList arguments(int argc, char* argv[]);
/// True when @p stream goes to a terminal (a console window), not to a file or a pipe.
bool isTerminal(Stream stream);
/**
 * Writes UTF-8 text, whole lines or a line of progress: a terminal shows its characters
 * (accents and the euro sign included), a file or a pipe receives the UTF-8 bytes.
 * False when the write fails.
 */
bool write(Stream stream, const char* data, qsizetype size);

} // namespace orvelia::cli::terminal
