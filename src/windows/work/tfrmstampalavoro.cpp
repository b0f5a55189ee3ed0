#include "windows/work/tfrmstampalavoro.h"

#include "core/work/worksheet.h"
#include "framework/appearance.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Stampa scheda");
const QString kHeading = QStringLiteral("Stampa scheda");
const QString kExplanation =
    QStringLiteral("La scheda della prestazione visualizzata, con i dati così come appaiono sullo "
                   "schermo, verrà stampata su un foglio A4 verticale.");
const QString kStampa = QStringLiteral("Stampa");
const QString kDocumentName = QStringLiteral("Orvelia - Scheda prestazione lavorativa");

const QString kTitle = QStringLiteral("SCHEDA PRESTAZIONE LAVORATIVA");
} // namespace

sheet::Form workSheetForm() {
    sheet::Form form;
    form.title = kTitle;
    form.rows = sheetRows(work::workSheetRows());
    form.frame = sheet::RowFrame::Ruled;
    form.fit = sheet::Fit::ShrinkThenElide;
    form.family = QString::fromLatin1(kFontSans);
    form.pointSize = 8.5;
    form.minimumPointSize = 6;
    form.labelWidthMm = 50;
    form.valueGapMm = 1.5;
    form.rowHeightMm = 11.5;
    form.titleHeightMm = 13;
    form.footerHeightMm = 9;
    form.sectionGapMm = 5;
    return form;
}

TfrmStampaLavoro::TfrmStampaLavoro(QWidget* caller)
    : SheetPrintWindow(
          caller, {"TfrmStampaLavoro", kCaption, kHeading, kExplanation, QStringLiteral("stampa"), kStampa},
          workSheetForm()) {}

void TfrmStampaLavoro::output() {
    report::print(repDocumento.document(), this, kDocumentName);
}

} // namespace orvelia
