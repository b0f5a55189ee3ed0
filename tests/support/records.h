#pragma once

#include <map>

#include <QString>

#include "core/archive/layout.h"

namespace orvelia::test {

/**
 * A record whose every field is full to its capacity, with accented letters and the euro sign
 * (all held by Windows-1252) and no blank at either end; @p fixed gives the fields a command
 * checks (dates, numbers) their own values.
 */
inline Record fullRecord(const RecordLayout& layout, const std::map<int, QString>& fixed = {}) {
    Record record(layout);
    for (int i = 0; i < int(layout.fields.size()); ++i) {
        const FieldSpec& spec = layout.fields[std::size_t(i)];
        QString text = QString::fromLatin1(spec.name) + QStringLiteral(" àèìòù € ");
        while (text.size() < spec.capacity)
            text += QString::number(text.size() % 10);
        text.truncate(spec.capacity);
        if (text.endsWith(u' '))
            text.back() = u'z';
        record.at(i) = text;
    }
    for (const auto& [field, value] : fixed)
        record.at(field) = value;
    return record;
}

/// A work of Mario Rossi, or of the worker named, with what the payment summaries read of it.
inline Record workRecord(const QString& activity, const QString& date, const QString& codFisc,
                         const QString& amount, const QString& surname = QStringLiteral("Rossi"),
                         const QString& name = QStringLiteral("Mario")) {
    using F = TSchedaLavoro;
    Record r(F::layout);
    r[F::Attivita] = activity;
    r[F::Data] = date;
    r[F::Cognome] = surname;
    r[F::Nome] = name;
    r[F::CodFisc] = codFisc;
    r[F::Recapito] = QStringLiteral("3331234567");
    r[F::TotDovuto] = amount;
    return r;
}

} // namespace orvelia::test
