#include "cli/console.h"

#include <array>
#include <cstdio>
#include <cstring>

#include <QElapsedTimer>
#include <QFileInfo>

#include "cli/terminal.h"
#include "core/archive/cp1252.h"
#include "core/archive/recordfile.h"

namespace orvelia::cli {

namespace {

constexpr qsizetype kBufferBytes = 1 << 20;

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

void Console::line(const QString& text) {
    // UTF-8 straight into the buffer: a result may have a million lines.
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + 3 * text.size() + 1);
    char* out = m_buffer.data() + start;
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* end = in + text.size();
    while (in < end) {
        const char32_t c = *in++;
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && in < end && QChar::isLowSurrogate(*in)) {
            const char32_t cp = QChar::surrogateToUcs4(char16_t(c), *in++);
            *out++ = char(0xF0 | (cp >> 18));
            *out++ = char(0x80 | ((cp >> 12) & 0x3F));
            *out++ = char(0x80 | ((cp >> 6) & 0x3F));
            *out++ = char(0x80 | (cp & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            *out++ = char(0xEF); // a lone surrogate becomes U+FFFD, as the encoder of the library does
            *out++ = char(0xBF);
            *out++ = char(0xBD);
        } else {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
    *out++ = '\n';
    m_buffer.truncate(out - m_buffer.data());
    if (m_buffer.size() >= kBufferBytes)
        flushBuffer();
}

void Console::line(QByteArrayView windows1252) {
    // Every byte stands for one character: its UTF-8 form is looked up.
    struct Utf8Table {
        std::array<std::array<char, 4>, 256> bytes{}; // the length, then the bytes
        Utf8Table() {
            for (int b = 0; b < 256; ++b) {
                const char byte = char(b);
                const QByteArray utf8 = cp1252::decode(&byte, 1).toUtf8();
                bytes[std::size_t(b)][0] = char(utf8.size());
                for (qsizetype k = 0; k < utf8.size(); ++k)
                    bytes[std::size_t(b)][std::size_t(k) + 1] = utf8[k];
            }
        }
    };
    static const Utf8Table table;
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + 3 * windows1252.size() + 1);
    char* out = m_buffer.data() + start;
    const char* in = windows1252.data();
    const char* end = in + windows1252.size();
    while (in < end) {
        // Runs of plain ASCII are copied as they are.
        const char* run = in;
        while (run < end && static_cast<unsigned char>(*run) < 0x80)
            ++run;
        std::memcpy(out, in, std::size_t(run - in));
        out += run - in;
        in = run;
        if (in == end)
            break;
        const auto& utf8 = table.bytes[static_cast<unsigned char>(*in++)];
        for (int k = 1; k <= utf8[0]; ++k)
            *out++ = utf8[std::size_t(k)];
    }
    *out++ = '\n';
    m_buffer.truncate(out - m_buffer.data());
    if (m_buffer.size() >= kBufferBytes)
        flushBuffer();
}

void Console::lines(const QStringList& texts) {
    for (const QString& text : texts)
        line(text);
}

void Console::message(const QString& text) {
    flushBuffer();
    const QByteArray bytes = terminalText(text);
    terminal::write(terminal::Stream::Error, bytes.constData(), bytes.size());
}

void Console::flushBuffer() {
    if (!m_buffer.isEmpty() && !m_failed)
        m_failed = !terminal::write(terminal::Stream::Output, m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
}

bool Console::finish() {
    flushBuffer();
    return !m_failed;
}

void showScanProgress() {
    if (!terminal::isTerminal(terminal::Stream::Error))
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
                terminal::write(terminal::Stream::Error, clear.constData(), clear.size());
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
        terminal::write(terminal::Stream::Error, text.constData(), text.size());
    });
}

} // namespace orvelia::cli
