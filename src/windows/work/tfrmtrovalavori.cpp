#include "windows/work/tfrmtrovalavori.h"

#include <array>

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/lists/lookup.h"
#include "core/work/worklines.h"
#include "framework/editing.h"
#include "framework/listview.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/app/listwindow.h"
#include "windows/work/tfrmlavori.h"

namespace orvelia {

namespace {

using T = TfrmTrovaLavori;

const QString kCaption = QStringLiteral(" Trova prestazioni lavorative in archivio");
const QString kTitle = QStringLiteral("Trova prestazioni lavorative");
const QString kSubtitle = QStringLiteral("Registro lavori dell'anno %1");
const QString kInstruction1 =
    QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
                   "trovare e premere il pulsante Cerca.");
const QString kInstruction2 = QStringLiteral("Lasciare in bianco tutti gli altri campi.");
const QString kInstruction3 =
    QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.");
const QString kWait = QStringLiteral("Ricerca schede in corso. Attendere...");
const QString kCerca = QStringLiteral("Cerca");
const QString kChiudi = QStringLiteral("Chiudi");
const QString kPrintTitle = QStringLiteral("Riepilogo prestazioni lavorative");
const QString kCallerWork = QStringLiteral("lavori");

struct Filter {
    QLineEdit* TfrmTrovaLavori::*member;
    const char* name;
    const char* frame;
    const char* label;
};

// The filter boxes in tab order, box i looking in work::kSearchFields[i].
const std::array<Filter, work::kSearchFields.size()> kFilters = {{
    {&T::txtData, "txtData", "effData", "Data prestazione (gg/mm/aaaa):"},
    {&T::txtLuogo, "txtLuogo", "effLuogo", "Sede operativa:"},
    {&T::txtAttivita, "txtAttivita", "effAttivita", "Attività svolta:"},
    {&T::txtPostazione, "txtPostazione", "effPostazione", "Postazione di lavoro:"},
    {&T::txtCognome, "txtCognome", "effCognome", "Cognome:"},
    {&T::txtNome, "txtNome", "effNome", "Nome:"},
    {&T::txtCodFisc, "txtCodFisc", "effCodFisc", "Codice fiscale:"},
    {&T::txtMansione, "txtMansione", "effMansione", "Mansione:"},
    {&T::txtCodiceProg, "txtCodiceProg", "effCodiceProg", "Codice identificativo progetto:"},
    {&T::txtNote, "txtNote", "effNote", "Note:"},
}};

constexpr int kRowsPerColumn = 5;

QLabel* instruction(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #3C4A5A;"));
    return l;
}

} // namespace

bool loadWorkLine(TfrmLavori* work, const QString& line) {
    if (!work)
        return false;
    const auto found = lists::findRecordOfLine(
        work->lblFile->text(), TSchedaLavoro::layout, line,
        [](const RecordView& record) { return work::workLine(record); },
        [work](qint64 number, const RecordView& record) { work->showRecord(record.toRecord(), number); });
    return found.ok();
}

TfrmTrovaLavori::TfrmTrovaLavori(QWidget* caller)
    : ToolWindow(caller, "TfrmTrovaLavori", kCaption) {
    auto* header = new BrandHeader(kTitle, kSubtitle.arg(QFileInfo(yearFile()).completeBaseName()), this);

    panPagine = new QStackedWidget(this);
    panPagine->setObjectName(QStringLiteral("panPagine"));
    panAvvio = buildCriteria();
    panContainer = buildResults();
    panPagine->addWidget(panAvvio);
    panPagine->addWidget(panContainer);

    lblConta = hiddenLabel(QStringLiteral("lblConta"), this, QStringLiteral("0"));
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(header);
    root->addWidget(panPagine, 1);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(940, 560);
}

QWidget* TfrmTrovaLavori::buildCriteria() {
    auto* panel = new QWidget(panPagine);
    panel->setObjectName(QStringLiteral("panAvvio"));

    auto* icon = new ClickablePicture(QStringLiteral("imgTrova"), iconPath(QStringLiteral("trova")), panel);
    icon->setDecorative(true);
    icon->setFixedSize(40, 40);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    for (const QString& text : {kInstruction1, kInstruction2, kInstruction3})
        lines->addWidget(instruction(text, panel));
    auto* intro = new QHBoxLayout;
    intro->setSpacing(14);
    intro->addWidget(icon, 0, Qt::AlignTop);
    intro->addLayout(lines, 1);

    // Two columns of five filters; the boxes keep room around them for their focus frames.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnMinimumWidth(2, 24);
    std::vector<QWidget*> chain;
    for (std::size_t i = 0; i < kFilters.size(); ++i) {
        const Filter& f = kFilters[i];
        auto* box = new QLineEdit(panel);
        box->setObjectName(QString::fromLatin1(f.name));
        box->setMinimumHeight(28);
        box->setMinimumWidth(230);
        EditBehaviour::of(box)->setFocusMark(FocusMark::Frame, QString::fromLatin1(f.frame));
        auto* label = new QLabel(QString::fromUtf8(f.label), panel);
        label->setBuddy(box);
        label->setStyleSheet(QStringLiteral("color: #1B3A5C;"));
        const int row = int(i) % kRowsPerColumn;
        const int column = int(i) < kRowsPerColumn ? 0 : 3;
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(box, row, column + 1);
        this->*f.member = box;
        chain.push_back(box);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    chainEnter(chain);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);

    lblAttendere = new QLabel(kWait, panel);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #B5661B; font-weight: bold;"));
    lblAttendere->hide();
    btnCerca = listButton(QStringLiteral("btnCerca"), QStringLiteral("trova"), kCerca, panel);
    btnAnnulla = listButton(QStringLiteral("btnAnnulla"), QStringLiteral("chiudi"), kChiudi, panel);
    setTabOrder(chain.back(), btnCerca);
    setTabOrder(btnCerca, btnAnnulla);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);

    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #D8DEE6;"));

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(26, 20, 26, 20);
    layout->setSpacing(14);
    layout->addLayout(intro);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(rule);
    layout->addLayout(buttons);

    // The wait line shows as soon as the mouse button goes down, before the search starts.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &T::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

QWidget* TfrmTrovaLavori::buildResults() {
    auto* panel = new QWidget(panPagine);
    panel->setObjectName(QStringLiteral("panContainer"));

    const ListBody body = makeListBody(panel, QStringLiteral("TfrmTrovaLavori"), true);
    adoptListBody(this, body);
    lblTrovate = body.lblTrovate;
    panel->setLayout(body.layout);

    connect(btnStampa, &QPushButton::clicked, this, &T::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &T::loadLine);
    return panel;
}

QString TfrmTrovaLavori::yearFile() const {
    const auto* work = qobject_cast<const TfrmLavori*>(parentWidget());
    return work ? work->lblFile->text() : QString();
}

void TfrmTrovaLavori::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (event->spontaneous())
        return;
    panLista->prepareShow(true);
    txtData->setFocus();
}

void TfrmTrovaLavori::btnCercaClick() {
    std::array<QString, work::kSearchFields.size()> typed;
    for (std::size_t i = 0; i < kFilters.size(); ++i)
        typed[i] = (this->*kFilters[i].member)->text();
    const work::WorkSearch search(typed);
    lblConta->setText(QString::number(search.filledCount()));

    lstRecords->clear();
    const work::WorkLines found = work::searchWorks(yearFile(), search);
    lblAttendere->hide();
    if (found.error != ArchiveError::None) {
        Platform::instance().error(kArchiveAccessMessage, this);
        return;
    }
    lstRecords->setLines(found.lines);
    lstRecords->selectRow(0);
    lblTrovate->setText(lists::foundCountText(lstRecords->count()));
    panPagine->setCurrentWidget(panContainer);
    txtTrova->clear();
    txtTrova->setFocus();
}

void TfrmTrovaLavori::btnStampaClick() {
    printList(this, kPrintTitle, lstRecords->lines());
}

void TfrmTrovaLavori::loadLine(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0 && callerTag(this) == kCallerWork)
        loadWorkLine(qobject_cast<TfrmLavori*>(parentWidget()), line);
    accept();
}

void TfrmTrovaLavori::done(int result) {
    lstRecords->clear();
    lblAttendere->hide();
    ToolWindow::done(result);
}

} // namespace orvelia
