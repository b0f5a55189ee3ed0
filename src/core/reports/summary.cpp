#include "core/reports/summary.h"

#include <QFileInfo>

#include "core/archive/cp1252.h"
#include "core/archive/dates.h"
#include "core/archive/numbers.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/work/worklines.h"

namespace orvelia::summary {

namespace {
const QString kYearDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kStartDayMissing = QStringLiteral(
    "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kStartMonthMissing =
    QStringLiteral("Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kEndDayMissing =
    QStringLiteral("Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kEndMonthMissing =
    QStringLiteral("Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kValidDateNeeded =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");

QString missingDate(const QString& date, const char* which) {
    return QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" di ") +
           QString::fromLatin1(which) + QStringLiteral(" intervallo non esiste.") + kValidDateNeeded;
}

QString endBeforeStart(const QString& start, const QString& end) {
    return QStringLiteral("Attenzione: la data di fine intervallo (") + end +
           QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") + start +
           QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
                          "intervallo di tempo valido.");
}

// A composed date always carries its year, so the current year never completes it.
constexpr int kAnyYear = 2000;

QString composeDate(const QString& day, const QString& month, const QString& year) {
    return trimText(day) + u'/' + monthNumber(month) + u'/' + trimText(year);
}
} // namespace

const QStringList& monthNames() {
    static const QStringList names{
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return names;
}

QString monthNumber(const QString& name) {
    const QString wanted = trimText(name);
    for (int i = 0; i < monthNames().size(); ++i)
        if (monthNames()[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return QString::number(i + 1).rightJustified(2, u'0');
    return QStringLiteral("00");
}

CriteriaCheck checkCriteria(const Criteria& c) {
    CriteriaCheck out;
    auto refuse = [&out](const QString& text, bool warning, CriteriaFocus focus) {
        out.refusal = CriteriaRefusal{text, warning, focus};
        return out;
    };
    if (c.year.size() != 4)
        return refuse(kYearDigits, true, CriteriaFocus::Anno);
    if (trimText(c.startDay).isEmpty())
        return refuse(kStartDayMissing, true, CriteriaFocus::GiornoInizio);
    if (trimText(c.startMonth).isEmpty())
        return refuse(kStartMonthMissing, true, CriteriaFocus::MeseInizio);
    if (trimText(c.endDay).isEmpty())
        return refuse(kEndDayMissing, true, CriteriaFocus::GiornoFine);
    if (trimText(c.endMonth).isEmpty())
        return refuse(kEndMonthMissing, true, CriteriaFocus::MeseFine);

    out.startDate = composeDate(c.startDay, c.startMonth, c.startYear);
    const auto start = parseDate(out.startDate, kAnyYear);
    if (!start)
        return refuse(missingDate(out.startDate, "inizio"), false, CriteriaFocus::GiornoInizio);
    out.endDate = composeDate(c.endDay, c.endMonth, c.endYear);
    const auto end = parseDate(out.endDate, kAnyYear);
    if (!end)
        return refuse(missingDate(out.endDate, "fine"), false, CriteriaFocus::GiornoFine);
    if (*start > *end)
        return refuse(endBeforeStart(out.startDate, out.endDate), false, CriteriaFocus::Stay);
    return out;
}

QString workerLabel(const QString& filter) {
    const QString trimmed = trimText(filter);
    return trimmed.isEmpty() ? kAllWorkers : trimmed;
}

QString intervalText(const QString& startDate, const QString& endDate) {
    return QStringLiteral("Dal   ") + startDate + QStringLiteral("   al   ") + endDate;
}

bool matchesWorker(const QString& codFisc, const QString& filter) {
    return lists::lowerAscii(codFisc).contains(lists::lowerAscii(filter));
}

QString printTitle(const QString& workerLabel) {
    return QStringLiteral("Riepilogo compensi   -   C.F. lavoratore:  ") + trimText(workerLabel);
}

QStringList closingLines(const QString& interval, const QString& total) {
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            QStringLiteral("INTERVALLO SELEZIONATO:    ") + trimText(interval),
            QStringLiteral("TOTALE COMPENSI:           € ") + trimText(total)};
}

QString finishTotal(const QString& runningText) {
    QString text = trimText(runningText);
    if (text.isEmpty())
        return kEmptyTotal;
    // Four decimals take away the residue of the binary sum (0,1 + 0,1 + 0,1).
    if (const auto value = parseDecimal(text))
        text = formatGeneral(roundTo(*value, 4));
    if (!text.contains(u','))
        text += QStringLiteral(",00");
    if (trimText(text) == QStringLiteral(","))
        text = kEmptyTotal;
    if (text.startsWith(u','))
        text = u'0' + trimText(text);
    if (text.endsWith(u','))
        text = trimText(text) + QStringLiteral("00");
    if (text.size() >= 2 && text.at(text.size() - 2) == u',' && text.back().isDigit())
        text = trimText(text) + u'0';
    return text;
}

Result scan(const Request& request, int currentYear, const std::function<void(const RecordView&)>& listed) {
    using F = TSchedaLavoro;
    Result out;
    out.workerLabel = workerLabel(request.workerFilter);
    out.total = kEmptyTotal;
    const bool filtered = !trimText(request.workerFilter).isEmpty();
    const auto start = parseDate(request.startDate, currentYear);
    const auto end = parseDate(request.endDate, currentYear);
    if (!start || !end)
        return out;

    double sum = 0;
    bool any = false;
    out.error = archive::scan(request.yearFile, F::layout, [&](qint64 number, const RecordView& r) {
        if (filtered && !matchesWorker(r[F::CodFisc], request.workerFilter))
            return true;
        auto stopAt = [&](UnreadableRecord::What what) {
            out.unreadable = UnreadableRecord{
                what,          number,
                r[F::Data],    trimText(trimText(r[F::Cognome]) + u' ' + trimText(r[F::Nome])),
                r[F::CodFisc], r[F::TotDovuto]};
            return false;
        };
        const auto date = parseStoredDate(r.raw(F::Data), currentYear);
        if (!date)
            return stopAt(UnreadableRecord::What::Date);
        if (*date < *start || *date > *end)
            return true;
        // The line is listed before its amount is read: a record whose amount cannot be read is
        // the last line of the incomplete list.
        listed(r);
        const auto amount = parseDecimal(r[F::TotDovuto]);
        if (!amount)
            return stopAt(UnreadableRecord::What::Amount);
        sum += *amount;
        any = true;
        return true;
    });
    if (!out.complete())
        return out;
    out.interval = intervalText(request.startDate, request.endDate);
    // The running sum is written in the general number form once a line is listed.
    out.total = finishTotal(any ? formatGeneral(sum) : QString());
    return out;
}

Result build(const Request& request, int currentYear) {
    QStringList lines;
    Result out = scan(request, currentYear, [&lines](const RecordView& r) { lines << work::workLine(r); });
    out.lines = std::move(lines);
    return out;
}

QString unreadableMessage(const UnreadableRecord& r, const QString& yearFile) {
    const QString file = QFileInfo(yearFile).fileName();
    const QString what = r.what == UnreadableRecord::What::Date
                             ? QStringLiteral("la data \"%1\" non è una data valida").arg(r.date)
                             : QStringLiteral("l'importo dovuto \"%1\" non è un numero (usare la virgola "
                                              "come separatore decimale)")
                                   .arg(r.amount);
    const QString worker = r.worker.isEmpty()    ? r.codFisc
                           : r.codFisc.isEmpty() ? r.worker
                                                 : r.worker + QStringLiteral(", C.F. ") + r.codFisc;
    return QStringLiteral(
               "Attenzione: il riepilogo è incompleto.\n\r\n\rNella scheda numero %1 dell'archivio "
               "%2 (data %3, lavoratore %4) %5.\n\r\n\rLe schede successive non sono state "
               "esaminate e il totale non è stato calcolato. Correggere la scheda dalla "
               "registrazione lavori e ripetere il riepilogo.")
        .arg(QString::number(r.number), file, r.date.isEmpty() ? QStringLiteral("non indicata") : r.date,
             worker.isEmpty() ? QStringLiteral("non indicato") : worker, what);
}

} // namespace orvelia::summary
