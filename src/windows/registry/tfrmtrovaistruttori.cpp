#include "windows/registry/tfrmtrovaistruttori.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/lists/lookup.h"
#include "core/registry/employeelines.h"
#include "framework/editing.h"
#include "framework/listview.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/app/listwindow.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/work/tfrmlavori.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;
using T = TfrmTrovaIstruttori;

const QString kCaption = QStringLiteral(" Trova lavoratori in archivio");
const QString kTitle = QStringLiteral("Trova lavoratori");
const QString kSubtitle = QStringLiteral("Anagrafica lavoratori");
const QString kInstruction1 =
    QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti "
                   "nelle schede da trovare e premere il pulsante Cerca.");
const QString kInstruction2 = QStringLiteral("Lasciare in bianco tutti gli altri campi.");
const QString kInstruction3 =
    QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.");
const QString kWait = QStringLiteral("Ricerca schede in corso. Attendere...");
const QString kCerca = QStringLiteral("Cerca");
const QString kChiudi = QStringLiteral("Chiudi");
const QString kPrintTitle = QStringLiteral("Riepilogo lavoratori in archivio");

const QString kTagRegistry = QStringLiteral("istruttori");
const QString kTagWork = QStringLiteral("lavori");
const QString kTagSummary = QStringLiteral("riep_pagamenti");
const QString kSummaryWindow = QStringLiteral("TfrmMenuRiepilogoPagamenti");
const QString kSummaryField = QStringLiteral("txtTipologia");

// The ten filter boxes, in the order of the Enter chain and of the search fields.
struct Filter {
    QLineEdit* TfrmTrovaIstruttori::*edit;
    const char* name;
    const char* label;
};
const Filter kFilters[] = {
    {&T::txtCognome, "Cognome", "Cognome:"},
    {&T::txtNome, "Nome", "Nome:"},
    {&T::txtCodice, "Codice", "Mansione:"},
    {&T::txtCategoria, "Categoria", "Categoria:"},
    {&T::txtCodFisc, "CodFisc", "Codice fiscale:"},
    {&T::txtIva, "Iva", "Partita IVA:"},
    {&T::txtFamiliari, "Familiari", "Giorni e orari disponibilità:"},
    {&T::txtProdotti, "Prodotti", "Equipaggiamento assegnato:"},
    {&T::txtAcquisto, "Acquisto", "Tipo contratto:"},
    {&T::txtNote, "Note", "Note:"},
};
static_assert(std::size(kFilters) == registry::kSearchFields.size());
constexpr int kFiltersPerColumn = 5;

QLabel* instruction(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #3C4A5A;"));
    return l;
}

// The window of class W that the search serves: its caller, or the program's window of that class.
template <typename W> W* target(QWidget* caller) {
    if (auto* w = qobject_cast<W*>(caller))
        return w;
    if (auto* nav = qobject_cast<NavigationWindow*>(caller))
        return nav->app().window<W>();
    return nullptr;
}

QWidget* summaryWindow(QWidget* caller) {
    if (caller && caller->objectName() == kSummaryWindow)
        return caller;
    if (auto* nav = qobject_cast<NavigationWindow*>(caller))
        return nav->app().window(kSummaryWindow);
    return nullptr;
}

} // namespace

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* caller)
    : ToolWindow(caller, "TfrmTrovaIstruttori", kCaption) {
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);
    lblConta = hiddenLabel(QStringLiteral("lblConta"), this, QStringLiteral("0"));

    auto* header = new BrandHeader(kTitle, kSubtitle, this, 72);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildCriteria());
    m_pages->addWidget(buildResults());

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(header);
    root->addWidget(m_pages, 1);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(960, 560);

    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &T::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &T::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &T::lstRecordsDblClick);
}

QWidget* TfrmTrovaIstruttori::buildCriteria() {
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    std::vector<QWidget*> chain;
    int index = 0;
    for (const Filter& f : kFilters) {
        auto* label = new QLabel(QString::fromUtf8(f.label), panAvvio);
        label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(f.name));
        label->setStyleSheet(QStringLiteral("color: #1B3A5C;"));
        auto* box = new QLineEdit(panAvvio);
        box->setObjectName(QStringLiteral("txt") + QString::fromLatin1(f.name));
        box->setMinimumHeight(26);
        EditBehaviour::of(box)->setFocusMark(FocusMark::Frame,
                                             QStringLiteral("eff") + QString::fromLatin1(f.name));
        this->*f.edit = box;
        chain.push_back(box);
        const int column = (index / kFiltersPerColumn) * 2;
        const int row = index % kFiltersPerColumn;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        ++index;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 0);
    chainEnter(chain);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    lblAttendere = new QLabel(kWait, panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setStyleSheet(QStringLiteral("color: #C0392B; font-weight: bold;"));
    lblAttendere->hide();

    btnCerca = listButton(QStringLiteral("btnCerca"), QStringLiteral("trova"), kCerca, panAvvio);
    btnAnnulla = listButton(QStringLiteral("btnAnnulla"), QStringLiteral("chiudi"), kChiudi, panAvvio);
    setTabOrder(chain.back(), btnCerca);
    setTabOrder(btnCerca, btnAnnulla);

    auto* picture =
        new ClickablePicture(QStringLiteral("imgIcona"), iconPath(QStringLiteral("persona")), panAvvio);
    picture->setDecorative(true);
    picture->setFixedSize(40, 40);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    QLabel* first = instruction(kInstruction1, panAvvio);
    first->setStyleSheet(QStringLiteral("color: #1B3A5C; font-weight: bold;"));
    texts->addWidget(first);
    texts->addWidget(instruction(kInstruction2, panAvvio));
    texts->addWidget(instruction(kInstruction3, panAvvio));
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* rule = new QFrame(panAvvio);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #D8DEE6;"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);

    auto* body = new QVBoxLayout(panAvvio);
    body->setContentsMargins(26, 18, 26, 20);
    body->setSpacing(10);
    body->addLayout(top);
    body->addSpacing(8);
    body->addLayout(grid);
    body->addStretch(1);
    body->addWidget(rule);
    body->addLayout(buttons);
    return panAvvio;
}

QWidget* TfrmTrovaIstruttori::buildResults() {
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    const ListBody body = makeListBody(panContainer, QStringLiteral("TfrmTrovaIstruttori"), true);
    adoptListBody(this, body);
    lblTrovate = body.lblTrovate;
    panContainer->setLayout(body.layout);
    return panContainer;
}

void TfrmTrovaIstruttori::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (event->spontaneous())
        return;
    panLista->prepareShow(true);
    txtCognome->setFocus();
}

void TfrmTrovaIstruttori::btnCercaClick() {
    std::array<QString, 10> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = (this->*kFilters[i].edit)->text();
    const registry::EmployeeSearch search(typed);
    lblConta->setText(QString::number(search.filtersInUse()));
    lstRecords->clear();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto found = registry::searchEmployees(employeeArchivePath(programFolder()), search);
    QApplication::restoreOverrideCursor();
    lblAttendere->hide();
    if (!found) {
        Platform::instance().error(kArchiveAccessMessage, this);
        return;
    }
    lstRecords->setLines(*found);
    lblTrovate->setText(lists::foundCountText(lstRecords->count()));
    m_pages->setCurrentWidget(panContainer);
    lstRecords->selectRow(0);
    txtTrova->clear();
    txtTrova->setFocus();
}

void TfrmTrovaIstruttori::btnStampaClick() {
    printList(this, kPrintTitle, lstRecords->lines());
}

void TfrmTrovaIstruttori::lstRecordsDblClick() {
    // A failure, or a double-click with no line selected, closes the window silently;
    // what was loaded before it stays loaded.
    if (lstRecords->selectedRow() >= 0) {
        lists::findRecordOfLine(
            employeeArchivePath(programFolder()), F::layout, lstRecords->selectedLine(),
            [](const RecordView& r) { return registry::searchLine(r); },
            [this](qint64 number, const RecordView& r) { load(number, r); });
    }
    accept();
}

void TfrmTrovaIstruttori::load(qint64 number, const RecordView& record) {
    const QString tag = trimText(lblMemory->text());
    QWidget* caller = parentWidget();
    if (tag == kTagRegistry) {
        if (auto* registryWindow = target<TfrmIstruttori>(caller))
            registryWindow->showRecord(record.toRecord(), number);
    } else if (tag == kTagWork) {
        if (auto* work = target<TfrmLavori>(caller)) {
            work->txtCognome->setText(record[F::Cognome]);
            work->txtNome->setText(record[F::Nome]);
            work->txtCodFisc->setText(record[F::CodFisc]);
            work->txtRecapito->setText(record[F::Recapito]);
            work->txtMansione->setText(record[F::Codice]);
            work->txtCategoria->setText(record[F::Categoria]);
        }
    } else if (tag == kTagSummary) {
        if (QWidget* summary = summaryWindow(caller)) {
            if (auto* box = summary->findChild<QLineEdit*>(kSummaryField))
                box->setText(record[F::CodFisc]);
        }
    }
}

void TfrmTrovaIstruttori::done(int result) {
    lstRecords->clear();
    lblAttendere->hide();
    ToolWindow::done(result);
}

} // namespace orvelia
