#include "core/work/worksheet.h"

#include <array>

#include "core/archive/text.h"

namespace orvelia::work {

namespace {

using F = TSchedaLavoro;

// A row and where its value comes from: one field, or two joined by @p joint.
struct Source {
    registry::SheetRow row;
    F::Field first;
    int second; ///< -1: the field alone
    char16_t joint;
};

constexpr std::array<Source, 19> kSources = {{
    {{"Data prestazione:", "txtData"}, F::Data, -1, 0},
    {{"Sede operativa:", "txtLuogo"}, F::Luogo, -1, 0},
    {{"Cognome e nome lavoratore:", "txtLavoratore"}, F::Cognome, F::Nome, u' '},
    {{"Codice fiscale:", "txtCodFisc"}, F::CodFisc, -1, 0},
    {{"Telefono preferenziale:", "txtRecapito"}, F::Recapito, -1, 0},
    {{"Mansione:", "txtMansione"}, F::Mansione, -1, 0},
    {{"Categoria:", "txtCategoria"}, F::Categoria, -1, 0},
    {{"Attività svolta:", "txtAttivita"}, F::Attivita, -1, 0},
    {{"Ora inizio:", "txtOraInizio"}, F::DaOre, F::DaMin, u':'},
    {{"Ora fine:", "txtOraFine"}, F::AOre, F::AMin, u':'},
    {{"Totale ore:", "txtTotOre"}, F::TotOre, -1, 0},
    {{"Compenso orario: €", "txtCompensoOra"}, F::CompensoOra, -1, 0},
    {{"Totale dovuto: €", "txtTotDovuto"}, F::TotDovuto, -1, 0},
    {{"Nome progetto:", "txtNomeProg"}, F::NomeProg, -1, 0},
    {{"Codice identificativo:", "txtCodiceProg"}, F::CodiceProg, -1, 0},
    {{"Ambito:", "txtAmbitoProg"}, F::AmbitoProg, -1, 0},
    {{"Postazione di lavoro:", "txtPostazione"}, F::Postazione, -1, 0},
    {{"Materiali e strumenti:", "txtMateriali"}, F::Materiali, -1, 0},
    {{"Note:", "txtNote"}, F::Note, -1, 0},
}};

const std::array<registry::SheetRow, kSources.size()> kRows = [] {
    std::array<registry::SheetRow, kSources.size()> rows{};
    for (std::size_t i = 0; i < kSources.size(); ++i)
        rows[i] = kSources[i].row;
    return rows;
}();

} // namespace

std::span<const registry::SheetRow> workSheetRows() {
    return kRows;
}

QStringList workSheetValues(const Record& record) {
    QStringList values;
    values.reserve(qsizetype(kSources.size()));
    for (const Source& s : kSources) {
        QString value = trimText(record[s.first]);
        if (s.second >= 0)
            value += QChar(s.joint) + trimText(record.at(s.second));
        values << value;
    }
    return values;
}

} // namespace orvelia::work
