#include "core/registry/employeesheet.h"

#include <array>

namespace orvelia::registry {

namespace {

using F = TSchedaLavoratore;

// Two fields of a row are joined by one blank.
constexpr std::array<SheetSource, 41> kSources = {{
    {{"Cognome e nome:", "txtIstruttore"}, F::Cognome, F::Nome, u' '},
    {{"Codice fiscale:", "txtCodFisc"}, F::CodFisc},
    {{"Sesso:", "txtSesso"}, F::Sesso},
    {{"Data di nascita:", "txtDataNasc"}, F::DataNasc},
    {{"Comune di nascita:", "txtComuneNasc"}, F::ComuneNasc, F::ProvNasc, u' '},
    {{"Partita IVA:", "txtIva"}, F::Iva},
    {{"Via e numero civico:", "txtIndirizzo"}, F::Indirizzo},
    {{"CAP:", "txtCap"}, F::Cap},
    {{"Comune di residenza:", "txtComuneRes"}, F::ComuneRes, F::ProvRes, u' '},
    {{"Stato civile:", "txtStato"}, F::Stato},
    {{"Giorni e orari disponibilità:", "txtFamiliari"}, F::Familiari},
    {{"Telefono preferenziale:", "txtRecapito"}, F::Recapito},
    {{"Tel. casa:", "txtTelCasa"}, F::TelCasa},
    {{"Tel cellulare:", "txtTelCel"}, F::TelCel},
    {{"Tel. ufficio:", "txtTelUff"}, F::TelUff},
    {{"Fax:", "txtFax"}, F::Fax},
    {{"E-mail:", "txtEmail"}, F::Email},
    {{"Qualifica principale:", "txtQualifiche"}, F::Qualifiche},
    {{"Altri titoli:", "txtProfessione"}, F::Professione},
    {{"IBAN:", "txtIban"}, F::Iban},
    {{"Intestatario C/C:", "txtIntestatario"}, F::Intestatario},
    {{"Banca:", "txtBanca"}, F::Banca},
    {{"Carta di credito n.", "txtCarta"}, F::Carta},
    {{"Scadenza carta di credito:", "txtScadeCarta"}, F::ScadeCarta},
    {{"Equipaggiamento assegnato:", "txtProdotti"}, F::Prodotti},
    {{"Modalità di pagamento:", "txtPagamento"}, F::Pagamento},
    {{"Note:", "txtNote"}, F::Note},
    {{"Tipo documento:", "txtTipoDoc"}, F::TipoDoc},
    {{"Numero documento:", "txtNumDoc"}, F::NumDoc},
    {{"Ente di rilascio:", "txtEnteRil"}, F::EnteRil},
    {{"Data di rilascio:", "txtDataRil"}, F::DataRil},
    {{"Data di scadenza:", "txtDataSca"}, F::DataSca},
    {{"Mansione:", "txtCodice"}, F::Codice},
    {{"Categoria:", "txtCategoria"}, F::Categoria},
    {{"Livello:", "txtZona"}, F::Zona},
    {{"Tipo di contratto:", "txtAcquisto"}, F::Acquisto},
    {{"Data assunzione:", "txtDecorrenza"}, F::Decorrenza},
    {{"Prossima scadenza:", "txtScadenza"}, F::Scadenza},
    {{"Compenso totale: €", "txtTotale"}, F::Totale},
    {{"Frazionamento:", "txtFrazionamento"}, F::Frazionamento},
    {{"Importo rata: €", "txtRata"}, F::Rata},
}};

const std::array<SheetRow, kSources.size()> kRows = [] {
    std::array<SheetRow, kSources.size()> rows{};
    fillSheetRows(kSources, rows);
    return rows;
}();

} // namespace

std::span<const SheetRow> employeeSheetRows() {
    return kRows;
}

QStringList employeeSheetValues(const Record& record) {
    return sheetValues(kSources, record);
}

} // namespace orvelia::registry
