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
#include "windows/common/listwindow.h"
#include "windows/common/recordwindow.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;
using T = TfrmTrovaIstruttori;

const QString kCaption = QStringLiteral(" Trova lavoratori in archivio");
const QString kTitle = QStringLiteral("Trova lavoratori");
const QString kSubtitle = QStringLiteral("Anagrafica lavoratori");
const QString kPrintTitle = QStringLiteral("Riepilogo lavoratori in archivio");

const QString kTagRegistry = QStringLiteral("istruttori");
const QString kTagWork = QStringLiteral("lavori");
const QString kTagSummary = QStringLiteral("riep_pagamenti");

// The ten filter boxes, in the order of the Enter chain and of the search fields.
struct Filter {
    QLineEdit* TfrmTrovaIstruttori::*edit;
    SearchFilter box;
};
const Filter kFilters[] = {
    {&T::txtCognome, {"Cognome:", "txtCognome", "effCognome"}},
    {&T::txtNome, {"Nome:", "txtNome", "effNome"}},
    {&T::txtCodice, {"Mansione:", "txtCodice", "effCodice"}},
    {&T::txtCategoria, {"Categoria:", "txtCategoria", "effCategoria"}},
    {&T::txtCodFisc, {"Codice fiscale:", "txtCodFisc", "effCodFisc"}},
    {&T::txtIva, {"Partita IVA:", "txtIva", "effIva"}},
    {&T::txtFamiliari, {"Giorni e orari disponibilità:", "txtFamiliari", "effFamiliari"}},
    {&T::txtProdotti, {"Equipaggiamento assegnato:", "txtProdotti", "effProdotti"}},
    {&T::txtAcquisto, {"Tipo contratto:", "txtAcquisto", "effAcquisto"}},
    {&T::txtNote, {"Note:", "txtNote", "effNote"}},
};
static_assert(std::size(kFilters) == registry::kSearchFields.size());

} // namespace

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* caller)
    : ToolWindow(caller, "TfrmTrovaIstruttori", kCaption) {
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);
    lblConta = hiddenLabel(QStringLiteral("lblConta"), this, QStringLiteral("0"));

    auto* header = new BrandHeader(kTitle, kSubtitle, this, 72);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildCriteria());
    m_pages->addWidget(buildResults());

    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addWidget(m_pages, 1);

    paintGround(this, colours::kWhite);
    setMinimumSize(960, 560);

    connect(btnCerca, &QPushButton::clicked, this, &T::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &T::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &T::lstRecordsDblClick);
}

QWidget* TfrmTrovaIstruttori::buildCriteria() {
    std::vector<SearchFilter> boxes;
    for (const Filter& f : kFilters)
        boxes.push_back(f.box);
    const SearchCriteria criteria =
        makeSearchCriteria(this, QStringLiteral("imgIcona"), QStringLiteral("persona"), boxes);
    for (std::size_t i = 0; i < std::size(kFilters); ++i)
        this->*kFilters[i].edit = criteria.boxes[i];
    panAvvio = criteria.page;
    lblAttendere = criteria.lblAttendere;
    btnCerca = criteria.btnCerca;
    btnAnnulla = criteria.btnAnnulla;
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
        records::reportFailure(this, found.error(), kArchiveAccessMessage);
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
            [this](qint64 number, const RecordView& r) {
                const QString tag = trimText(lblMemory->text());
                if (tag == kTagRegistry || tag == kTagWork || tag == kTagSummary)
                    emit workerChosen(r.toRecord(), number);
            });
    }
    accept();
}

void TfrmTrovaIstruttori::done(int result) {
    lstRecords->clear();
    lblAttendere->hide();
    ToolWindow::done(result);
}

} // namespace orvelia
