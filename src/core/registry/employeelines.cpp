#include "core/registry/employeelines.h"

#include "core/archive/dates.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"

namespace orvelia::registry {

namespace {
using F = TSchedaLavoratore;
using lists::fitText;

QString nameColumn(const QString& cognome, const QString& nome, int width) {
    return fitText(trimText(cognome) + u' ' + trimText(nome), width);
}
} // namespace

QString searchLine(const QString& cognome, const QString& nome, const QString& codFisc, const QString& codice,
                   const QString& recapito, const QString& note) {
    return nameColumn(cognome, nome, 28) + QStringLiteral("  C.F. ") + fitText(trimText(codFisc), 16) +
           QStringLiteral("  Mans. ") + fitText(trimText(codice), 24) + QStringLiteral("  Tel. ") +
           fitText(trimText(recapito), 14) + QStringLiteral("  Note: ") + trimText(note);
}

QString expiryLine(const QString& cognome, const QString& nome, const QString& recapito,
                   const QString& scadenza, const QString& totale, const QString& rata,
                   const QString& acquisto) {
    return nameColumn(cognome, nome, 30) + QStringLiteral("  Tel. ") + fitText(trimText(recapito), 12) +
           QStringLiteral("  Scad. ") + fitText(trimText(scadenza), 10) + QStringLiteral("  Tot. € ") +
           fitText(trimText(totale), 12) + QStringLiteral("  Rata: € ") + fitText(trimText(rata), 12) +
           QStringLiteral("  Tipo: ") + trimText(acquisto);
}

EmployeeSearch::EmployeeSearch(const std::array<QString, 10>& typed) {
    for (std::size_t i = 0; i < typed.size(); ++i) {
        // A box of blanks only is not in use; letting it hit would list records
        // that miss the filters the user did fill in.
        if (!trimText(typed[i]).isEmpty())
            m_keys.append({int(kSearchFields[i]), lists::lowerAscii(typed[i])});
    }
}

bool EmployeeSearch::matches(const RecordView& record) const {
    for (const Key& key : m_keys) {
        if (!lists::lowerAscii(record.text(key.field)).contains(key.text))
            return false;
    }
    return true;
}

ArchiveResult<QStringList> searchEmployees(const QString& path, const EmployeeSearch& search) {
    QStringList lines;
    const ArchiveError error = archive::scan(path, F::layout, [&](qint64, const RecordView& record) {
        if (search.matches(record))
            lines.append(searchLine(record));
        return true;
    });
    if (error != ArchiveError::None)
        return error;
    return lines;
}

ContractState contractState(const QString& scadenza, const QString& notice, const QDate& today) {
    const std::optional<QDate> expiry = parseDate(scadenza, today.year());
    const QString days = trimText(notice);
    bool whole = false;
    const int noticeDays = days.toInt(&whole, 10);
    if (!expiry || !whole)
        return ContractState::Unreadable;
    return expiry->addDays(-noticeDays) <= today ? ContractState::Due : ContractState::NotDue;
}

ExpiringContracts expiringContracts(const QString& path, const QDate& today) {
    ExpiringContracts out;
    out.error = archive::scan(path, F::layout, [&](qint64 number, const RecordView& record) {
        switch (contractState(record[F::Scadenza], record[F::Preavviso], today)) {
        case ContractState::Due:
            out.lines.append(expiryLine(record));
            break;
        case ContractState::Unreadable:
            out.unreadable.append(number);
            break;
        case ContractState::NotDue:
            break;
        }
        return true;
    });
    return out;
}

} // namespace orvelia::registry
