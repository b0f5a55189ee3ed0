#include "core/lists/lines.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "core/archive/cp1252.h"
#include "core/system/system.h"

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

namespace {

// The stable order of @p n lines that @p compare (a negative number, zero or a positive number
// for two line numbers) ranks: lines that rank equal keep their order.
template <typename Compare> std::vector<std::uint32_t> stableOrder(std::size_t n, const Compare& compare) {
    std::vector<std::uint32_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = std::uint32_t(i);
    // Equal lines keep their first order: the line number decides between them.
    const auto before = [&](std::uint32_t a, std::uint32_t b) {
        const int c = compare(a, b);
        return c < 0 || (c == 0 && a < b);
    };
    // A long list is sorted in two halves at once, then merged.
    constexpr std::size_t kSplitFrom = 50000;
    if (n >= kSplitFrom && std::thread::hardware_concurrency() > 1) {
        const auto middle = order.begin() + std::ptrdiff_t(n / 2);
        std::thread first;
        try {
            first = std::thread([&] { std::sort(order.begin(), middle, before); });
        } catch (const std::system_error&) {
            std::sort(order.begin(), middle, before); // no thread to be had: one after the other
        }
        std::sort(middle, order.end(), before);
        if (first.joinable())
            first.join();
        std::inplace_merge(order.begin(), middle, order.end(), before);
    } else {
        std::sort(order.begin(), order.end(), before);
    }
    return order;
}

// How many bytes @p a and @p b have in common from the start, up to @p n, eight at a time.
std::size_t commonLength(const unsigned char* a, const unsigned char* b, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return i + std::size_t(std::countr_zero(x ^ y) / 8); // little-endian: the first byte is lowest
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// List order of two Windows-1252 lines: byte by byte with a-z taken as A-Z, a beginning first.
int compareBytes(QByteArrayView first, QByteArrayView second) {
    const auto* a = reinterpret_cast<const unsigned char*>(first.data());
    const auto* b = reinterpret_cast<const unsigned char*>(second.data());
    const std::size_t n = std::size_t(std::min(first.size(), second.size()));
    const auto fold = [](unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : int(c); };
    for (std::size_t i = commonLength(a, b, n); i < n;
         i += 1 + commonLength(a + i + 1, b + i + 1, n - i - 1)) {
        const int ca = fold(a[i]), cb = fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return first.size() == second.size() ? 0 : (first.size() < second.size() ? -1 : 1);
}

} // namespace

void sortLines(QStringList& lines) {
    const qsizetype n = lines.size();
    if (n < 2)
        return;
    // Each line becomes the bytes of its order codes: one byte a character, as the codes of
    // every Windows-1252 character are. Lines holding another character are compared themselves.
    const OrderTable& table = orderTable();
    std::vector<qsizetype> starts(std::size_t(n) + 1);
    qsizetype total = 0;
    for (qsizetype i = 0; i < n; ++i) {
        starts[std::size_t(i)] = total;
        total += lines[i].size();
    }
    starts[std::size_t(n)] = total;
    QByteArray keys(total, Qt::Uninitialized);
    sys::adviseLargePages(keys.constData(), total);
    char* out = keys.data();
    for (const QString& line : std::as_const(lines)) {
        for (const QChar c : line) {
            const quint32 code = orderCode(c.unicode(), table);
            if (code > 0xFF) {
                std::stable_sort(lines.begin(), lines.end(), lineBefore);
                return;
            }
            *out++ = char(code);
        }
    }
    const auto key = [&](std::uint32_t i) {
        return std::string_view(keys.constData() + starts[i], std::size_t(starts[i + 1] - starts[i]));
    };
    const std::vector<std::uint32_t> order =
        stableOrder(std::size_t(n), [&](std::uint32_t a, std::uint32_t b) { return key(a).compare(key(b)); });
    QStringList sorted;
    sorted.reserve(n);
    for (const std::uint32_t i : order)
        sorted.append(std::move(lines[qsizetype(i)]));
    lines = std::move(sorted);
}

LineBlock::LineBlock()
    : m_starts{0} {}

void LineBlock::reserve(qsizetype lines, qsizetype bytes) {
    m_starts.reserve(std::size_t(lines) + 1);
    m_bytes.reserve(bytes);
    sys::adviseLargePages(m_bytes.constData(), m_bytes.capacity());
}

QByteArrayView LineBlock::line(qsizetype i) const {
    const std::size_t k = m_order.empty() ? std::size_t(i) : m_order[std::size_t(i)];
    return QByteArrayView(m_bytes.constData() + m_starts[k], m_starts[k + 1] - m_starts[k]);
}

void LineBlock::prefetch(qsizetype i) const {
    if (i >= count())
        return;
    const QByteArrayView text = line(i);
    for (qsizetype at = 0; at < text.size(); at += 64)
        __builtin_prefetch(text.data() + at);
}

void LineBlock::sort() {
    const auto text = [this](std::uint32_t i) {
        return QByteArrayView(m_bytes.constData() + m_starts[i], m_starts[i + 1] - m_starts[i]);
    };
    m_order = stableOrder(std::size_t(count()),
                          [&](std::uint32_t a, std::uint32_t b) { return compareBytes(text(a), text(b)); });
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
