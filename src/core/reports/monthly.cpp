#include "core/reports/monthly.h"

#include <QStringList>

#include "core/archive/cp1252.h"
#include "core/archive/layout.h"
#include "core/archive/numbers.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {

const QString kUnreadableAmount =
    QStringLiteral("Attenzione: l'importo dovuto della scheda n. %1 (data %2, lavoratore %3) non è un "
                   "numero leggibile.\n\r\n\rIl calcolo delle statistiche è stato interrotto: correggere "
                   "l'importo nel registro dei lavori e ripetere l'operazione.");
const QString kUnreadableDates =
    QStringLiteral("Attenzione: le schede seguenti non sono state conteggiate perché la data della "
                   "prestazione non è nella forma gg/mm/aaaa:\n\r\n\r%1\n\r\n\rCorreggere la data nel "
                   "registro dei lavori per includerle nelle statistiche.");
const QString kDateLine = QStringLiteral("scheda n. %1 (data %2, lavoratore %3)");
const QString kMoreDates = QStringLiteral("... e altre %1 schede.");
constexpr int kListedDates = 10;

bool isDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

char16_t byteAt(QByteArrayView bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes[i]);
}

SkippedWorkRecord describeRecord(qint64 number, const RecordView& record) {
    const QString worker = trimText(record[TSchedaLavoro::Cognome] + u' ' + record[TSchedaLavoro::Nome]);
    return {number, record[TSchedaLavoro::Data], worker};
}

QString describeLine(const SkippedWorkRecord& record) {
    return kDateLine.arg(record.number).arg(record.date, record.worker);
}

} // namespace

MonthPlace placeInMonth(const QString& data, const QString& year, int* month) {
    const QString date = trimText(data) + QString(10, u' ');
    const QString monthText = trimText(date.mid(3, 2));
    const QString yearText = trimText(date.mid(6, 4));
    const bool monthOk =
        monthText.size() == 2 && isDigits(monthText) && monthText.toInt() >= 1 && monthText.toInt() <= 12;
    if (monthOk && yearText == trimText(year)) {
        if (month)
            *month = monthText.toInt();
        return MonthPlace::Counted;
    }
    // A complete dd/mm/yyyy text of another year belongs elsewhere; anything else cannot be placed.
    const QString whole = trimText(data);
    const bool wellFormed = whole.size() == 10 && whole[2] == u'/' && whole[5] == u'/' &&
                            isDigits(whole.left(2)) && isDigits(whole.mid(6, 4)) && monthOk;
    return wellFormed ? MonthPlace::OtherYear : MonthPlace::Unreadable;
}

MonthPlace placeInMonth(QByteArrayView stored, const QString& year, int* month) {
    qsizetype first = 0;
    qsizetype last = stored.size();
    while (first < last && byteAt(stored, first) <= 0x20)
        ++first;
    while (last > first && byteAt(stored, last - 1) <= 0x20)
        --last;
    const QByteArrayView whole = stored.sliced(first, last - first);
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (byteAt(whole, i) >= 0x80) // decoded differently: the text's way
            return placeInMonth(trimText(cp1252::decode(stored.data(), int(stored.size()))), year, month);
    }
    // As in placeInMonth: the trimmed date followed by blanks, month at 4-5 and year at 7-10.
    auto at = [&](qsizetype k) { return k < whole.size() ? byteAt(whole, k) : char16_t(u' '); };
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    const int monthValue = (at(3) - u'0') * 10 + (at(4) - u'0');
    const bool monthOk = isDigit(at(3)) && isDigit(at(4)) && monthValue >= 1 && monthValue <= 12;
    if (monthOk) {
        qsizetype yearFirst = 6;
        qsizetype yearLast = 10;
        while (yearFirst < yearLast && at(yearFirst) <= 0x20)
            ++yearFirst;
        while (yearLast > yearFirst && at(yearLast - 1) <= 0x20)
            --yearLast;
        qsizetype askedFirst = 0;
        qsizetype askedLast = year.size();
        while (askedFirst < askedLast && year.at(askedFirst).unicode() <= 0x20)
            ++askedFirst;
        while (askedLast > askedFirst && year.at(askedLast - 1).unicode() <= 0x20)
            --askedLast;
        bool sameYear = yearLast - yearFirst == askedLast - askedFirst;
        for (qsizetype i = 0; sameYear && i < yearLast - yearFirst; ++i)
            sameYear = at(yearFirst + i) == year.at(askedFirst + i).unicode();
        if (sameYear) {
            if (month)
                *month = monthValue;
            return MonthPlace::Counted;
        }
    }
    const bool wellFormed = whole.size() == 10 && at(2) == u'/' && at(5) == u'/' && isDigit(at(0)) &&
                            isDigit(at(1)) && isDigit(at(6)) && isDigit(at(7)) && isDigit(at(8)) &&
                            isDigit(at(9)) && monthOk;
    return wellFormed ? MonthPlace::OtherYear : MonthPlace::Unreadable;
}

MonthlyTotals scanMonthlyTotals(const QString& path, const QString& year) {
    MonthlyTotals totals;
    totals.error = archive::scan(path, TSchedaLavoro::layout, [&](qint64 number, const RecordView& record) {
        int month = 0;
        switch (placeInMonth(record.raw(TSchedaLavoro::Data), year, &month)) {
        case MonthPlace::OtherYear:
            return true;
        case MonthPlace::Unreadable:
            totals.unreadableDates.push_back(describeRecord(number, record));
            return true;
        case MonthPlace::Counted:
            break;
        }
        const auto amount = parseStoredDecimal(record.raw(TSchedaLavoro::TotDovuto));
        if (!amount) {
            totals.unreadableAmount = describeRecord(number, record);
            return false;
        }
        totals.sums[std::size_t(month - 1)] += *amount;
        return true;
    });
    return totals;
}

double roundToEuro(double sum) {
    // The sum goes through its general number form first, as it is shown, so 2,4999999999999996
    // (written 2,5) becomes 3 like the text the user would read.
    return roundTo(parseDecimal(formatGeneral(sum)).value_or(0.0), 0);
}

QString unreadableAmountMessage(const SkippedWorkRecord& record) {
    return kUnreadableAmount.arg(record.number).arg(record.date, record.worker);
}

QString unreadableDatesMessage(const std::vector<SkippedWorkRecord>& records) {
    QStringList lines;
    for (std::size_t i = 0; i < records.size() && i < std::size_t(kListedDates); ++i)
        lines << describeLine(records[i]);
    if (records.size() > std::size_t(kListedDates))
        lines << kMoreDates.arg(records.size() - std::size_t(kListedDates));
    return kUnreadableDates.arg(lines.join(QStringLiteral("\n\r")));
}

} // namespace orvelia
