#include "windows/registry/tfrmdocumentiscadenza.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "core/archive/dates.h"
#include "core/archive/paths.h"
#include "core/lists/lookup.h"
#include "core/registry/employeelines.h"
#include "core/system/settings.h"
#include "framework/platform.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {

using F = TSchedaLavoratore;

const QString kCaption = QStringLiteral(" Documenti in scadenza");
const QString kTitle = QStringLiteral("Documenti d'identit\u00E0 scaduti o in scadenza");
const QString kSubtitle = QStringLiteral("Documenti da rinnovare alla data del %1");
const QString kPrintTitle = QStringLiteral("Documenti d'identit\u00E0 scaduti o in scadenza entro %1 giorni");
const QString kDaysPrompt = QStringLiteral("Scadenza entro giorni:");
const QString kDaysKey = QStringLiteral("documenti/giorni");

} // namespace

TfrmDocumentiScadenza::TfrmDocumentiScadenza(QWidget* caller)
    : ListWindow(caller, {.className = "TfrmDocumentiScadenza",
                          .caption = kCaption,
                          .title = kTitle,
                          .subtitle = kSubtitle.arg(formatDate(Platform::instance().today())),
                          .printTitle = kPrintTitle.arg(registry::kDocumentDaysDefault),
                          .minimumSize = QSize(1240, 560)}) {
    spnGiorni = new QSpinBox(panContainer);
    spnGiorni->setObjectName("spnGiorni");
    spnGiorni->setRange(0, registry::kDocumentDaysMost);
    spnGiorni->setMinimumSize(80, 30);
    spnGiorni->setKeyboardTracking(false); // the list follows the days once they are typed, not at each digit
    QLabel* prompt = roleLabel(QStringLiteral("lblGiorni"), kDaysPrompt, theme::Role::Heading, panContainer);
    prompt->setBuddy(spnGiorni);
    buttonRow()->insertWidget(0, prompt);
    buttonRow()->insertWidget(1, spnGiorni);
    connect(spnGiorni, &QSpinBox::valueChanged, this, [this](int days) {
        settings::setValue(programFolder(), kDaysKey, QString::number(days));
        list();
    });
}

void TfrmDocumentiScadenza::opening() {
    bool number = false;
    const int days = settings::value(programFolder(), kDaysKey, QString()).toInt(&number);
    const QSignalBlocker quiet(spnGiorni);
    spnGiorni->setValue(
        number && days >= 0 && days <= registry::kDocumentDaysMost ? days : registry::kDocumentDaysDefault);
    list();
}

void TfrmDocumentiScadenza::list() {
    setPrintTitle(kPrintTitle.arg(spnGiorni->value()));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const registry::DocumentsDue due = registry::documentsDue(
        employeeArchivePath(programFolder()), Platform::instance().today(), spnGiorni->value());
    QApplication::restoreOverrideCursor();
    showScanned(due.lines, due.error,
                due.unreadable.isEmpty() ? QString() : registry::unreadableDocumentMessage(due.unreadable));
}

void TfrmDocumentiScadenza::lineChosen(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row < 0)
        return;
    const QDate today = Platform::instance().today();
    const int days = spnGiorni->value();
    lists::findRecordOfLine(
        employeeArchivePath(programFolder()), F::layout, line,
        [today, days](const RecordView& r) { return registry::documentLine(r, today, days); },
        [this](qint64 number, const RecordView& r) { emit workerChosen(r.toRecord(), number); });
}

} // namespace orvelia
