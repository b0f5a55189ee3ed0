#include "core/archive/cp1252.h"

#include <algorithm>
#include <array>

namespace orvelia::cp1252 {

namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return char(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    const auto* units = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = units[i];
        if (QChar::isHighSurrogate(cp) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            cp = QChar::surrogateToUcs4(char16_t(cp), units[i + 1]);
            ++i;
        }
        out.append(encodeCodePoint(cp));
    }
    return out;
}

QString decode(const char* data, int length) {
    QString out(length, Qt::Uninitialized);
    auto* dst = reinterpret_cast<char16_t*>(out.data());
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char16_t(b);
    }
    return out;
}

QByteArrayView trimmed(QByteArrayView bytes) {
    qsizetype first = 0, last = bytes.size();
    while (first < last && static_cast<unsigned char>(bytes[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(bytes[last - 1]) <= 0x20)
        --last;
    return bytes.sliced(first, last - first);
}

void appendColumn(QByteArray& out, QByteArrayView bytes, int width) {
    const QByteArrayView text = trimmed(bytes);
    const qsizetype kept = std::min<qsizetype>(text.size(), width);
    out.append(text.first(kept));
    out.append(width - kept, ' ');
}

} // namespace orvelia::cp1252
