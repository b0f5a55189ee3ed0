#include "windows/export/tfrmexplavori.h"

#include "framework/commandbar.h"
#include "windows/help/tfrmguida.h"

#include <QFileInfo>
#include <QLabel>

#include "core/archive/text.h"

namespace orvelia {

namespace {

const QString kCaption = QStringLiteral(" Esporta registro lavori in Microsoft Excel");
const QString kSubtitle = QStringLiteral("Registro lavori %1");

// colNum, then one column for each exported column, in the same order.
const GridColumn kGrid[] = {
    {"colNum", 60, true},           {"colData", 120, false},      {"colLuogo", 250, true},
    {"colLavoratore", 250, false},  {"colCodFisc", 200, true},    {"colRecapito", 200, true},
    {"colMansione", 250, true},     {"colCategoria", 250, false}, {"colAttivita", 350, false},
    {"colOraInizio", 120, false},   {"colOraFine", 120, false},   {"colTotOre", 120, false},
    {"colCompensoOra", 180, false}, {"colTotDovuto", 180, false}, {"colNomeProg", 250, false},
    {"colCodiceProg", 200, false},  {"colAmbito", 250, false},    {"colPostazione", 250, false},
    {"colMateriali", 350, false},   {"colNote", 350, false},      {"colIncompleto", 150, false},
};

} // namespace

TfrmExpLavori::TfrmExpLavori(QWidget* caller, const QString& yearFile)
    : ExportWindow(caller, "TfrmExpLavori", kCaption, kWorkExport, kGrid, yearFile,
                   kSubtitle.arg(QFileInfo(yearFile).completeBaseName()).trimmed()) {
    connect(cmdGuida, &CommandButton::clicked, this, [this] { showHelp(this, HelpPage::WorkExport); });
}

} // namespace orvelia
