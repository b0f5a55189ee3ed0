#include "core/registry/employeelines.h"

#include <algorithm>

#include "core/archive/dates.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/lists/quickfind.h"

namespace orvelia::registry {

namespace {
using F = TSchedaLavoratore;

// The lines are built in one buffer: a search of a large archive builds one per record.
void appendColumn(QString& line, const QString& text, int width) {
    const QString trimmed = trimText(text);
    const qsizetype kept = std::min<qsizetype>(trimmed.size(), width);
    line.append(QStringView(trimmed).left(kept));
    line.resize(line.size() + (width - kept), u' ');
}

void appendNames(QString& line, const QString& cognome, const QString& nome, int width) {
    const qsizetype start = line.size();
    line.append(trimText(cognome));
    line.append(u' ');
    line.append(trimText(nome));
    if (line.size() - start > width)
        line.truncate(start + width);
    else
        line.resize(start + width, u' ');
}
} // namespace

QString searchLine(const QString& cognome, const QString& nome, const QString& codFisc, const QString& codice,
                   const QString& recapito, const QString& note) {
    QString line;
    line.reserve(28 + 7 + 16 + 8 + 24 + 7 + 14 + 8 + note.size());
    appendNames(line, cognome, nome, 28);
    line.append(QLatin1String("  C.F. "));
    appendColumn(line, codFisc, 16);
    line.append(QLatin1String("  Mans. "));
    appendColumn(line, codice, 24);
    line.append(QLatin1String("  Tel. "));
    appendColumn(line, recapito, 14);
    line.append(QLatin1String("  Note: "));
    line.append(trimText(note));
    return line;
}

QString expiryLine(const QString& cognome, const QString& nome, const QString& recapito,
                   const QString& scadenza, const QString& totale, const QString& rata,
                   const QString& acquisto) {
    QString line;
    line.reserve(30 + 7 + 12 + 8 + 10 + 9 + 12 + 10 + 12 + 8 + acquisto.size());
    appendNames(line, cognome, nome, 30);
    line.append(QLatin1String("  Tel. "));
    appendColumn(line, recapito, 12);
    line.append(QLatin1String("  Scad. "));
    appendColumn(line, scadenza, 10);
    line.append(QStringLiteral("  Tot. € "));
    appendColumn(line, totale, 12);
    line.append(QStringLiteral("  Rata: € "));
    appendColumn(line, rata, 12);
    line.append(QLatin1String("  Tipo: "));
    line.append(trimText(acquisto));
    return line;
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
        if (!lists::lineContains(record.text(key.field), key.text))
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

namespace {

// The positions named one by one; a badly damaged archive is summed up after them.
QString positionList(const QList<qint64>& positions) {
    constexpr qsizetype kNamedPositions = 20;
    QStringList named;
    for (qsizetype i = 0; i < positions.size() && i < kNamedPositions; ++i)
        named << QString::number(positions[i]);
    QString list = named.join(QStringLiteral(", "));
    if (positions.size() > kNamedPositions)
        list = QStringLiteral("%1 e di altre %2 schede").arg(list).arg(positions.size() - kNamedPositions);
    return list;
}

} // namespace

QString unreadableExpiryMessage(const QList<qint64>& positions) {
    return QStringLiteral(
               "Attenzione: non è stato possibile valutare la scadenza delle schede in posizione %1.")
        .arg(positionList(positions));
}

QString documentLine(const QString& cognome, const QString& nome, const QString& tipoDoc,
                     const QString& numDoc, const QString& dataSca, qint64 daysLeft) {
    QString line;
    line.reserve(8 + 30 + 7 + 20 + 5 + 16 + 8 + 10 + 10 + 5);
    line.append(daysLeft < 0 ? QLatin1String("Scaduto ") : QLatin1String("Valido  "));
    appendNames(line, cognome, nome, 30);
    line.append(QLatin1String("  Doc. "));
    appendColumn(line, tipoDoc, 20);
    line.append(QLatin1String("  N. "));
    appendColumn(line, numDoc, 16);
    line.append(QLatin1String("  Scad. "));
    appendColumn(line, dataSca, 10);
    line.append(QLatin1String("  Giorni: "));
    line.append(QString::number(daysLeft).rightJustified(5));
    return line;
}

std::optional<qint64> documentDaysLeft(const QString& dataSca, const QDate& today) {
    const std::optional<QDate> expiry = parseDate(dataSca, today.year());
    if (!expiry)
        return std::nullopt;
    return today.daysTo(*expiry);
}

DocumentsDue documentsDue(const QString& path, const QDate& today, int days) {
    using F = TSchedaLavoratore;
    DocumentsDue out;
    out.error = archive::scan(path, F::layout, [&](qint64 number, const RecordView& record) {
        if (trimText(record[F::DataSca]).isEmpty())
            return true;
        if (!documentDaysLeft(record[F::DataSca], today))
            out.unreadable.append(number);
        else if (QString line = documentLine(record, today, days); !line.isEmpty())
            out.lines.append(line);
        return true;
    });
    return out;
}

QString unreadableDocumentMessage(const QList<qint64>& positions) {
    return QStringLiteral("Attenzione: non è stato possibile leggere la data di scadenza del documento delle "
                          "schede in posizione %1.")
        .arg(positionList(positions));
}

} // namespace orvelia::registry
