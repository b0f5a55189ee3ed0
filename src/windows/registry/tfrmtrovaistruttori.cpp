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
const SearchFilter kFilters[] = {
    {"Cognome:", "txtCognome", "effCognome"},
    {"Nome:", "txtNome", "effNome"},
    {"Mansione:", "txtCodice", "effCodice"},
    {"Categoria:", "txtCategoria", "effCategoria"},
    {"Codice fiscale:", "txtCodFisc", "effCodFisc"},
    {"Partita IVA:", "txtIva", "effIva"},
    {"Giorni e orari disponibilità:", "txtFamiliari", "effFamiliari"},
    {"Equipaggiamento assegnato:", "txtProdotti", "effProdotti"},
    {"Tipo contratto:", "txtAcquisto", "effAcquisto"},
    {"Note:", "txtNote", "effNote"},
};
static_assert(std::size(kFilters) == registry::kSearchFields.size());

} // namespace

TfrmTrovaIstruttori::TfrmTrovaIstruttori(QWidget* caller)
    : SearchWindow(caller,
                   {.className = "TfrmTrovaIstruttori",
                    .caption = kCaption,
                    .title = kTitle,
                    .subtitle = kSubtitle,
                    .printTitle = kPrintTitle,
                    .minimumSize = QSize(960, 560),
                    .foundCount = true},
                   {QStringLiteral("imgIcona"), QStringLiteral("persona"), kFilters}) {
    bindBoxes(this, {&T::txtCognome, &T::txtNome, &T::txtCodice, &T::txtCategoria, &T::txtCodFisc, &T::txtIva,
                     &T::txtFamiliari, &T::txtProdotti, &T::txtAcquisto, &T::txtNote});
}

ArchiveResult<QStringList> TfrmTrovaIstruttori::search(const QStringList& typed, int& filtersInUse) {
    std::array<QString, registry::kSearchFields.size()> texts;
    std::copy(typed.begin(), typed.end(), texts.begin());
    const registry::EmployeeSearch search(texts);
    filtersInUse = search.filtersInUse();
    return registry::searchEmployees(employeeArchivePath(programFolder()), search);
}

void TfrmTrovaIstruttori::lineChosen(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently;
    // what was loaded before it stays loaded.
    if (row < 0)
        return;
    lists::findRecordOfLine(
        employeeArchivePath(programFolder()), F::layout, line,
        [](const RecordView& r) { return registry::searchLine(r); },
        [this](qint64 number, const RecordView& r) {
            const QString tag = trimText(lblMemory->text());
            if (tag == kTagRegistry || tag == kTagWork || tag == kTagSummary)
                emit workerChosen(r.toRecord(), number);
        });
}

} // namespace orvelia
