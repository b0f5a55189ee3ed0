#include "windows/registry/tfrmstampaistruttore.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/text.h"
#include "framework/appearance.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/registry/tfrmistruttori.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Stampa scheda");
const QString kHeading = QStringLiteral("Stampa scheda");
const QString kSubtitle = QStringLiteral("Scheda anagrafica del lavoratore");
const QString kExplanation =
    QStringLiteral("La scheda anagrafica del lavoratore visualizzato, con i dati così come appaiono "
                   "sullo schermo, verrà stampata su un foglio A4 verticale.");
const QString kStampa = QStringLiteral("Stampa");
const QString kAnnulla = QStringLiteral("Annulla");
const QString kDocumentName = QStringLiteral("Orvelia - Scheda anagrafica lavoratore");

const QString kTitle = QStringLiteral("SCHEDA ANAGRAFICA LAVORATORE");
const std::vector<sheet::Row> kRows = {
    {QStringLiteral("Cognome e nome:"), QStringLiteral("txtIstruttore")},
    {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc")},
    {QStringLiteral("Sesso:"), QStringLiteral("txtSesso")},
    {QStringLiteral("Data di nascita:"), QStringLiteral("txtDataNasc")},
    {QStringLiteral("Comune di nascita:"), QStringLiteral("txtComuneNasc")},
    {QStringLiteral("Partita IVA:"), QStringLiteral("txtIva")},
    {QStringLiteral("Via e numero civico:"), QStringLiteral("txtIndirizzo")},
    {QStringLiteral("CAP:"), QStringLiteral("txtCap")},
    {QStringLiteral("Comune di residenza:"), QStringLiteral("txtComuneRes")},
    {QStringLiteral("Stato civile:"), QStringLiteral("txtStato")},
    {QStringLiteral("Giorni e orari disponibilità:"), QStringLiteral("txtFamiliari")},
    {QStringLiteral("Telefono preferenziale:"), QStringLiteral("txtRecapito")},
    {QStringLiteral("Tel. casa:"), QStringLiteral("txtTelCasa")},
    {QStringLiteral("Tel cellulare:"), QStringLiteral("txtTelCel")},
    {QStringLiteral("Tel. ufficio:"), QStringLiteral("txtTelUff")},
    {QStringLiteral("Fax:"), QStringLiteral("txtFax")},
    {QStringLiteral("E-mail:"), QStringLiteral("txtEmail")},
    {QStringLiteral("Qualifica principale:"), QStringLiteral("txtQualifiche")},
    {QStringLiteral("Altri titoli:"), QStringLiteral("txtProfessione")},
    {QStringLiteral("IBAN:"), QStringLiteral("txtIban")},
    {QStringLiteral("Intestatario C/C:"), QStringLiteral("txtIntestatario")},
    {QStringLiteral("Banca:"), QStringLiteral("txtBanca")},
    {QStringLiteral("Carta di credito n."), QStringLiteral("txtCarta")},
    {QStringLiteral("Scadenza carta di credito:"), QStringLiteral("txtScadeCarta")},
    {QStringLiteral("Equipaggiamento assegnato:"), QStringLiteral("txtProdotti")},
    {QStringLiteral("Modalità di pagamento:"), QStringLiteral("txtPagamento")},
    {QStringLiteral("Note:"), QStringLiteral("txtNote")},
    {QStringLiteral("Tipo documento:"), QStringLiteral("txtTipoDoc")},
    {QStringLiteral("Numero documento:"), QStringLiteral("txtNumDoc")},
    {QStringLiteral("Ente di rilascio:"), QStringLiteral("txtEnteRil")},
    {QStringLiteral("Data di rilascio:"), QStringLiteral("txtDataRil")},
    {QStringLiteral("Data di scadenza:"), QStringLiteral("txtDataSca")},
    {QStringLiteral("Mansione:"), QStringLiteral("txtCodice")},
    {QStringLiteral("Categoria:"), QStringLiteral("txtCategoria")},
    {QStringLiteral("Livello:"), QStringLiteral("txtZona")},
    {QStringLiteral("Tipo di contratto:"), QStringLiteral("txtAcquisto")},
    {QStringLiteral("Data assunzione:"), QStringLiteral("txtDecorrenza")},
    {QStringLiteral("Prossima scadenza:"), QStringLiteral("txtScadenza")},
    {QStringLiteral("Compenso totale: €"), QStringLiteral("txtTotale")},
    {QStringLiteral("Frazionamento:"), QStringLiteral("txtFrazionamento")},
    {QStringLiteral("Importo rata: €"), QStringLiteral("txtRata")},
};

QString trimmed(const QLineEdit* box) {
    return trimText(box->text());
}
QString trimmed(const QComboBox* box) {
    return trimText(box->currentText());
}
} // namespace

SheetPrintWindow::SheetPrintWindow(QWidget* caller, const Setup& setup, sheet::Form form)
    : ToolWindow(caller, setup.className, setup.caption)
    , repDocumento(std::move(form)) {
    auto* header = new BrandHeader(setup.heading, repDocumento.form().title, this, 72);

    auto* picture = new ClickablePicture(QStringLiteral("imgStampante"), iconPath(setup.icon), this);
    picture->setDecorative(true);
    picture->setFixedSize(48, 48);
    auto* explanation = new QLabel(setup.explanation, this);
    explanation->setObjectName(QStringLiteral("lblIstruzioni"));
    explanation->setWordWrap(true);
    explanation->setStyleSheet(QStringLiteral("color: #3C4A5A;"));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #D8DEE6;"));

    btnStampa = new QPushButton(QIcon(iconPath(setup.icon)), setup.action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnnulla = new QPushButton(QIcon(iconPath(QStringLiteral("chiudi"))), kAnnulla, this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {btnStampa, btnAnnulla}) {
        b->setMinimumSize(120, 30);
        b->setIconSize(QSize(18, 18));
    }
    btnStampa->setDefault(true);

    auto* message = new QHBoxLayout;
    message->setSpacing(16);
    message->addWidget(picture, 0, Qt::AlignTop);
    message->addWidget(explanation, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(26, 18, 26, 18);
    body->setSpacing(12);
    body->addLayout(message);
    body->addWidget(rule);
    body->addLayout(buttons);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(header);
    root->addLayout(body);
    setMinimumWidth(470);

    setTabOrder(btnStampa, btnAnnulla);
    connect(btnStampa, &QPushButton::clicked, this, &SheetPrintWindow::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void SheetPrintWindow::btnStampaClick() {
    fillSheet(Platform::instance().now());
    output();
    accept();
}

sheet::Form employeeSheetForm() {
    sheet::Form form;
    form.title = kTitle;
    form.rows = kRows;
    form.frame = sheet::RowFrame::Boxed;
    form.fit = sheet::Fit::Cut;
    form.family = QString::fromLatin1(kFontSans);
    form.boldLabels = true;
    // Rows 5 mm apart, each in its own box with a thin clear space below it.
    form.rowHeightMm = 4.4;
    form.rowGapMm = 0.6;
    return form;
}

void fillEmployeeSheet(sheet::Sheet& sheet, const TfrmIstruttori& r, const QDateTime& when) {
    sheet.document().page.orientation = QPageLayout::Portrait;
    const auto joined = [](const QString& first, const QString& second) {
        return first + QStringLiteral(" ") + second;
    };
    const std::vector<std::pair<const char*, QString>> values = {
        {"txtIstruttore", joined(trimmed(r.txtCognome), trimmed(r.txtNome))},
        {"txtCodFisc", trimmed(r.txtCodFisc)},
        {"txtSesso", trimmed(r.txtSesso)},
        {"txtDataNasc", trimmed(r.txtDataNasc)},
        {"txtComuneNasc", joined(trimmed(r.txtComuneNasc), trimmed(r.txtProvNasc))},
        {"txtIva", trimmed(r.txtIva)},
        {"txtIndirizzo", trimmed(r.txtIndirizzo)},
        {"txtCap", trimmed(r.txtCap)},
        {"txtComuneRes", joined(trimmed(r.txtComuneRes), trimmed(r.txtProvRes))},
        {"txtStato", trimmed(r.txtStato)},
        {"txtFamiliari", trimmed(r.txtFamiliari)},
        {"txtRecapito", trimmed(r.txtRecapito)},
        {"txtTelCasa", trimmed(r.txtTelCasa)},
        {"txtTelCel", trimmed(r.txtTelCel)},
        {"txtTelUff", trimmed(r.txtTelUff)},
        {"txtFax", trimmed(r.txtFax)},
        {"txtEmail", trimmed(r.txtEmail)},
        {"txtQualifiche", trimmed(r.txtQualifiche)},
        {"txtProfessione", trimmed(r.txtProfessione)},
        {"txtIban", trimmed(r.txtIban)},
        {"txtIntestatario", trimmed(r.txtIntestatario)},
        {"txtBanca", trimmed(r.txtBanca)},
        {"txtCarta", trimmed(r.txtCarta)},
        {"txtScadeCarta", trimmed(r.txtScadeCarta)},
        {"txtProdotti", trimmed(r.txtProdotti)},
        {"txtPagamento", trimmed(r.txtPagamento)},
        {"txtNote", trimmed(r.txtNote)},
        {"txtTipoDoc", trimmed(r.txtTipoDoc)},
        {"txtNumDoc", trimmed(r.txtNumDoc)},
        {"txtEnteRil", trimmed(r.txtEnteRil)},
        {"txtDataRil", trimmed(r.txtDataRil)},
        {"txtDataSca", trimmed(r.txtDataSca)},
        {"txtCodice", trimmed(r.txtCodice)},
        {"txtCategoria", trimmed(r.txtCategoria)},
        {"txtZona", trimmed(r.txtZona)},
        {"txtAcquisto", trimmed(r.txtAcquisto)},
        {"txtDecorrenza", trimmed(r.txtDecorrenza)},
        {"txtScadenza", trimmed(r.txtScadenza)},
        {"txtTotale", trimmed(r.txtTotale)},
        {"txtFrazionamento", trimmed(r.txtFrazionamento)},
        {"txtRata", trimmed(r.txtRata)},
    };
    for (const auto& [memo, value] : values)
        sheet.setValue(QString::fromLatin1(memo), value);
    sheet.setPrintingTime(when);
}

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget* caller)
    : SheetPrintWindow(
          caller,
          {"TfrmStampaIstruttore", kCaption, kHeading, kExplanation, QStringLiteral("stampa"), kStampa},
          employeeSheetForm())
    , m_registry(qobject_cast<TfrmIstruttori*>(caller)) {}

void TfrmStampaIstruttore::fillSheet(const QDateTime& when) {
    if (m_registry)
        fillEmployeeSheet(repDocumento, *m_registry, when);
}

void TfrmStampaIstruttore::output() {
    report::print(repDocumento.document(), this, kDocumentName);
}

} // namespace orvelia
