#include "windows/export/tfrmexpistruttori.h"

#include "framework/commandbar.h"
#include "windows/help/tfrmguida.h"

#include "core/archive/paths.h"

namespace orvelia {

namespace {

const QString kCaption = QStringLiteral(" Esporta archivio lavoratori in Microsoft Excel");
const QString kSubtitle = QStringLiteral("Anagrafica lavoratori");

// colNum, then one column for each exported column, in the same order.
const GridColumn kGrid[] = {
    {"colNum", 60, true},        {"colDipendente", 250, true},   {"colCodFisc", 150, true},
    {"colDataNasc", 120, true},  {"colComuneNasc", 250, true},   {"colIva", 150, false},
    {"colIndirizzo", 250, true}, {"colComuneRes", 250, false},   {"colRecapito", 200, true},
    {"colTelCasa", 200, false},  {"colTelCel", 200, true},       {"colEmail", 250, true},
    {"colCategoria", 250, true}, {"colQualifiche", 250, true},   {"colFamiliari", 300, true},
    {"colIban", 250, false},     {"colIntestatario", 250, true}, {"colPagamento", 250, true},
    {"colProdotti", 300, true},  {"colTipoDoc", 250, false},     {"colNumDoc", 200, false},
    {"colEnteRil", 250, false},  {"colDataRil", 200, false},     {"colDataSca", 200, true},
    {"colCodice", 250, false},   {"colNote", 300, false},
};

} // namespace

TfrmExpIstruttori::TfrmExpIstruttori(QWidget* caller)
    : ExportWindow(caller, "TfrmExpIstruttori", kCaption, kEmployeeExport, kGrid,
                   employeeArchivePath(programFolder()), kSubtitle) {
    connect(cmdGuida, &CommandButton::clicked, this, [this] { showHelp(this, HelpPage::RegistryExport); });
}

} // namespace orvelia
