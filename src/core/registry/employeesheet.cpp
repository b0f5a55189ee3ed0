#include "core/registry/employeesheet.h"

#include <array>

#include "core/archive/text.h"

namespace orvelia::registry {

namespace {

using F = TSchedaLavoratore;

// A row and where its value comes from: one field, or two joined by a blank.
struct Source {
    SheetRow row;
    F::Field first;
    int second; ///< -1: the field alone
};

constexpr std::array<Source, 41> kSources = {{
    {{"Cognome e nome:", "txtIstruttore"}, F::Cognome, F::Nome},
    {{"Codice fiscale:", "txtCodFisc"}, F::CodFisc, -1},
    {{"Sesso:", "txtSesso"}, F::Sesso, -1},
    {{"Data di nascita:", "txtDataNasc"}, F::DataNasc, -1},
    {{"Comune di nascita:", "txtComuneNasc"}, F::ComuneNasc, F::ProvNasc},
    {{"Partita IVA:", "txtIva"}, F::Iva, -1},
    {{"Via e numero civico:", "txtIndirizzo"}, F::Indirizzo, -1},
    {{"CAP:", "txtCap"}, F::Cap, -1},
    {{"Comune di residenza:", "txtComuneRes"}, F::ComuneRes, F::ProvRes},
    {{"Stato civile:", "txtStato"}, F::Stato, -1},
    {{"Giorni e orari disponibilità:", "txtFamiliari"}, F::Familiari, -1},
    {{"Telefono preferenziale:", "txtRecapito"}, F::Recapito, -1},
    {{"Tel. casa:", "txtTelCasa"}, F::TelCasa, -1},
    {{"Tel cellulare:", "txtTelCel"}, F::TelCel, -1},
    {{"Tel. ufficio:", "txtTelUff"}, F::TelUff, -1},
    {{"Fax:", "txtFax"}, F::Fax, -1},
    {{"E-mail:", "txtEmail"}, F::Email, -1},
    {{"Qualifica principale:", "txtQualifiche"}, F::Qualifiche, -1},
    {{"Altri titoli:", "txtProfessione"}, F::Professione, -1},
    {{"IBAN:", "txtIban"}, F::Iban, -1},
    {{"Intestatario C/C:", "txtIntestatario"}, F::Intestatario, -1},
    {{"Banca:", "txtBanca"}, F::Banca, -1},
    {{"Carta di credito n.", "txtCarta"}, F::Carta, -1},
    {{"Scadenza carta di credito:", "txtScadeCarta"}, F::ScadeCarta, -1},
    {{"Equipaggiamento assegnato:", "txtProdotti"}, F::Prodotti, -1},
    {{"Modalità di pagamento:", "txtPagamento"}, F::Pagamento, -1},
    {{"Note:", "txtNote"}, F::Note, -1},
    {{"Tipo documento:", "txtTipoDoc"}, F::TipoDoc, -1},
    {{"Numero documento:", "txtNumDoc"}, F::NumDoc, -1},
    {{"Ente di rilascio:", "txtEnteRil"}, F::EnteRil, -1},
    {{"Data di rilascio:", "txtDataRil"}, F::DataRil, -1},
    {{"Data di scadenza:", "txtDataSca"}, F::DataSca, -1},
    {{"Mansione:", "txtCodice"}, F::Codice, -1},
    {{"Categoria:", "txtCategoria"}, F::Categoria, -1},
    {{"Livello:", "txtZona"}, F::Zona, -1},
    {{"Tipo di contratto:", "txtAcquisto"}, F::Acquisto, -1},
    {{"Data assunzione:", "txtDecorrenza"}, F::Decorrenza, -1},
    {{"Prossima scadenza:", "txtScadenza"}, F::Scadenza, -1},
    {{"Compenso totale: €", "txtTotale"}, F::Totale, -1},
    {{"Frazionamento:", "txtFrazionamento"}, F::Frazionamento, -1},
    {{"Importo rata: €", "txtRata"}, F::Rata, -1},
}};

const std::array<SheetRow, kSources.size()> kRows = [] {
    std::array<SheetRow, kSources.size()> rows{};
    for (std::size_t i = 0; i < kSources.size(); ++i)
        rows[i] = kSources[i].row;
    return rows;
}();

} // namespace

std::span<const SheetRow> employeeSheetRows() {
    return kRows;
}

QStringList employeeSheetValues(const Record& record) {
    QStringList values;
    values.reserve(qsizetype(kSources.size()));
    for (const Source& s : kSources) {
        QString value = trimText(record[s.first]);
        if (s.second >= 0)
            value += u' ' + trimText(record.at(s.second));
        values << value;
    }
    return values;
}

} // namespace orvelia::registry
