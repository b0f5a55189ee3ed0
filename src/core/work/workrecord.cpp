#include "core/work/workrecord.h"

#include "core/archive/text.h"
#include "core/work/pay.h"

namespace orvelia {

std::optional<WorkSaveRefusal> checkWorkForSave(const Record& r) {
    using F = TSchedaLavoro;
    const QString required = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const struct {
        F::Field field;
        const char* what;
    } present[] = {
        {F::Data, "la data della prestazione lavorativa."},
        {F::Cognome, "il cognome del lavoratore."},
        {F::Nome, "il nome del lavoratore."},
        {F::CodFisc, "il codice fiscale del lavoratore."},
        {F::Attivita, "l'attività svolta dal lavoratore."},
    };
    for (const auto& p : present) {
        if (trimText(r[p.field]).isEmpty())
            return WorkSaveRefusal{required + QString::fromUtf8(p.what), p.field};
    }
    const auto start = readTimeOfDay(r[F::DaOre], r[F::DaMin]);
    const auto end = readTimeOfDay(r[F::AOre], r[F::AMin]);
    if (start && end && *start > *end)
        return WorkSaveRefusal{kStartAfterEndMessage, F::DaOre};
    return std::nullopt;
}

} // namespace orvelia
