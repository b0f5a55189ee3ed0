#include "windows/registry/tfrmdarinnovare.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/dates.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/lists/lookup.h"
#include "core/registry/employeelines.h"
#include "framework/listview.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/listwindow.h"
#include "windows/common/recordwindow.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;

const QString kCaption = QStringLiteral(" Riepilogo contratti in scadenza o scaduti");
const QString kTitle = QStringLiteral("Contratti in scadenza o scaduti");
const QString kSubtitle = QStringLiteral("Contratti da rinnovare alla data del %1");
const QString kPrintTitle = QStringLiteral("Riepilogo contratti in scadenza o scaduti");

} // namespace

TfrmDaRinnovare::TfrmDaRinnovare(QWidget* caller)
    : ToolWindow(caller, "TfrmDaRinnovare", kCaption) {
    auto* header = new BrandHeader(kTitle, kSubtitle.arg(formatDate(Platform::instance().today())), this, 72);

    const ListBody body = makeListBody(this, QStringLiteral("TfrmDaRinnovare"));
    adoptListBody(this, body);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body.layout, 1);

    paintGround(this, colours::kWhite);
    setMinimumSize(960, 560);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmDaRinnovare::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &TfrmDaRinnovare::lstRecordsDblClick);
}

void TfrmDaRinnovare::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (event->spontaneous())
        return;
    buildList();
}

void TfrmDaRinnovare::buildList() {
    panLista->prepareShow(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const registry::ExpiringContracts due =
        registry::expiringContracts(employeeArchivePath(programFolder()), Platform::instance().today());
    QApplication::restoreOverrideCursor();
    lstRecords->setLines(due.lines);
    lstRecords->selectRow(0);
    txtTrova->setFocus();
    // Say what could not be judged: a silent gap would hide contracts that are due.
    if (due.error != ArchiveError::None)
        records::reportFailure(this, due.error, kArchiveAccessMessage);
    if (!due.unreadable.isEmpty())
        Platform::instance().plain(registry::unreadableExpiryMessage(due.unreadable), this);
}

void TfrmDaRinnovare::btnStampaClick() {
    printList(this, kPrintTitle, lstRecords->lines());
}

void TfrmDaRinnovare::lstRecordsDblClick() {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (lstRecords->selectedRow() >= 0) {
        lists::findRecordOfLine(
            employeeArchivePath(programFolder()), F::layout, lstRecords->selectedLine(),
            [](const RecordView& r) { return registry::expiryLine(r); },
            [this](qint64 number, const RecordView& r) { emit workerChosen(r.toRecord(), number); });
    }
    accept();
}

void TfrmDaRinnovare::done(int result) {
    lstRecords->clear();
    ToolWindow::done(result);
}

} // namespace orvelia
