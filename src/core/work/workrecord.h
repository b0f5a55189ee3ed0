#pragma once

#include <optional>

#include <QString>

#include "core/archive/layout.h"

namespace orvelia {

/// Why a work record cannot be saved, and which field receives the focus.
struct WorkSaveRefusal {
    QString text;
    int focusField;
    bool operator==(const WorkSaveRefusal&) const = default;
};

/// The checks before a work record is saved: date, surname, first name, codice
/// fiscale and activity present, and the start not later than the end.
std::optional<WorkSaveRefusal> checkWorkForSave(const Record& record);

inline const QString kStartAfterEndMessage =
    QStringLiteral("Attenzione: l'ora di inizio lavoro non può essere posteriore a quella di fine lavoro.");
inline const QString kDuplicateRefusedMessage =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
                   "inserita in archivio.");
inline const QString kDuplicatedMessage =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
                   "premere Salva per "
                   "inserire la scheda in archivio.");
inline const QString kYearDigitsMessage =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

} // namespace orvelia
