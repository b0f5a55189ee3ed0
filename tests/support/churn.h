#pragma once

#include <optional>

#include <QString>

#include "core/archive/layout.h"

namespace orvelia::test {

/// The record a churning writer saves as its @p i-th save: every field tells @p i, so a record
/// made of two saves' halves is seen.
inline Record churnRecord(int i) {
    Record r(TSchedaLavoro::layout);
    const QString tag = QString::number(i);
    for (int f = 0; f < TSchedaLavoro::FieldCount; ++f) {
        const int capacity = TSchedaLavoro::kFields[std::size_t(f)].capacity;
        QString text = tag;
        while (text.size() + tag.size() + 1 <= capacity)
            text += u'.' + tag;
        r.at(f) = text.left(capacity);
    }
    return r;
}

/// The save a record comes from when it is whole, or nothing when it mixes saves.
inline std::optional<int> churnSaveOf(const Record& r) {
    bool number = false;
    const int i = r[TSchedaLavoro::Cognome].section(u'.', 0, 0).toInt(&number);
    if (!number || !(r == churnRecord(i)))
        return std::nullopt;
    return i;
}

} // namespace orvelia::test
