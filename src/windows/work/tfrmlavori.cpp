#include "windows/work/tfrmlavori.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/browse.h"
#include "core/archive/dates.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/registry/employee.h"
#include "core/work/pay.h"
#include "core/work/worksheet.h"
#include "core/work/workrecord.h"
#include "framework/commandbar.h"
#include "framework/editing.h"
#include "framework/fieldform.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/toolwindow.h"
#include "windows/common/recordpage.h"
#include "windows/common/recordwindow.h"
#include "windows/common/checkwindow.h"
#include "windows/checks/tfrmcodfisc.h"
#include "windows/export/tfrmexplavori.h"
#include "windows/help/tfrmguida.h"
#include "windows/help/tfrmistruzioni.h"
#include "windows/registry/tfrmallegacartella.h"
#include "windows/registry/tfrmtrovaistruttori.h"
#include "windows/work/tfrmcalendario.h"
#include "windows/work/tfrmlavincompleti.h"
#include "windows/work/tfrmstampalavoro.h"
#include "windows/work/tfrmtrovalavori.h"

namespace orvelia {

namespace {

using F = TSchedaLavoro;
using T = TfrmLavori;

const QString kCaption = QStringLiteral(" Orvelia - Registrazione lavori");
const QString kCaptionYear = QStringLiteral(" Orvelia - Registrazione lavori anno ");
const QString kStanding = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString kTimeUnreadable =
    QStringLiteral("Attenzione: l'orario di inizio o di fine lavoro non è leggibile.");
const QString kZeroMoney = QStringLiteral("0,00");

enum Panel { Worker, Work, Project };
// The worker and the work on the left, the project on the right.
const FormPanel kPanels[] = {
    {"panLavoratore", "Lavoratore", &colours::kBlue, 0},
    {"panPrestazione", "Prestazione", &colours::kTeal, 0},
    {"panProgetto", "Progetto", &colours::kAmber, 1},
};

struct Row {
    FieldDef def;
    Panel panel;
    QLineEdit* TfrmLavori::*member;
};

// The text fields in the order of the window.
const Row kRows[] = {
    {{F::Cognome, "Cognome:", 0, 0}, Worker, &T::txtCognome},
    {{F::Nome, "Nome:", 0, 0}, Worker, &T::txtNome},
    {{F::CodFisc, "Codice fiscale:", 0, UpperTyped}, Worker, &T::txtCodFisc},
    {{F::Recapito, "Telefono preferenziale:", 0, 0}, Worker, &T::txtRecapito},
    {{F::Mansione, "Mansione:", 0, 0}, Worker, &T::txtMansione},
    {{F::Categoria, "Categoria:", 0, 0}, Worker, &T::txtCategoria},
    {{F::Data, "Data prestazione:", 0, ReadOnly | Centred}, Work, &T::txtData},
    {{F::Luogo, "Sede operativa:", 0, 0}, Work, &T::txtLuogo},
    {{F::Attivita, "Attività svolta :", 0, 0}, Work, &T::txtAttivita},
    {{F::TotOre, "Totale ore :", 0, Result | RightAligned}, Work, &T::txtTotOre},
    {{F::CompensoOra, "Compenso orario :", 0, Money | RightAligned}, Work, &T::txtCompensoOra},
    {{F::TotDovuto, "Totale dovuto :", 0, Result | RightAligned}, Work, &T::txtTotDovuto},
    {{F::NomeProg, "Nome progetto:", 0, 0}, Project, &T::txtNomeProg},
    {{F::CodiceProg, "Codice identificativo:", 0, 0}, Project, &T::txtCodiceProg},
    {{F::AmbitoProg, "Ambito:", 0, 0}, Project, &T::txtAmbitoProg},
    {{F::Postazione, "Postazione di lavoro:", 0, 0}, Project, &T::txtPostazione},
    {{F::Materiali, "Materiali e strumenti utilizzati:", 0, 0}, Project, &T::txtMateriali},
    {{F::Note, "Note:", 0, 0}, Project, &T::txtNote},
};

const CommandDef<T> kCommands[] = {
    {&T::cmdNuovo, "cmdNuovo", "nuovo", "Nuovo",
     "Prepara la schermata per la registrazione di una nuova scheda.", 0},
    {&T::cmdDuplica, "cmdDuplica", "duplica", "Duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", 0},
    {&T::cmdSalva, "cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio.", 0},
    {&T::cmdTrova, "cmdTrova", "trova", "Trova", "Trova una scheda in archivio.", 0},
    {&T::cmdFile, "cmdFile", "allega", "Allegati", "Allega file alla scheda corrente.", 1},
    {&T::cmdStampa, "cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente.", 1},
    {&T::cmdPrimo, "cmdPrimo", "primo", "Prima", "Visualizza la prima scheda in archivio.", 2},
    {&T::cmdIndietro, "cmdIndietro", "precedente", "Precedente",
     "Visualizza la scheda precedente in archivio.", 2},
    {&T::cmdAvanti, "cmdAvanti", "successivo", "Successiva", "Visualizza la scheda successiva in archivio.",
     2},
    {&T::cmdUltimo, "cmdUltimo", "ultimo", "Ultima", "Visualizza l'ultima scheda in archivio.", 2},
    {&T::cmdIncompleti, "cmdIncompleti", "incompleti", "Incompleti",
     "Visualizza il riepilogo dei lavori non completati.", 3},
    {&T::cmdEsporta, "cmdEsporta", "esporta", "Esporta",
     "Esporta le schede in archivio in un file di Microsoft Excel.", 3},
    {&T::cmdGuida, "cmdGuida", "guida", "Guida", "Visualizza la guida in linea.", 4},
    {&T::cmdEsci, "cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro.", 4},
};

QStringList twoDigits(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return list;
}

ClickablePicture* picture(const char* name, const char* icon, QWidget* parent) {
    auto* p = new ClickablePicture(QString::fromLatin1(name), iconPath(QString::fromLatin1(icon)), parent);
    p->setFixedSize(24, 24);
    return p;
}

QPushButton* calcButton(const char* name, QWidget* parent) {
    auto* b = new QPushButton(QStringLiteral("Calcola >>"), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true); // Enter on the focused button computes
    b->setIcon(QIcon(iconPath(QStringLiteral("calcola"))));
    b->setMinimumHeight(26);
    return b;
}

QComboBox* timeList(const char* name, int count, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(twoDigits(count));
    box->setMaxVisibleItems(12);
    box->setFixedWidth(64);
    return box;
}

} // namespace

TfrmLavori::TfrmLavori(WindowShell& shell)
    : NavigationWindow(shell, "TfrmLavori", kCaption) {
    paintGround(this, colours::kPaper);

    CommandBar* bar = newCommandBar(this, kCommands, &lblPosizione);
    const FormPage form = buildForm();
    QScrollArea* scroll = records::scrollingForm(this, form.page);

    lblFile = hiddenLabel(QStringLiteral("lblFile"), this);
    lblOraInizio = hiddenLabel(QStringLiteral("lblOraInizio"), this, QStringLiteral("00:00"));
    lblOraFine = hiddenLabel(QStringLiteral("lblOraFine"), this, QStringLiteral("00:00"));
    m_attachmentLabels =
        records::attachmentLabels(this, lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);

    const CommandPage framed = frameCommandPage(this, nullptr, bar, scroll, kStanding, kCommands);
    panInfo = framed.panInfo;
    m_status = framed.status;
    describeFields();
    form.clearStatusOver(m_status);

    setUpKeys();
    connectCommands();
    connectFieldCommands();
    setMinimumSize(1000, 600);
}

void TfrmLavori::describeFields() {
    const std::pair<QWidget*, const char*> described[] = {
        {impLavoratore, "Importa i dati dall'archivio anagrafico dei lavoratori."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {impData, "Inserisci la data corrente."},
        {txtData,
         "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario."},
        {btnIstruzioni, "Visualizza le istruzioni su come registrare le prestazioni lavorative."},
        {btnCalcolaOre, " Calcola il totale delle ore lavorate."},
        {btnCalcolaDovuto, " Calcola il compenso totale dovuto."},
        {chkIncompleto, "Spunta questa casella per indicare che l'attività non è stata completata."},
    };
    for (const auto& [widget, text] : described)
        m_status->describe(widget, QString::fromUtf8(text));
}

void TfrmLavori::setUpKeys() {
    // The Enter chain; the date opens the calendar instead, the buttons compute.
    const std::pair<QWidget*, QWidget*> chain[] = {
        {txtCognome, txtNome},          {txtNome, txtCodFisc},
        {txtCodFisc, txtRecapito},      {txtRecapito, txtMansione},
        {txtMansione, txtCategoria},    {txtCategoria, txtData},
        {txtLuogo, txtAttivita},        {txtAttivita, btnCalcolaOre},
        {txtTotOre, btnCalcolaDovuto},  {txtCompensoOra, btnCalcolaDovuto},
        {txtTotDovuto, txtNomeProg},    {txtNomeProg, txtCodiceProg},
        {txtCodiceProg, txtAmbitoProg}, {txtAmbitoProg, txtPostazione},
        {txtPostazione, txtMateriali},  {txtMateriali, txtNote},
        {txtNote, txtCognome},
    };
    for (const auto& [from, to] : chain)
        EditBehaviour::of(from)->setEnterTarget(to);
    EditBehaviour::of(txtCompensoOra)->setSwallowTab(true);
    txtData->installEventFilter(this);
    for (QComboBox* box : {txtDaOre, txtDaMin, txtAOre, txtAMin})
        box->installEventFilter(this);
}

void TfrmLavori::connectCommands() {
    connect(cmdNuovo, &CommandButton::clicked, this, &TfrmLavori::newRecord);
    connect(cmdDuplica, &CommandButton::clicked, this, &TfrmLavori::cmdDuplicaClick);
    connect(cmdSalva, &CommandButton::clicked, this, &TfrmLavori::cmdSalvaClick);
    connect(cmdFile, &CommandButton::clicked, this,
            [this] { TfrmAllegaCartella::openOn(this, QStringLiteral("lavori"), m_attachmentLabels); });
    connectBrowsing(
        this, {cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo}, [this] { return lblFile->text(); }, F::layout,
        lblPosizione, [this](const Record& r, qint64 k) { showRecord(r, k); });
    connect(cmdEsporta, &CommandButton::clicked, this,
            [this] { openToolWindow<TfrmExpLavori>(this, QString(), {}, trimText(lblFile->text())); });
    connect(cmdTrova, &CommandButton::clicked, this, [this] {
        openToolWindow<TfrmTrovaLavori>(this, QStringLiteral("lavori"), showsChosenWork<TfrmTrovaLavori>(),
                                        lblFile->text());
    });
    connect(cmdIncompleti, &CommandButton::clicked, this, [this] {
        openToolWindow<TfrmLavIncompleti>(this, QString(), showsChosenWork<TfrmLavIncompleti>(),
                                          lblFile->text());
    });
    connect(cmdStampa, &CommandButton::clicked, this, [this] {
        // The sheet prints the work as the screen shows it.
        openToolWindow<TfrmStampaLavoro>(this, QString(), [this](TfrmStampaLavoro& w) {
            w.setValues(work::workSheetValues(recordOnScreen()));
        });
    });
    connect(cmdGuida, &CommandButton::clicked, this, [this] { showHelp(this, HelpPage::Work); });
    connect(cmdEsci, &CommandButton::clicked, this, &QWidget::close);
}

void TfrmLavori::connectFieldCommands() {
    connect(btnIstruzioni, &ClickablePicture::clicked, this,
            [this] { openToolWindow<TfrmIstruzioni>(this); });
    connect(impLavoratore, &ClickablePicture::clicked, this, [this] {
        openToolWindow<TfrmTrovaIstruttori>(this, QStringLiteral("lavori"), [this](TfrmTrovaIstruttori& w) {
            connect(&w, &TfrmTrovaIstruttori::workerChosen, this, &TfrmLavori::importWorker);
        });
    });
    connect(btnCalcolaOre, &QPushButton::clicked, this, &TfrmLavori::btnCalcolaOreClick);
    connect(btnCalcolaDovuto, &QPushButton::clicked, this, &TfrmLavori::btnCalcolaDovutoClick);
    connect(btnCodFisc, &ClickablePicture::clicked, this,
            [this] { openCodFiscCheck(this, txtCodFisc->text()); });
    connect(impData, &ClickablePicture::clicked, this,
            [this] { txtData->setText(formatDate(Platform::instance().today())); });
}

FormPage TfrmLavori::buildForm() {
    const FormPage form = formPage(kPanels, 2);
    m_form = new FieldForm(F::layout, FocusMark::Background, 2, this);
    for (const Row& row : kRows)
        addFieldRow(row.def, this->*row.member, form.panels[std::size_t(row.panel)]);
    buildInstructions(form.page, form.columns[1]);
    form.closeColumns();
    form.page->setAutoFillBackground(false);
    orderTabs();
    return form;
}

QWidget* TfrmLavori::fieldBox(const FieldDef& def, QLineEdit*& box, QWidget* holder) {
    QWidget* control = m_form->add(def, holder);
    control->setMinimumHeight(24);
    box = static_cast<QLineEdit*>(control);
    return control;
}

void TfrmLavori::addFieldRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel) {
    QFormLayout* form = panel->form();
    switch (def.field) {
    case F::Cognome: {
        QWidget* holder = rowHolder(panel);
        impLavoratore = picture("impLavoratore", "persona", holder);
        addToRow(holder, {fieldBox(def, box, holder), impLavoratore}, true);
        form->addRow(m_form->label(def.field), holder);
        break;
    }
    case F::CodFisc:
        btnCodFisc = addPictureRow(def, box, panel, 200, "btnCodFisc", "controlla");
        break;
    case F::Data:
        impData = addPictureRow(def, box, panel, 120, "impData", "calendario");
        break;
    case F::TotOre:
        addTimeRows(panel); // the two times come before the hours
        btnCalcolaOre = addFigureRow(def, box, panel, 90, "btnCalcolaOre", false);
        break;
    case F::CompensoOra:
        addFigureRow(def, box, panel, 140, nullptr, true);
        break;
    case F::TotDovuto:
        btnCalcolaDovuto = addFigureRow(def, box, panel, 140, "btnCalcolaDovuto", true);
        chkIncompleto = new QCheckBox(QStringLiteral("Lavoro incompleto"), panel);
        chkIncompleto->setObjectName("chkIncompleto");
        form->addRow(QString(), chkIncompleto);
        break;
    default:
        form->addRow(m_form->label(def.field), fieldBox(def, box, panel));
    }
}

ClickablePicture* TfrmLavori::addPictureRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel,
                                            int width, const char* name, const char* icon) {
    QWidget* holder = rowHolder(panel);
    QWidget* field = fieldBox(def, box, holder);
    field->setFixedWidth(width);
    ClickablePicture* button = picture(name, icon, holder);
    addToRow(holder, {field, button}, false);
    panel->form()->addRow(m_form->label(def.field), holder);
    return button;
}

QPushButton* TfrmLavori::addFigureRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel, int width,
                                      const char* calcName, bool euro) {
    QWidget* holder = rowHolder(panel);
    QPushButton* calc = calcName ? calcButton(calcName, holder) : nullptr;
    QWidget* field = fieldBox(def, box, holder);
    field->setFixedWidth(width);
    QLabel* unit = euro ? new QLabel(QStringLiteral("€"), holder) : nullptr;
    if (calc && unit)
        addToRow(holder, {calc, field, unit}, false);
    else if (calc)
        addToRow(holder, {calc, field}, false);
    else
        addToRow(holder, {field, unit}, false);
    panel->form()->addRow(m_form->label(def.field), holder);
    return calc;
}

void TfrmLavori::addTimeRows(SectionPanel* panel) {
    for (auto [label, hours, minutes, hoursName, minutesName] :
         {std::tuple{"Dalle ore :", &txtDaOre, &txtDaMin, "txtDaOre", "txtDaMin"},
          std::tuple{"Alle ore :", &txtAOre, &txtAMin, "txtAOre", "txtAMin"}}) {
        QWidget* holder = rowHolder(panel);
        *hours = timeList(hoursName, 24, holder);
        auto* colon = new QLabel(QStringLiteral(":"), holder);
        *minutes = timeList(minutesName, 60, holder);
        addToRow(holder, {*hours, colon, *minutes}, false);
        panel->form()->addRow(QString::fromUtf8(label), holder);
    }
}

void TfrmLavori::buildInstructions(QWidget* page, QVBoxLayout* column) {
    auto* help = new QWidget(page);
    help->setObjectName("panIstruzioni");
    auto* helpLayout = new QHBoxLayout(help);
    helpLayout->setContentsMargins(6, 4, 6, 4);
    btnIstruzioni =
        new ClickablePicture(QStringLiteral("btnIstruzioni"), iconPath(QStringLiteral("istruzioni")), help);
    btnIstruzioni->setFixedSize(32, 32);
    auto* helpText = new QLabel(QStringLiteral("Come si registra una prestazione lavorativa"), help);
    theme::setRole(helpText, theme::Role::Link);
    helpLayout->addWidget(btnIstruzioni);
    helpLayout->addWidget(helpText);
    helpLayout->addStretch();
    column->addWidget(help);
}

void TfrmLavori::orderTabs() {
    // The Tab key visits the fields in the order of the record: the rate after its button,
    // the incomplete-work box last.
    QWidget* const tabOrder[] = {
        txtCognome,       txtNome,        txtCodFisc,   txtRecapito,   txtMansione,
        txtCategoria,     txtData,        txtLuogo,     txtAttivita,   txtDaOre,
        txtDaMin,         txtAOre,        txtAMin,      btnCalcolaOre, txtTotOre,
        btnCalcolaDovuto, txtCompensoOra, txtTotDovuto, txtNomeProg,   txtCodiceProg,
        txtAmbitoProg,    txtPostazione,  txtMateriali, txtNote,       chkIncompleto,
    };
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TfrmLavori::openYear(const QString& path, const QString& year) {
    lblFile->setText(path);
    setWindowTitle(kCaptionYear + year);
}

QWidget* TfrmLavori::closeHandler() {
    return shell().window(Screen::MainMenu);
}

void TfrmLavori::opening() {
    newRecord();
    m_status->showStanding();
}

void TfrmLavori::setTime(QComboBox* box, const QString& value) {
    // A value that is not in the list (a damaged record) is shown as it is, after the list.
    const int listed = box == txtDaOre || box == txtAOre ? 24 : 60;
    while (box->count() > listed)
        box->removeItem(box->count() - 1);
    int index = box->findText(value);
    if (index < 0) {
        box->addItem(value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void TfrmLavori::newRecord() {
    for (const Row& row : kRows)
        m_form->setText(row.def.field, QString());
    txtData->setText(formatDate(Platform::instance().today()));
    for (QComboBox* box : {txtDaOre, txtDaMin, txtAOre, txtAMin})
        setTime(box, QStringLiteral("00"));
    lblOraInizio->setText(QStringLiteral("00:00"));
    lblOraFine->setText(QStringLiteral("00:00"));
    txtTotOre->setText(QStringLiteral("0"));
    txtCompensoOra->setText(kZeroMoney);
    txtTotDovuto->setText(kZeroMoney);
    for (QLabel* label : std::as_const(m_attachmentLabels))
        label->clear();
    chkIncompleto->setChecked(false);
    lblPosizione->clear();
    txtCognome->setFocus();
}

void TfrmLavori::showRecord(const Record& record, qint64 number) {
    m_form->load(record);
    setTime(txtDaOre, record[F::DaOre]);
    setTime(txtDaMin, record[F::DaMin]);
    setTime(txtAOre, record[F::AOre]);
    setTime(txtAMin, record[F::AMin]);
    lblOraInizio->setText(record[F::OraInizio]);
    lblOraFine->setText(record[F::OraFine]);
    for (int i = 0; i < m_attachmentLabels.size(); ++i)
        m_attachmentLabels[i]->setText(record.at(F::File01 + i));
    if (record[F::Incompleto] == kYes)
        chkIncompleto->setChecked(true);
    else if (record[F::Incompleto] == kNo)
        chkIncompleto->setChecked(false);
    lblPosizione->setText(QString::number(number));
}

Record TfrmLavori::recordOnScreen() const {
    Record record(F::layout);
    m_form->store(record);
    record[F::DaOre] = txtDaOre->currentText();
    record[F::DaMin] = txtDaMin->currentText();
    record[F::AOre] = txtAOre->currentText();
    record[F::AMin] = txtAMin->currentText();
    record[F::OraInizio] = trimText(txtDaOre->currentText()) + u':' + trimText(txtDaMin->currentText());
    record[F::OraFine] = trimText(txtAOre->currentText()) + u':' + trimText(txtAMin->currentText());
    record[F::Incompleto] = chkIncompleto->isChecked() ? kYes : kNo;
    for (int i = 0; i < m_attachmentLabels.size(); ++i)
        record.at(F::File01 + i) = m_attachmentLabels[i]->text();
    return record;
}

void TfrmLavori::btnCalcolaOreClick() {
    const HoursResult result = computeHours(txtDaOre->currentText(), txtDaMin->currentText(),
                                            txtAOre->currentText(), txtAMin->currentText());
    switch (result.outcome) {
    case HoursResult::Done:
        txtTotOre->setText(result.hours);
        break;
    case HoursResult::StartAfterEnd:
        Platform::instance().warning(kStartAfterEndMessage, this);
        txtDaOre->setFocus();
        break;
    case HoursResult::TimeUnreadable:
        Platform::instance().error(kTimeUnreadable, this);
        break;
    }
}

void TfrmLavori::btnCalcolaDovutoClick() {
    const AmountResult result = computeAmount(
        txtDaOre->currentText(), txtDaMin->currentText(), txtAOre->currentText(), txtAMin->currentText(),
        {txtTotOre->text(), txtCompensoOra->text(), txtTotDovuto->text()});
    if (result.startAfterEnd) {
        Platform::instance().warning(kStartAfterEndMessage, this);
        txtDaOre->setFocus();
    }
    txtTotOre->setText(result.texts.totOre);
    txtCompensoOra->setText(result.texts.compensoOra);
    txtTotDovuto->setText(result.texts.totDovuto);
    if (result.failed)
        txtTotOre->setFocus();
}

void TfrmLavori::cmdSalvaClick() {
    EditBehaviour::settleFocusedBox();
    if (const auto refusal = checkWorkForSave(recordOnScreen())) {
        Platform::instance().warning(refusal->text, this);
        if (refusal->focusField == F::DaOre)
            txtDaOre->setFocus();
        else
            m_form->control(refusal->focusField)->setFocus();
        return;
    }
    btnCalcolaDovutoClick();
    records::save(this, lblFile->text(), recordOnScreen(), lblPosizione);
}

void TfrmLavori::cmdDuplicaClick() {
    if (lblPosizione->text().isEmpty()) {
        Platform::instance().warning(kDuplicateRefusedMessage, this);
        return;
    }
    txtData->clear();
    for (QLabel* label : std::as_const(m_attachmentLabels))
        label->clear();
    lblPosizione->clear();
    if (const auto count = archive::count(lblFile->text(), F::layout); !count)
        return records::reportFailure(this, count.error(), kArchiveAccessMessage);
    txtData->setFocus();
    Platform::instance().information(kDuplicatedMessage, this);
}

void TfrmLavori::importWorker(const Record& worker) {
    using W = TSchedaLavoratore;
    txtCognome->setText(worker[W::Cognome]);
    txtNome->setText(worker[W::Nome]);
    txtCodFisc->setText(worker[W::CodFisc]);
    txtRecapito->setText(worker[W::Recapito]);
    txtMansione->setText(worker[W::Codice]);
    txtCategoria->setText(worker[W::Categoria]);
}

void TfrmLavori::openCalendar() {
    openToolWindow<TfrmCalendario>(this, QStringLiteral("lavori_data"), [this](TfrmCalendario& calendar) {
        connect(&calendar, &TfrmCalendario::dateChosen, txtData, &QLineEdit::setText);
    });
}

bool TfrmLavori::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return NavigationWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == txtData) {
        switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            txtData->clear();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false; // moving on, or half a key combination
        default:
            openCalendar();
            return true; // the key itself is never typed
        }
    }
    // The four time lists take no key at all: their values come from the lists.
    return true;
}

} // namespace orvelia
