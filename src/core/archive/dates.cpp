#include "core/archive/dates.h"

#include "core/archive/cp1252.h"

namespace orvelia {

namespace {

class DateScanner {
public:
    explicit DateScanner(const QString& text)
        : m_text(text) {}

    void skipBlanks() {
        while (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
            ++m_pos;
    }

    // Reads a run of digits, stopping once the value reaches 1000.
    bool number(int& value, int& digits) {
        skipBlanks();
        value = 0;
        digits = 0;
        while (m_pos < m_text.size() && value < 1000) {
            const QChar c = m_text.at(m_pos);
            if (c < u'0' || c > u'9')
                break;
            value = value * 10 + (c.unicode() - u'0');
            ++digits;
            ++m_pos;
        }
        return digits > 0;
    }

    bool separator() {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'/') {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool atEnd() {
        skipBlanks();
        return m_pos >= m_text.size();
    }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
};

int windowedYear(int twoDigits, int currentYear) {
    const int first = currentYear - 50;
    int year = (first / 100) * 100 + twoDigits;
    if (year < first)
        year += 100;
    return year;
}

} // namespace

std::optional<QDate> parseDate(const QString& text, int currentYear) {
    DateScanner s(text);
    int day = 0, month = 0, year = currentYear, digits = 0;
    if (!s.number(day, digits) || !s.separator() || !s.number(month, digits))
        return std::nullopt;
    if (!s.atEnd()) {
        if (!s.separator() || !s.number(year, digits))
            return std::nullopt;
        if (digits <= 2)
            year = windowedYear(year, currentYear);
        if (!s.atEnd() && (!s.separator() || !s.atEnd()))
            return std::nullopt;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> parseStoredDate(QByteArrayView bytes, int currentYear) {
    // The form the program writes, "dd/mm/yyyy", read at once; any other text goes through the check.
    const QByteArrayView text = cp1252::trimmed(bytes);
    const auto digit = [&text](int i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() == 10 && text[2] == '/' && text[5] == '/' && digit(0) && digit(1) && digit(3) &&
        digit(4) && digit(6) && digit(7) && digit(8) && digit(9)) {
        const auto value = [&text](int i, int n) {
            int v = 0;
            for (int k = i; k < i + n; ++k)
                v = v * 10 + (text[k] - '0');
            return v;
        };
        const int day = value(0, 2), month = value(3, 2), year = value(6, 4);
        if (year < 1 || month < 1 || month > 12 || day < 1)
            return std::nullopt;
        const QDate date(year, month, day);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    return parseDate(cp1252::decode(text.data(), int(text.size())), currentYear);
}

QString formatDate(const QDate& date) {
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace orvelia
