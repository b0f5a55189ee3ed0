#include "windows/registry/tfrmanteprimaistruttore.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Anteprima di stampa");
const QString kHeading = QStringLiteral("Anteprima di stampa");
const QString kExplanation =
    QStringLiteral("La scheda anagrafica del lavoratore visualizzato, con i dati così come appaiono "
                   "sullo schermo, verrà mostrata come sarà stampata. Dall'anteprima è possibile "
                   "stamparla.");
const QString kMostraAnteprima = QStringLiteral("Mostra anteprima");
const QString kPreviewCaption = QStringLiteral("Anteprima di stampa - Scheda anagrafica lavoratore");
} // namespace

TfrmAnteprimaIstruttore::TfrmAnteprimaIstruttore(QWidget* caller)
    : SheetPrintWindow(caller,
                       {"TfrmAnteprimaIstruttore", kCaption, kHeading, kExplanation,
                        QStringLiteral("anteprima"), kMostraAnteprima},
                       employeeSheetForm()) {}

void TfrmAnteprimaIstruttore::output() {
    report::preview(repDocumento.document(), this, kPreviewCaption);
}

} // namespace orvelia
