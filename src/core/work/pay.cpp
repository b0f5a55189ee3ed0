#include "core/work/pay.h"

#include <cstdlib>

#include "core/archive/numbers.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {

std::optional<int> readPart(const QString& text, int limit) {
    const QString t = trimText(text);
    if (t.isEmpty() || t.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value >= limit)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> readTimeOfDay(const QString& hours, const QString& minutes) {
    const auto h = readPart(hours, 24);
    const auto m = readPart(minutes, 60);
    if (!h || !m)
        return std::nullopt;
    return *h * 60 + *m;
}

QString moneyForm(const QString& text) {
    QString t = text;
    if (!t.contains(u','))
        t += QStringLiteral(",00");
    if (trimText(t) == QLatin1String(","))
        t = QStringLiteral("0,00");
    if (t.startsWith(u','))
        t = u'0' + trimText(t);
    if (t.endsWith(u','))
        t = trimText(t) + QStringLiteral("00");
    if (t.size() >= 2 && t.at(t.size() - 2) == u',' && t.back().isDigit() && t.back().unicode() < 128)
        t = trimText(t) + u'0';
    return t;
}

HoursResult computeHours(const QString& daOre, const QString& daMin, const QString& aOre,
                         const QString& aMin) {
    const auto start = readTimeOfDay(daOre, daMin);
    const auto end = readTimeOfDay(aOre, aMin);
    if (!start || !end)
        return {HoursResult::TimeUnreadable, QString()};
    if (*start > *end)
        return {HoursResult::StartAfterEnd, QString()};
    const long long ms = std::llabs(static_cast<long long>(*end - *start)) * 60000;
    double hours = double(ms) / 3600;
    hours = hours / 1000;
    return {HoursResult::Done, formatGeneral(roundTo(hours, 2))};
}

AmountResult computeAmount(const QString& daOre, const QString& daMin, const QString& aOre,
                           const QString& aMin, const PayTexts& shown) {
    AmountResult result;
    result.texts = shown;
    PayTexts& t = result.texts;
    const auto fail = [&] {
        result.failed = true;
        t = {QStringLiteral("0"), QStringLiteral("0,00"), QStringLiteral("0,00")};
        return result;
    };

    const HoursResult hours = computeHours(daOre, daMin, aOre, aMin);
    if (hours.outcome == HoursResult::TimeUnreadable)
        return fail();
    if (hours.outcome == HoursResult::StartAfterEnd)
        result.startAfterEnd = true;
    else
        t.totOre = hours.hours;
    if (trimText(t.totOre).isEmpty())
        t.totOre = QStringLiteral("0");

    const auto a = parseDecimal(t.totOre);
    const auto b = parseDecimal(t.compensoOra);
    if (!a || !b)
        return fail();
    t.totDovuto = formatGeneral(*a * *b);
    if (!trimText(t.compensoOra).isEmpty())
        t.compensoOra = formatGeneral(roundTo(*b, 2));
    t.compensoOra = moneyForm(t.compensoOra);
    if (!trimText(t.totDovuto).isEmpty()) {
        const auto due = parseDecimal(t.totDovuto);
        if (!due)
            return fail();
        t.totDovuto = formatGeneral(roundTo(*due, 2));
    }
    t.totDovuto = moneyForm(t.totDovuto);
    return result;
}

} // namespace orvelia
