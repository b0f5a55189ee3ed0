#include "cli/console.h"

#include <cerrno>
#include <cstdio>

#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>

#include "core/archive/recordfile.h"

namespace orvelia::cli {

namespace {

constexpr qsizetype kBufferBytes = 1 << 20;

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// The window texts break their lines with "\n\r" or "\r\n"; a terminal wants "\n" alone.
QByteArray terminalText(const QString& text) {
    QString plain = text;
    plain.remove(u'\r');
    return plain.toUtf8() + '\n';
}

} // namespace

Console::Console() {
    m_buffer.reserve(kBufferBytes + 4096);
}

Console::~Console() {
    flushBuffer();
}

void Console::write(const QByteArray& bytes) {
    m_buffer += bytes;
    if (m_buffer.size() >= kBufferBytes)
        flushBuffer();
}

void Console::line(const QString& text) {
    write(text.toUtf8());
    m_buffer += '\n';
}

void Console::lines(const QStringList& texts) {
    for (const QString& text : texts)
        line(text);
}

void Console::message(const QString& text) {
    flushBuffer();
    const QByteArray bytes = terminalText(text);
    writeAll(STDERR_FILENO, bytes.constData(), bytes.size());
}

void Console::flushBuffer() {
    if (!m_buffer.isEmpty() && !m_failed)
        m_failed = !writeAll(STDOUT_FILENO, m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
}

bool Console::finish() {
    flushBuffer();
    return !m_failed;
}

void showScanProgress() {
    if (!::isatty(STDERR_FILENO))
        return;
    // A short scan shows nothing; a long one a percentage, a few times a second.
    struct State {
        QElapsedTimer clock;
        qint64 shownAt = -1;
        bool showing = false;
    };
    static State state;
    archive::setScanProgress([](const QString& path, qint64 done, qint64 total) {
        if (done == 0) {
            state.clock.start();
            state.shownAt = -1;
        }
        if (done >= total) {
            if (state.showing) {
                const QByteArray clear = "\r" + QByteArray(60, ' ') + "\r";
                writeAll(STDERR_FILENO, clear.constData(), clear.size());
                state.showing = false;
            }
            return;
        }
        const qint64 now = state.clock.elapsed();
        if (now < 500 || (state.shownAt >= 0 && now - state.shownAt < 200))
            return;
        state.shownAt = now;
        state.showing = true;
        const QByteArray text = QStringLiteral("\rLettura di %1: %2 %")
                                    .arg(QFileInfo(path).fileName())
                                    .arg(done * 100 / total)
                                    .toUtf8();
        writeAll(STDERR_FILENO, text.constData(), text.size());
    });
}

} // namespace orvelia::cli
