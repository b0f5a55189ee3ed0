#include "windows/work/tfrmlavincompleti.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/work/worklines.h"
#include "framework/listview.h"
#include "framework/widgets.h"
#include "windows/common/listwindow.h"
#include "windows/work/tfrmtrovalavori.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Riepilogo lavori incompleti");
const QString kTitle = QStringLiteral("Lavori incompleti");
const QString kSubtitle = QStringLiteral("Registro lavori dell'anno %1");
const QString kPrintTitle = QStringLiteral("Riepilogo lavori incompleti");

} // namespace

TfrmLavIncompleti::TfrmLavIncompleti(QWidget* caller, const QString& yearFile)
    : ListWindow(caller, {.className = "TfrmLavIncompleti",
                          .caption = kCaption,
                          .title = kTitle,
                          .subtitle = kSubtitle.arg(QFileInfo(yearFile).completeBaseName()),
                          .printTitle = kPrintTitle,
                          .minimumSize = QSize(940, 540)})
    , m_yearFile(yearFile) {}

void TfrmLavIncompleti::opening() {
    // A failure part way keeps, without a word, what was listed before it.
    showLines(work::incompleteWorks(m_yearFile).lines);
}

void TfrmLavIncompleti::lineChosen(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0)
        findWorkOfLine(m_yearFile, line,
                       [this](const Record& work, qint64 number) { emit workChosen(work, number); });
}

} // namespace orvelia
