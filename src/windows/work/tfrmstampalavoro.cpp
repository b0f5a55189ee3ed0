#include "windows/work/tfrmstampalavoro.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/archive/text.h"
#include "framework/appearance.h"
#include "windows/work/tfrmlavori.h"

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
const std::vector<sheet::Row> kRows = {
    {QStringLiteral("Data prestazione:"), QStringLiteral("txtData")},
    {QStringLiteral("Sede operativa:"), QStringLiteral("txtLuogo")},
    {QStringLiteral("Cognome e nome lavoratore:"), QStringLiteral("txtLavoratore")},
    {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc")},
    {QStringLiteral("Telefono preferenziale:"), QStringLiteral("txtRecapito")},
    {QStringLiteral("Mansione:"), QStringLiteral("txtMansione")},
    {QStringLiteral("Categoria:"), QStringLiteral("txtCategoria")},
    {QStringLiteral("Attività svolta:"), QStringLiteral("txtAttivita")},
    {QStringLiteral("Ora inizio:"), QStringLiteral("txtOraInizio")},
    {QStringLiteral("Ora fine:"), QStringLiteral("txtOraFine")},
    {QStringLiteral("Totale ore:"), QStringLiteral("txtTotOre")},
    {QStringLiteral("Compenso orario: €"), QStringLiteral("txtCompensoOra")},
    {QStringLiteral("Totale dovuto: €"), QStringLiteral("txtTotDovuto")},
    {QStringLiteral("Nome progetto:"), QStringLiteral("txtNomeProg")},
    {QStringLiteral("Codice identificativo:"), QStringLiteral("txtCodiceProg")},
    {QStringLiteral("Ambito:"), QStringLiteral("txtAmbitoProg")},
    {QStringLiteral("Postazione di lavoro:"), QStringLiteral("txtPostazione")},
    {QStringLiteral("Materiali e strumenti:"), QStringLiteral("txtMateriali")},
    {QStringLiteral("Note:"), QStringLiteral("txtNote")},
};

QString trimmed(const QLineEdit* box) {
    return trimText(box->text());
}
QString trimmed(const QComboBox* box) {
    return trimText(box->currentText());
}
} // namespace

sheet::Form workSheetForm() {
    sheet::Form form;
    form.title = kTitle;
    form.rows = kRows;
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

void fillWorkSheet(sheet::Sheet& sheet, const TfrmLavori& w, const QDateTime& when) {
    sheet.document().page.orientation = QPageLayout::Portrait;
    const std::vector<std::pair<const char*, QString>> values = {
        {"txtData", trimmed(w.txtData)},
        {"txtLuogo", trimmed(w.txtLuogo)},
        {"txtLavoratore", trimmed(w.txtCognome) + QStringLiteral(" ") + trimmed(w.txtNome)},
        {"txtCodFisc", trimmed(w.txtCodFisc)},
        {"txtRecapito", trimmed(w.txtRecapito)},
        {"txtMansione", trimmed(w.txtMansione)},
        {"txtCategoria", trimmed(w.txtCategoria)},
        {"txtAttivita", trimmed(w.txtAttivita)},
        {"txtOraInizio", trimmed(w.txtDaOre) + QStringLiteral(":") + trimmed(w.txtDaMin)},
        {"txtOraFine", trimmed(w.txtAOre) + QStringLiteral(":") + trimmed(w.txtAMin)},
        {"txtTotOre", trimmed(w.txtTotOre)},
        {"txtCompensoOra", trimmed(w.txtCompensoOra)},
        {"txtTotDovuto", trimmed(w.txtTotDovuto)},
        {"txtNomeProg", trimmed(w.txtNomeProg)},
        {"txtCodiceProg", trimmed(w.txtCodiceProg)},
        {"txtAmbitoProg", trimmed(w.txtAmbitoProg)},
        {"txtPostazione", trimmed(w.txtPostazione)},
        {"txtMateriali", trimmed(w.txtMateriali)},
        {"txtNote", trimmed(w.txtNote)},
    };
    for (const auto& [memo, value] : values)
        sheet.setValue(QString::fromLatin1(memo), value);
    sheet.setPrintingTime(when);
}

TfrmStampaLavoro::TfrmStampaLavoro(QWidget* caller)
    : SheetPrintWindow(
          caller, {"TfrmStampaLavoro", kCaption, kHeading, kExplanation, QStringLiteral("stampa"), kStampa},
          workSheetForm())
    , m_work(qobject_cast<TfrmLavori*>(caller)) {}

void TfrmStampaLavoro::fillSheet(const QDateTime& when) {
    if (m_work)
        fillWorkSheet(repDocumento, *m_work, when);
}

void TfrmStampaLavoro::output() {
    report::print(repDocumento.document(), this, kDocumentName);
}

} // namespace orvelia
