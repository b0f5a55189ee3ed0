#include "core/work/worksheet.h"

#include <array>

namespace orvelia::work {

namespace {

using F = TSchedaLavoro;

constexpr std::array<SheetSource, 19> kSources = {{
    {{"Data prestazione:", "txtData"}, F::Data},
    {{"Sede operativa:", "txtLuogo"}, F::Luogo},
    {{"Cognome e nome lavoratore:", "txtLavoratore"}, F::Cognome, F::Nome, u' '},
    {{"Codice fiscale:", "txtCodFisc"}, F::CodFisc},
    {{"Telefono preferenziale:", "txtRecapito"}, F::Recapito},
    {{"Mansione:", "txtMansione"}, F::Mansione},
    {{"Categoria:", "txtCategoria"}, F::Categoria},
    {{"Attività svolta:", "txtAttivita"}, F::Attivita},
    {{"Ora inizio:", "txtOraInizio"}, F::DaOre, F::DaMin, u':'},
    {{"Ora fine:", "txtOraFine"}, F::AOre, F::AMin, u':'},
    {{"Totale ore:", "txtTotOre"}, F::TotOre},
    {{"Compenso orario: €", "txtCompensoOra"}, F::CompensoOra},
    {{"Totale dovuto: €", "txtTotDovuto"}, F::TotDovuto},
    {{"Nome progetto:", "txtNomeProg"}, F::NomeProg},
    {{"Codice identificativo:", "txtCodiceProg"}, F::CodiceProg},
    {{"Ambito:", "txtAmbitoProg"}, F::AmbitoProg},
    {{"Postazione di lavoro:", "txtPostazione"}, F::Postazione},
    {{"Materiali e strumenti:", "txtMateriali"}, F::Materiali},
    {{"Note:", "txtNote"}, F::Note},
}};

const std::array<SheetRow, kSources.size()> kRows = [] {
    std::array<SheetRow, kSources.size()> rows{};
    fillSheetRows(kSources, rows);
    return rows;
}();

} // namespace

std::span<const SheetRow> workSheetRows() {
    return kRows;
}

QStringList workSheetValues(const Record& record) {
    return sheetValues(kSources, record);
}

} // namespace orvelia::work
