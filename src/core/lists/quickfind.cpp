#include "core/lists/quickfind.h"

#include "core/lists/lines.h"

namespace orvelia::lists {

namespace {
inline char16_t foldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}
} // namespace

bool lineContains(QStringView line, QStringView key) {
    const qsizetype m = key.size();
    const qsizetype n = line.size();
    if (m == 0 || m > n)
        return false;
    const char16_t* l = line.utf16();
    const char16_t* k = key.utf16();
    const char16_t first = k[0];
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (foldAscii(l[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < m && foldAscii(l[i + j]) == k[j])
            ++j;
        if (j == m)
            return true;
    }
    return false;
}

QuickFind::Result QuickFind::next(const QStringList& lines, qsizetype selected, const QString& typed) {
    const qsizetype n = lines.size();
    if (n == 0)
        return {};
    if (selected < 0 || selected >= n)
        selected = 0;
    const QString key = lowerAscii(typed);
    const qsizetype start = key == m_key ? (selected + 1) % n : 0;
    m_key = key;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype row = (start + i) % n;
        if (lineContains(lines.at(row), key))
            return {row, true};
    }
    return {selected, false};
}

} // namespace orvelia::lists
