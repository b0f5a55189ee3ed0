#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace orvelia::cli {

/// The exit codes of orvelia-cli.
enum ExitCode : int {
    kDone = 0,     ///< done, the result is whole
    kFlawed = 1,   ///< done, but something was found wrong: an invalid number, damaged records
    kRefused = 2,  ///< the request was refused: wrong arguments or criteria the windows refuse
    kNoResult = 3, ///< an archive or file could not be read or written: the result is missing or partial
};

/**
 * The program's two outputs: the result on standard output in UTF-8, one line
 * per line, through a large buffer; messages on standard error, the line
 * breaks of the window texts written as plain line ends.
 */
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void line(const QString& text);
    /// A line given in Windows-1252, as the archives hold their texts.
    void line(QByteArrayView windows1252);
    void lines(const QStringList& texts);
    /// Writes a message on standard error (after the result written so far).
    void message(const QString& text);
    /// Writes out the result; false when a write to standard output failed.
    bool finish();

private:
    void flushBuffer();

    QByteArray m_buffer;
    bool m_failed = false;
};

/**
 * Shows how far each long scan has come on standard error, overwriting one
 * line, when standard error is a terminal; does nothing otherwise.
 */
void showScanProgress();

} // namespace orvelia::cli
