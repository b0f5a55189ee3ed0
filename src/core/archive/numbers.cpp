#include "core/archive/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/archive/cp1252.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {

// The reading of parseDecimal over @p n characters whose codes charAt(k) gives, so that texts and
// bytes are read by one implementation.
template <typename CharAt> std::optional<double> readDecimal(qsizetype n, CharAt charAt) {
    std::string ascii; // the number in C form, with '.'
    ascii.reserve(std::size_t(n));
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < n ? char16_t(charAt(k)) : char16_t(0); };
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };

    while (at(i) == u' ')
        ++i;
    if (at(i) == u'+' || at(i) == u'-') {
        if (at(i) == u'-')
            ascii += '-';
        ++i;
    }
    bool mantissaDigits = false;
    while (isDigit(at(i))) {
        ascii += char(at(i++));
        mantissaDigits = true;
    }
    bool comma = false;
    if (at(i) == u',') {
        comma = true;
        ++i;
        ascii += '.';
        while (isDigit(at(i))) {
            ascii += char(at(i++));
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits && !comma)
        return std::nullopt;
    if (!mantissaDigits)
        ascii += '0'; // "," alone is zero
    if (at(i) == u'E' || at(i) == u'e') {
        ++i;
        ascii += 'e';
        if (at(i) == u'+' || at(i) == u'-')
            ascii += char(at(i++));
        if (!isDigit(at(i)))
            return std::nullopt;
        while (isDigit(at(i)))
            ascii += char(at(i++));
    }
    while (at(i) == u' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // from_chars does not take a leading '.'
    if (ascii.starts_with('.'))
        ascii.insert(ascii.begin(), '0');
    else if (ascii.starts_with("-."))
        ascii.insert(ascii.begin() + 1, '0');
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseDecimal(const QString& text) {
    return readDecimal(text.size(), [&](qsizetype k) { return text.at(k).unicode(); });
}

std::optional<double> parseDecimal(QByteArrayView bytes) {
    return readDecimal(bytes.size(), [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); });
}

std::optional<double> parseStoredDecimal(QByteArrayView stored) {
    qsizetype first = 0;
    qsizetype last = stored.size();
    while (first < last && static_cast<unsigned char>(stored[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(stored[last - 1]) <= 0x20)
        --last;
    const QByteArrayView trimmed = stored.sliced(first, last - first);
    // Below 0x80 a byte decodes to the character of the same code; anything else takes the text's way.
    if (std::all_of(trimmed.begin(), trimmed.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return parseDecimal(trimmed);
    return parseDecimal(trimText(cp1252::decode(stored.data(), int(stored.size()))));
}

QString formatGeneral(double value) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // d.dddddddddddddde±x, correctly rounded to 15 significant digits
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    const bool negative = sci.front() == '-';
    if (negative)
        sci.erase(0, 1);
    const auto ePos = sci.find('e');
    const int exponent = std::stoi(sci.substr(ePos + 1));
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    const bool exponentForm = exponent >= 15 || std::fabs(value) < 1e-5;
    if (exponentForm) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += ',' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (std::size_t(exponent) + 1 >= digits.size()) {
        out = digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, std::size_t(exponent) + 1) + ',' + digits.substr(std::size_t(exponent) + 1);
    }
    if (negative)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

double roundTo(double value, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    const long double shifted = static_cast<long double>(value) * scale + 0.5L;
    return static_cast<double>(std::trunc(shifted) / scale);
}

QString normalizeMoney(const QString& text, int decimals) {
    const QString zero = QStringLiteral("0,00");
    if (trimText(text).isEmpty())
        return zero;
    const auto value = parseDecimal(text);
    if (!value)
        return zero;
    QString out = formatGeneral(roundTo(*value, decimals));
    const qsizetype comma = out.indexOf(u',');
    if (comma < 0)
        out += QStringLiteral(",00");
    else if (out.size() - comma == 2)
        out += u'0';
    return out;
}

} // namespace orvelia
