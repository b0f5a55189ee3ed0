#include "windows/registry/tfrmstampaistruttore.h"

#include "core/registry/employeesheet.h"
#include "framework/appearance.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Stampa scheda");
const QString kHeading = QStringLiteral("Stampa scheda");
const QString kExplanation =
    QStringLiteral("La scheda anagrafica del lavoratore visualizzato, con i dati così come appaiono "
                   "sullo schermo, verrà stampata su un foglio A4 verticale.");
const QString kStampa = QStringLiteral("Stampa");
const QString kDocumentName = QStringLiteral("Orvelia - Scheda anagrafica lavoratore");

const QString kTitle = QStringLiteral("SCHEDA ANAGRAFICA LAVORATORE");
} // namespace

sheet::Form employeeSheetForm() {
    sheet::Form form;
    form.title = kTitle;
    form.rows = sheetRows(registry::employeeSheetRows());
    form.frame = sheet::RowFrame::Boxed;
    form.fit = sheet::Fit::Cut;
    form.family = QString::fromLatin1(kFontSans);
    form.boldLabels = true;
    // Rows 5 mm apart, each in its own box with a thin clear space below it.
    form.rowHeightMm = 4.4;
    form.rowGapMm = 0.6;
    return form;
}

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget* caller)
    : SheetPrintWindow(
          caller,
          {"TfrmStampaIstruttore", kCaption, kHeading, kExplanation, QStringLiteral("stampa"), kStampa},
          employeeSheetForm()) {}

void TfrmStampaIstruttore::output() {
    report::print(repDocumento.document(), this, kDocumentName);
}

} // namespace orvelia
