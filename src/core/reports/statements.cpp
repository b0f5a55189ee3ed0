#include "core/reports/statements.h"

#include <algorithm>
#include <map>

#include "core/archive/dates.h"
#include "core/archive/numbers.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"

namespace orvelia::statements {

namespace {

using W = TSchedaLavoro;
using E = TSchedaLavoratore;

QString keyOf(const QString& codFisc, const QString& name) {
    const QString code = trimText(codFisc).toUpper();
    return code.isEmpty() ? QStringLiteral("#") + name.toUpper() : code;
}

QString fullName(const QString& surname, const QString& name) {
    return trimText(trimText(surname) + u' ' + trimText(name));
}

QString hoursText(double hours) {
    return normalizeMoney(formatGeneral(roundTo(hours, 2)), 2);
}

} // namespace

Result build(const summary::Request& request, int currentYear, const QString& employeeArchive) {
    Result out;
    struct Gathered {
        Statement statement;
        double amount = 0;
        double hours = 0;
    };
    std::map<QString, Gathered> byWorker;
    out.summary = summary::scan(request, currentYear, [&](const RecordView& r) {
        const QString name = fullName(r[W::Cognome], r[W::Nome]);
        Gathered& g = byWorker[keyOf(r[W::CodFisc], name)];
        if (g.statement.name.isEmpty()) {
            g.statement.name = name;
            g.statement.codFisc = trimText(r[W::CodFisc]);
        }
        Work w;
        w.dateText = trimText(r[W::Data]);
        w.date = parseDate(w.dateText, currentYear).value_or(QDate());
        w.activity = trimText(r[W::Attivita]);
        w.from = trimText(r[W::OraInizio]);
        w.to = trimText(r[W::OraFine]);
        w.hours = trimText(r[W::TotOre]);
        w.rate = trimText(r[W::CompensoOra]);
        w.amount = trimText(r[W::TotDovuto]);
        g.statement.works.append(w);
        // The summary adds the amounts in archive order; so does each statement.
        // (An amount that cannot be read stops the summary, and then no statement is made.)
        g.amount += parseDecimal(r[W::TotDovuto]).value_or(0);
        g.hours += parseDecimal(r[W::TotOre]).value_or(0);
    });
    if (!out.summary.complete())
        return out;

    // The workers' data from the registry, by codice fiscale.
    archive::scan(employeeArchive, E::layout, [&](qint64, const RecordView& r) {
        const QString code = trimText(r[E::CodFisc]).toUpper();
        const auto found = code.isEmpty() ? byWorker.end() : byWorker.find(code);
        if (found == byWorker.end() || found->second.statement.inRegistry)
            return true;
        Statement& s = found->second.statement;
        s.inRegistry = true;
        s.name = fullName(r[E::Cognome], r[E::Nome]);
        const QString town = trimText(trimText(r[E::Cap]) + u' ' + trimText(r[E::ComuneRes]));
        const QString province = trimText(r[E::ProvRes]);
        QStringList parts;
        for (const QString& part : {trimText(r[E::Indirizzo]),
                                    province.isEmpty() ? town : town + QStringLiteral(" (%1)").arg(province)})
            if (!part.isEmpty())
                parts << part;
        s.address = parts.join(QStringLiteral(", "));
        s.iban = trimText(r[E::Iban]);
        return true;
    });

    for (auto& [key, g] : byWorker) {
        Statement& s = g.statement;
        std::stable_sort(s.works.begin(), s.works.end(),
                         [](const Work& a, const Work& b) { return a.date < b.date; });
        s.totalAmount = summary::finishTotal(formatGeneral(g.amount));
        s.totalHours = hoursText(g.hours);
        out.statements.append(std::move(s));
    }
    std::stable_sort(
        out.statements.begin(), out.statements.end(),
        [](const Statement& a, const Statement& b) { return lists::lineBefore(a.name, b.name); });
    return out;
}

QStringList textOf(const Statement& s, const QString& interval) {
    QStringList lines;
    lines << QStringLiteral("PROSPETTO DEI COMPENSI - %1").arg(s.name) << interval;
    lines << QStringLiteral("Codice fiscale: %1").arg(s.codFisc);
    if (!s.address.isEmpty())
        lines << QStringLiteral("Indirizzo: %1").arg(s.address);
    if (!s.iban.isEmpty())
        lines << QStringLiteral("IBAN: %1").arg(s.iban);
    if (!s.inRegistry)
        lines << QStringLiteral("(lavoratore non presente in anagrafica: dati dalle schede dei lavori)");
    for (const Work& w : s.works)
        lines << QStringLiteral("%1  %2  %3-%4  ore %5  \u20AC/ora %6  \u20AC %7")
                     .arg(w.dateText.leftJustified(10), w.activity.leftJustified(40, u' ', true), w.from,
                          w.to, w.hours.rightJustified(6), w.rate.rightJustified(8),
                          w.amount.rightJustified(10));
    lines << QStringLiteral("Totale ore: %1   Totale compensi: \u20AC %2").arg(s.totalHours, s.totalAmount);
    return lines;
}

} // namespace orvelia::statements
