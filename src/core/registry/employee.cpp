#include "core/registry/employee.h"

#include "core/archive/dates.h"
#include "core/archive/text.h"

namespace orvelia {

const QStringList& provinceAbbreviations() {
    static const QStringList list = QStringLiteral("AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ "
                                                   "CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE "
                                                   "FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC "
                                                   "MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD "
                                                   "PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA "
                                                   "SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA "
                                                   "VB VC VE VI VR VT VV")
                                        .split(u' ');
    return list;
}

std::optional<SaveRefusal> checkEmployeeForSave(const Record& record, int currentYear) {
    using F = TSchedaLavoratore;
    const QString cognome = trimText(record[F::Cognome]);
    const QString nome = trimText(record[F::Nome]);
    const QString decorrenza = trimText(record[F::Decorrenza]);
    const QString scadenza = trimText(record[F::Scadenza]);
    const QString preavviso = trimText(record[F::Preavviso]);
    const QString required = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const QString validDate = QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
                                             "indicare una data valida nel formato gg/mm/aaaa.");

    if (cognome.isEmpty())
        return SaveRefusal{SaveRefusal::Warning, required + QStringLiteral("il cognome del lavoratore."),
                           F::Cognome};
    if (nome.isEmpty())
        return SaveRefusal{SaveRefusal::Warning, required + QStringLiteral("il nome del lavoratore."),
                           F::Nome};
    if (decorrenza.isEmpty())
        return SaveRefusal{SaveRefusal::Warning,
                           required + QStringLiteral("la data di decorrenza del contratto di assunzione."),
                           F::Decorrenza};
    if (scadenza.isEmpty())
        return SaveRefusal{SaveRefusal::Warning,
                           required + QStringLiteral("la data di scadenza del contratto di assunzione."),
                           F::Scadenza};
    const auto start = parseDate(decorrenza, currentYear);
    if (!start)
        return SaveRefusal{SaveRefusal::Plain,
                           QStringLiteral("Attenzione: la data di decorrenza del contratto ") + decorrenza +
                               validDate,
                           F::Decorrenza};
    const auto end = parseDate(scadenza, currentYear);
    if (!end)
        return SaveRefusal{SaveRefusal::Plain,
                           QStringLiteral("Attenzione: la data di scadenza del contratto ") + scadenza +
                               validDate,
                           F::Scadenza};
    if (*start > *end)
        return SaveRefusal{
            SaveRefusal::Plain,
            QStringLiteral("Attenzione: la data di scadenza del contratto (") + scadenza +
                QStringLiteral(") non può essere anteriore a quella di decorrenza (") + decorrenza +
                QStringLiteral(").\n\r\n\rPer poter salvare la scheda è necessario indicare un "
                               "intervallo di tempo valido."),
            -1};
    if (preavviso.isEmpty())
        return SaveRefusal{SaveRefusal::Warning, required + QStringLiteral("i giorni di preavviso."),
                           F::Preavviso};
    return std::nullopt;
}

} // namespace orvelia
