#include "windows/registry/tfrmistruttori.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/browse.h"
#include "core/archive/dates.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/registry/employee.h"
#include "core/registry/employeesheet.h"
#include "framework/commandbar.h"
#include "framework/editing.h"
#include "framework/fieldform.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/toolwindow.h"
#include "windows/common/recordpage.h"
#include "windows/common/recordwindow.h"
#include "windows/checks/tfrmcarta.h"
#include "windows/checks/tfrmcodfisc.h"
#include "windows/checks/tfrmiban.h"
#include "windows/checks/tfrmpartitaiva.h"
#include "windows/export/tfrmexpistruttori.h"
#include "windows/help/tfrmguida.h"
#include "windows/registry/tfrmallegacartella.h"
#include "windows/registry/tfrmanteprimaistruttore.h"
#include "windows/registry/tfrmdarinnovare.h"
#include "windows/registry/tfrmdocumentiscadenza.h"
#include "windows/registry/tfrmstampaistruttore.h"
#include "windows/registry/tfrmtrovaistruttori.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;

const QString kCaption = QStringLiteral(" Orvelia - Anagrafica lavoratori");
const QString kStanding = QStringLiteral("Pronto per salvare una nuova scheda...");

// The panels of the form, in three columns.
enum Panel { Personal, Contacts, Titles, Bank, Document, Contract, PanelCount };
const FormPanel kPanels[PanelCount] = {
    {"panAnagrafica", "Dati anagrafici", &colours::kBlue, 0},
    {"panRecapiti", "Recapiti", &colours::kTeal, 1},
    {"panQualifiche", "Qualifiche", &colours::kAmber, 1},
    {"panBanca", "Dati bancari e pagamento", &colours::kBlue, 1},
    {"panDocumento", "Documento di riconoscimento", &colours::kTeal, 2},
    {"panContratto", "Contratto", &colours::kAmber, 2},
};

struct Row {
    FieldDef def;
    Panel panel;
    QLineEdit* TfrmIstruttori::*edit;
    QComboBox* TfrmIstruttori::*combo;
};

using T = TfrmIstruttori;
// Fields 1 to 45, in the order of the record and of the Enter chain.
const Row kRows[] = {
    {{F::Cognome, "Cognome:", 0, 0}, Personal, &T::txtCognome, nullptr},
    {{F::Nome, "Nome:", 0, 0}, Personal, &T::txtNome, nullptr},
    {{F::CodFisc, "Codice fiscale:", 0, UpperTyped}, Personal, &T::txtCodFisc, nullptr},
    {{F::Sesso, "Sesso:", 0, UpperOnRelease | Centred}, Personal, &T::txtSesso, nullptr},
    {{F::DataNasc, "Data di nascita:", 0, Centred}, Personal, &T::txtDataNasc, nullptr},
    {{F::ComuneNasc, "Comune di nascita:", 0, 0}, Personal, &T::txtComuneNasc, nullptr},
    {{F::ProvNasc, "Prov.", 0, Choice | UpperTyped}, Personal, nullptr, &T::txtProvNasc},
    {{F::Iva, "Partita IVA:", 0, DigitsOnly}, Personal, &T::txtIva, nullptr},
    {{F::Indirizzo, "Via e numero civico:", 0, 0}, Personal, &T::txtIndirizzo, nullptr},
    {{F::Cap, "CAP:", 0, 0}, Personal, &T::txtCap, nullptr},
    {{F::ComuneRes, "Comune di residenza:", 0, 0}, Personal, &T::txtComuneRes, nullptr},
    {{F::ProvRes, "Prov.", 0, Choice | UpperTyped}, Personal, nullptr, &T::txtProvRes},
    {{F::Stato, "Stato civile:", 0, 0}, Personal, &T::txtStato, nullptr},
    {{F::Familiari, "Giorni e orari disponibilità:", 0, 0}, Personal, &T::txtFamiliari, nullptr},
    {{F::Recapito, "Telefono preferenziale:", 0, 0}, Contacts, &T::txtRecapito, nullptr},
    {{F::TelCasa, "Tel. casa:", 0, 0}, Contacts, &T::txtTelCasa, nullptr},
    {{F::TelCel, "Tel. cellulare:", 0, 0}, Contacts, &T::txtTelCel, nullptr},
    {{F::TelUff, "Tel. ufficio:", 0, 0}, Contacts, &T::txtTelUff, nullptr},
    {{F::Fax, "Fax:", 0, 0}, Contacts, &T::txtFax, nullptr},
    {{F::Email, "E-mail:", 0, TrimTyped}, Contacts, &T::txtEmail, nullptr},
    {{F::Qualifiche, "Qualifica principale:", 0, 0}, Titles, &T::txtQualifiche, nullptr},
    {{F::Professione, "Altri titoli:", 0, 0}, Titles, &T::txtProfessione, nullptr},
    {{F::Iban, "IBAN:", 0, UpperTyped}, Bank, &T::txtIban, nullptr},
    {{F::Intestatario, "Intestatario C/C:", 0, 0}, Bank, &T::txtIntestatario, nullptr},
    {{F::Banca, "Banca:", 0, 0}, Bank, &T::txtBanca, nullptr},
    {{F::Carta, "Carta di credito n.", 0, DigitsOnly}, Bank, &T::txtCarta, nullptr},
    {{F::ScadeCarta, "Scadenza:", 0, Centred}, Bank, &T::txtScadeCarta, nullptr},
    {{F::Prodotti, "Equipaggiamento assegnato:", 0, 0}, Bank, &T::txtProdotti, nullptr},
    {{F::Pagamento, "Modalità di pagamento:", 0, 0}, Bank, &T::txtPagamento, nullptr},
    {{F::Note, "Note:", 0, 0}, Bank, &T::txtNote, nullptr},
    {{F::TipoDoc, "Tipo di documento:", 0, 0}, Document, &T::txtTipoDoc, nullptr},
    {{F::NumDoc, "Numero:", 0, 0}, Document, &T::txtNumDoc, nullptr},
    {{F::EnteRil, "Ente di rilascio:", 0, 0}, Document, &T::txtEnteRil, nullptr},
    {{F::DataRil, "Data di rilascio:", 0, Centred}, Document, &T::txtDataRil, nullptr},
    {{F::DataSca, "Data di scadenza:", 0, Centred}, Document, &T::txtDataSca, nullptr},
    {{F::Codice, "Mansione:", 0, 0}, Contract, &T::txtCodice, nullptr},
    {{F::Categoria, "Categoria:", 0, 0}, Contract, &T::txtCategoria, nullptr},
    {{F::Zona, "Livello:", 0, 0}, Contract, &T::txtZona, nullptr},
    {{F::Acquisto, "Tipo contratto:", 0, 0}, Contract, &T::txtAcquisto, nullptr},
    {{F::Decorrenza, "Data assunzione:", 0, Centred}, Contract, &T::txtDecorrenza, nullptr},
    {{F::Scadenza, "Prossima scadenza:", 0, Centred | RedLabel}, Contract, &T::txtScadenza, nullptr},
    {{F::Preavviso, "Giorni di preavviso:", 0, DigitsOnly | Centred | RedLabel},
     Contract,
     &T::txtPreavviso,
     nullptr},
    {{F::Totale, "Compenso totale: €", 0, Money | RightAligned}, Contract, &T::txtTotale, nullptr},
    {{F::Frazionamento, "Frazionamento:", 0, 0}, Contract, &T::txtFrazionamento, nullptr},
    {{F::Rata, "Importo rata: €", 15, Money | RightAligned}, Contract, &T::txtRata, nullptr},
};

// The check pictures beside the fields they check, and what the status line says of them.
struct CheckDef {
    int field;
    ClickablePicture* TfrmIstruttori::*member;
    const char* name;
    const char* icon;
    const char* status;
};
const CheckDef kChecks[] = {
    {F::CodFisc, &T::btnCodFisc, "btnCodFisc", "controlla", "Controlla il codice fiscale."},
    {F::Iva, &T::btnIva, "btnIva", "controlla", "Controlla il numero di partita IVA."},
    {F::Email, &T::btnEmail, "btnEmail", "email", "Invia una e-mail all'indirizzo indicato."},
    {F::Iban, &T::btnIban, "btnIban", "controlla", "Controlla l'IBAN."},
    {F::Carta, &T::btnCarta, "btnCarta", "controlla", "Controlla il numero di carta di credito."},
};

const CommandDef<T> kCommands[] = {
    {&T::cmdNuovo, "cmdNuovo", "nuovo", "Nuovo",
     "Prepara la schermata per la registrazione di una nuova scheda.", 0},
    {&T::cmdSalva, "cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio.", 0},
    {&T::cmdTrova, "cmdTrova", "trova", "Trova", "Trova una scheda in archivio.", 0},
    {&T::cmdFile, "cmdFile", "allega", "Allegati", "Allega file alla scheda corrente.", 1},
    {&T::cmdAnteprima, "cmdAnteprima", "anteprima", "Anteprima",
     "Visualizza l'anteprima di stampa della scheda corrente.", 2},
    {&T::cmdStampa, "cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente.", 2},
    {&T::cmdPrimo, "cmdPrimo", "primo", "Prima", "Visualizza la prima scheda in archivio.", 3},
    {&T::cmdIndietro, "cmdIndietro", "precedente", "Precedente",
     "Visualizza la scheda precedente in archivio.", 3},
    {&T::cmdAvanti, "cmdAvanti", "successivo", "Successiva", "Visualizza la scheda successiva in archivio.",
     3},
    {&T::cmdUltimo, "cmdUltimo", "ultimo", "Ultima", "Visualizza l'ultima scheda in archivio.", 3},
    {&T::cmdEsporta, "cmdEsporta", "esporta", "Esporta",
     "Esporta le schede in archivio in un file di Microsoft Excel.", 4},
    {&T::cmdScaduti, "cmdScaduti", "contratti", "Scadenze",
     "Visualizza il riepilogo dei contratti in scadenza o scaduti.", 4},
    {&T::cmdDocumenti, "cmdDocumenti", "documento", "Documenti",
     "Visualizza i documenti d'identit\u00E0 scaduti o in scadenza.", 4},
    {&T::cmdGuida, "cmdGuida", "guida", "Guida", "Visualizza la guida in linea.", 5},
    {&T::cmdEsci, "cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro.", 5},
};

// Width of a box that holds a short value; long values take the width of the column.
int boxWidth(const FieldDef& def, int capacity) {
    const int length = def.maxLength > 0 ? def.maxLength : capacity;
    if (def.flags & Choice)
        return 72;
    if (def.flags & Money)
        return 140;
    if (length <= 3)
        return 60;
    if (length <= 5)
        return 80;
    if (length <= 10)
        return 110;
    if (length <= 16)
        return 200;
    return 0;
}

} // namespace

TfrmIstruttori::TfrmIstruttori(WindowShell& shell)
    : NavigationWindow(shell, "TfrmIstruttori", kCaption) {
    paintGround(this, colours::kPaper);

    CommandBar* bar = newCommandBar(this, kCommands, &lblPosizione);
    const FormPage form = formPage(kPanels, 3);
    form.closeColumns();
    buildFields(form);
    m_attachmentLabels =
        records::attachmentLabels(this, lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);
    QScrollArea* scroll = records::scrollingForm(this, form.page);

    const CommandPage framed = frameCommandPage(this, nullptr, bar, scroll, kStanding, kCommands);
    panInfo = framed.panInfo;
    m_status = framed.status;
    for (const CheckDef& check : kChecks)
        m_status->describe(this->*check.member, QString::fromUtf8(check.status));
    form.clearStatusOver(m_status);

    connectCommands();
    connectChecks();
    setMinimumSize(1000, 600);
}

void TfrmIstruttori::buildFields(const FormPage& form) {
    m_form = new FieldForm(F::layout, FocusMark::Frame, 4, this);
    for (const Row& row : kRows) {
        SectionPanel* panel = form.panels[row.panel];
        const auto* check = std::find_if(std::begin(kChecks), std::end(kChecks),
                                         [&](const CheckDef& c) { return c.field == row.def.field; });
        const bool hasCheck = check != std::end(kChecks);
        // A field with a check picture shares its row with it.
        QWidget* holder = hasCheck ? rowHolder(panel) : panel;
        QWidget* control = m_form->add(row.def, holder, row.combo ? provinceAbbreviations() : QStringList());
        control->setMinimumHeight(24);
        const int width = boxWidth(row.def, F::kFields[std::size_t(row.def.field)].capacity);
        if (width)
            control->setFixedWidth(width);
        if (row.edit)
            this->*row.edit = qobject_cast<QLineEdit*>(control);
        else
            this->*row.combo = qobject_cast<QComboBox*>(control);
        if (!hasCheck) {
            panel->form()->addRow(m_form->label(row.def.field), control);
            continue;
        }
        auto* button = new ClickablePicture(QString::fromLatin1(check->name),
                                            iconPath(QString::fromLatin1(check->icon)), holder);
        button->setFixedSize(24, 24);
        this->*(check->member) = button;
        addToRow(holder, {control, button}, width == 0);
        panel->form()->addRow(m_form->label(row.def.field), holder);
    }
    m_form->chainEnter();
}

void TfrmIstruttori::connectCommands() {
    connect(cmdNuovo, &CommandButton::clicked, this, &TfrmIstruttori::newRecord);
    connect(cmdSalva, &CommandButton::clicked, this, &TfrmIstruttori::cmdSalvaClick);
    connect(cmdFile, &CommandButton::clicked, this,
            [this] { TfrmAllegaCartella::openOn(this, QStringLiteral("istruttori"), m_attachmentLabels); });
    connectBrowsing(
        this, {cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo},
        [] { return employeeArchivePath(programFolder()); }, F::layout, lblPosizione,
        [this](const Record& r, qint64 k) { showRecord(r, k); });
    connect(cmdEsporta, &CommandButton::clicked, this, [this] { openToolWindow<TfrmExpIstruttori>(this); });
    connect(cmdTrova, &CommandButton::clicked, this, [this] {
        openToolWindow<TfrmTrovaIstruttori>(
            this, QStringLiteral("istruttori"), [this](TfrmTrovaIstruttori& w) {
                connect(&w, &TfrmTrovaIstruttori::workerChosen, this, &TfrmIstruttori::showRecord);
            });
    });
    connect(cmdScaduti, &CommandButton::clicked, this, [this] {
        openToolWindow<TfrmDaRinnovare>(this, QString(), [this](TfrmDaRinnovare& w) {
            connect(&w, &TfrmDaRinnovare::workerChosen, this, &TfrmIstruttori::showRecord);
        });
    });
    connect(cmdDocumenti, &CommandButton::clicked, this, [this] {
        openToolWindow<TfrmDocumentiScadenza>(this, QString(), [this](TfrmDocumentiScadenza& w) {
            connect(&w, &TfrmDocumentiScadenza::workerChosen, this, &TfrmIstruttori::showRecord);
        });
    });
    // The sheet windows print the worker as the screen shows it.
    const auto sheetOfScreen = [this](SheetPrintWindow& w) {
        w.setValues(registry::employeeSheetValues(recordOnScreen()));
    };
    connect(cmdStampa, &CommandButton::clicked, this,
            [this, sheetOfScreen] { openToolWindow<TfrmStampaIstruttore>(this, QString(), sheetOfScreen); });
    connect(cmdAnteprima, &CommandButton::clicked, this, [this, sheetOfScreen] {
        openToolWindow<TfrmAnteprimaIstruttore>(this, QString(), sheetOfScreen);
    });
    connect(cmdGuida, &CommandButton::clicked, this, [this] { showHelp(this, HelpPage::Registry); });
    connect(cmdEsci, &CommandButton::clicked, this, &QWidget::close);
}

void TfrmIstruttori::connectChecks() {
    connect(btnEmail, &ClickablePicture::clicked, this, &TfrmIstruttori::btnEmailClick);
    connect(btnCodFisc, &ClickablePicture::clicked, this,
            [this] { openCodFiscCheck(this, txtCodFisc->text()); });
    connect(btnIva, &ClickablePicture::clicked, this,
            [this] { openCheck(this, &TfrmPartitaIva::txtPartitaIva, trimText(txtIva->text())); });
    connect(btnCarta, &ClickablePicture::clicked, this,
            [this] { openCheck(this, &TfrmCarta::txtNumero, trimText(txtCarta->text())); });
    connect(btnIban, &ClickablePicture::clicked, this,
            [this] { openCheck(this, &TfrmIban::txtIban, trimText(txtIban->text())); });
}

QWidget* TfrmIstruttori::closeHandler() {
    return shell().window(Screen::MainMenu);
}

void TfrmIstruttori::opening() {
    newRecord();
    m_status->showStanding();
}

void TfrmIstruttori::newRecord() {
    for (const Row& row : kRows)
        m_form->setText(row.def.field, QString());
    const QString today = formatDate(Platform::instance().today());
    txtDecorrenza->setText(today);
    txtScadenza->setText(today);
    txtPreavviso->setText(QStringLiteral("0"));
    txtTotale->setText(QStringLiteral("0,00"));
    txtRata->setText(QStringLiteral("0,00"));
    for (QLabel* label : std::as_const(m_attachmentLabels))
        label->clear();
    FieldForm::clearSelection(txtProvNasc);
    FieldForm::clearSelection(txtProvRes);
    lblPosizione->clear();
    txtCognome->setFocus();
}

QString TfrmIstruttori::fieldText(TSchedaLavoratore::Field field) const {
    if (field >= F::File01)
        return m_attachmentLabels[field - F::File01]->text();
    return m_form->text(field);
}

Record TfrmIstruttori::recordOnScreen() const {
    Record record(F::layout);
    m_form->store(record);
    for (int i = 0; i < m_attachmentLabels.size(); ++i)
        record.at(F::File01 + i) = m_attachmentLabels[i]->text();
    return record;
}

void TfrmIstruttori::showRecord(const Record& record, qint64 number) {
    m_form->load(record);
    for (int i = 0; i < m_attachmentLabels.size(); ++i)
        m_attachmentLabels[i]->setText(record.at(F::File01 + i));
    lblPosizione->setText(QString::number(number));
}

void TfrmIstruttori::cmdSalvaClick() {
    // An amount still being typed is stored as the screen shows it once normalised.
    EditBehaviour::settleFocusedBox();
    const Record record = recordOnScreen();
    if (const auto refusal = checkEmployeeForSave(record, Platform::instance().today().year())) {
        Platform::instance().message(refusal->kind == SaveRefusal::Warning ? MessageKind::Warning
                                                                           : MessageKind::Plain,
                                     refusal->text, this);
        if (refusal->focusField >= 0)
            m_form->control(refusal->focusField)->setFocus();
        return;
    }
    records::save(this, employeeArchivePath(programFolder()), record, lblPosizione);
}

void TfrmIstruttori::btnEmailClick() {
    TMisc::Open(QStringLiteral("\"mailto:") + trimText(txtEmail->text()) + QStringLiteral("\""));
}

} // namespace orvelia
