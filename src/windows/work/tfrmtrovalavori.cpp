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
#include "windows/common/toolwindow.h"
#include "windows/common/listwindow.h"
#include "windows/common/recordwindow.h"

namespace orvelia {

namespace {

using T = TfrmTrovaLavori;

const QString kCaption = QStringLiteral(" Trova prestazioni lavorative in archivio");
const QString kTitle = QStringLiteral("Trova prestazioni lavorative");
const QString kSubtitle = QStringLiteral("Registro lavori dell'anno %1");
const QString kPrintTitle = QStringLiteral("Riepilogo prestazioni lavorative");
const QString kCallerWork = QStringLiteral("lavori");

struct Filter {
    QLineEdit* TfrmTrovaLavori::*member;
    SearchFilter box;
};

// The filter boxes in tab order, box i looking in work::kSearchFields[i].
const std::array<Filter, work::kSearchFields.size()> kFilters = {{
    {&T::txtData, {"Data prestazione (gg/mm/aaaa):", "txtData", "effData"}},
    {&T::txtLuogo, {"Sede operativa:", "txtLuogo", "effLuogo"}},
    {&T::txtAttivita, {"Attività svolta:", "txtAttivita", "effAttivita"}},
    {&T::txtPostazione, {"Postazione di lavoro:", "txtPostazione", "effPostazione"}},
    {&T::txtCognome, {"Cognome:", "txtCognome", "effCognome"}},
    {&T::txtNome, {"Nome:", "txtNome", "effNome"}},
    {&T::txtCodFisc, {"Codice fiscale:", "txtCodFisc", "effCodFisc"}},
    {&T::txtMansione, {"Mansione:", "txtMansione", "effMansione"}},
    {&T::txtCodiceProg, {"Codice identificativo progetto:", "txtCodiceProg", "effCodiceProg"}},
    {&T::txtNote, {"Note:", "txtNote", "effNote"}},
}};

} // namespace

bool findWorkOfLine(const QString& yearFile, const QString& line,
                    const std::function<void(const Record&, qint64)>& found) {
    const auto lookup = lists::findRecordOfLine(
        yearFile, TSchedaLavoro::layout, line,
        [](const RecordView& record) { return work::workLine(record); },
        [&found](qint64 number, const RecordView& record) { found(record.toRecord(), number); });
    return lookup.ok();
}

TfrmTrovaLavori::TfrmTrovaLavori(QWidget* caller, const QString& yearFile)
    : ToolWindow(caller, "TfrmTrovaLavori", kCaption)
    , m_yearFile(yearFile) {
    auto* header = new BrandHeader(kTitle, kSubtitle.arg(QFileInfo(m_yearFile).completeBaseName()), this);

    panPagine = new QStackedWidget(this);
    panPagine->setObjectName(QStringLiteral("panPagine"));
    panAvvio = buildCriteria();
    panContainer = buildResults();
    panPagine->addWidget(panAvvio);
    panPagine->addWidget(panContainer);

    lblConta = hiddenLabel(QStringLiteral("lblConta"), this, QStringLiteral("0"));
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);

    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addWidget(panPagine, 1);

    paintGround(this, colours::kWhite);
    setMinimumSize(940, 560);
}

QWidget* TfrmTrovaLavori::buildCriteria() {
    std::vector<SearchFilter> boxes;
    for (const Filter& f : kFilters)
        boxes.push_back(f.box);
    const SearchCriteria criteria =
        makeSearchCriteria(panPagine, QStringLiteral("imgTrova"), QStringLiteral("trova"), boxes);
    for (std::size_t i = 0; i < kFilters.size(); ++i)
        this->*kFilters[i].member = criteria.boxes[i];
    lblAttendere = criteria.lblAttendere;
    btnCerca = criteria.btnCerca;
    btnAnnulla = criteria.btnAnnulla;
    connect(btnCerca, &QPushButton::clicked, this, &T::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return criteria.page;
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
    const work::WorkLines found = work::searchWorks(m_yearFile, search);
    lblAttendere->hide();
    if (found.error != ArchiveError::None) {
        records::reportFailure(this, found.error, kArchiveAccessMessage);
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
        findWorkOfLine(m_yearFile, line,
                       [this](const Record& work, qint64 number) { emit workChosen(work, number); });
    accept();
}

void TfrmTrovaLavori::done(int result) {
    lstRecords->clear();
    lblAttendere->hide();
    ToolWindow::done(result);
}

} // namespace orvelia
