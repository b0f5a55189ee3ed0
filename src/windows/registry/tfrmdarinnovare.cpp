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
#include "core/lists/lookup.h"
#include "core/registry/employeelines.h"
#include "framework/listview.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/listwindow.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;

const QString kCaption = QStringLiteral(" Riepilogo contratti in scadenza o scaduti");
const QString kTitle = QStringLiteral("Contratti in scadenza o scaduti");
const QString kSubtitle = QStringLiteral("Contratti da rinnovare alla data del %1");
const QString kPrintTitle = QStringLiteral("Riepilogo contratti in scadenza o scaduti");

} // namespace

TfrmDaRinnovare::TfrmDaRinnovare(QWidget* caller)
    : ListWindow(caller, {.className = "TfrmDaRinnovare",
                          .caption = kCaption,
                          .title = kTitle,
                          .subtitle = kSubtitle.arg(formatDate(Platform::instance().today())),
                          .printTitle = kPrintTitle,
                          .minimumSize = QSize(960, 560)}) {}

void TfrmDaRinnovare::opening() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const registry::ExpiringContracts due =
        registry::expiringContracts(employeeArchivePath(programFolder()), Platform::instance().today());
    QApplication::restoreOverrideCursor();
    showScanned(due.lines, due.error,
                due.unreadable.isEmpty() ? QString() : registry::unreadableExpiryMessage(due.unreadable));
}

void TfrmDaRinnovare::lineChosen(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0) {
        lists::findRecordOfLine(
            employeeArchivePath(programFolder()), F::layout, line,
            [](const RecordView& r) { return registry::expiryLine(r); },
            [this](qint64 number, const RecordView& r) { emit workerChosen(r.toRecord(), number); });
    }
}

} // namespace orvelia
