#include "core/lists/lines.h"

#include <algorithm>
#include <array>

#include "core/archive/cp1252.h"

namespace orvelia::lists {

namespace {

// The highest character Windows-1252 holds is U+2122 (trade mark sign).
constexpr char16_t kTableEnd = 0x2123;

// Order code of each character: its Windows-1252 byte with a-z folded onto A-Z;
// characters the code page cannot hold follow every byte, by their own code.
struct OrderTable {
    std::array<quint16, kTableEnd> code{};
    OrderTable() {
        for (char16_t c = 0; c < kTableEnd; ++c)
            code[c] = quint16(0x100 + c);
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const char16_t c = cp1252::decode(&byte, 1).at(0).unicode();
            if (c < kTableEnd)
                code[c] = quint16(b);
        }
        for (char16_t c = u'a'; c <= u'z'; ++c)
            code[c] = quint16(c - 32);
    }
};

const OrderTable& orderTable() {
    static const OrderTable table;
    return table;
}

inline quint32 orderCode(char16_t c, const OrderTable& table) {
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? quint32(c - 32) : quint32(c);
    if (c < kTableEnd)
        return table.code[c];
    return 0x100u + c;
}

} // namespace

QString foundCountText(qsizetype count) {
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(count) +
           QStringLiteral(" schede.");
}

int compareLines(const QString& a, const QString& b) {
    const OrderTable& table = orderTable();
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (pa[i] == pb[i])
            continue;
        const quint32 ca = orderCode(pa[i], table);
        const quint32 cb = orderCode(pb[i], table);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void sortLines(QStringList& lines) {
    std::stable_sort(lines.begin(), lines.end(), lineBefore);
}

qsizetype sortedPosition(const QStringList& lines, const QString& line) {
    return std::upper_bound(lines.cbegin(), lines.cend(), line, lineBefore) - lines.cbegin();
}

qsizetype insertSorted(QStringList& lines, const QString& line) {
    const qsizetype at = sortedPosition(lines, line);
    lines.insert(at, line);
    return at;
}

QString fitText(const QString& text, int width) {
    if (width <= 0)
        return QString();
    return text.leftJustified(width, u' ', true);
}

QString lowerAscii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

} // namespace orvelia::lists
