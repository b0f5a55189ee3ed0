#include "core/reports/monthly.h"

#include <QStringList>

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

MonthlyTotals scanMonthlyTotals(const QString& path, const QString& year) {
    MonthlyTotals totals;
    totals.error = archive::scan(path, TSchedaLavoro::layout, [&](qint64 number, const RecordView& record) {
        int month = 0;
        switch (placeInMonth(record[TSchedaLavoro::Data], year, &month)) {
        case MonthPlace::OtherYear:
            return true;
        case MonthPlace::Unreadable:
            totals.unreadableDates.push_back(describeRecord(number, record));
            return true;
        case MonthPlace::Counted:
            break;
        }
        const auto amount = parseDecimal(record[TSchedaLavoro::TotDovuto]);
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
