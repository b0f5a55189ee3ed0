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

// The filter boxes in tab order, box i looking in work::kSearchFields[i].
const std::array<SearchFilter, work::kSearchFields.size()> kFilters = {{
    {"Data prestazione (gg/mm/aaaa):", "txtData", "effData"},
    {"Sede operativa:", "txtLuogo", "effLuogo"},
    {"Attività svolta:", "txtAttivita", "effAttivita"},
    {"Postazione di lavoro:", "txtPostazione", "effPostazione"},
    {"Cognome:", "txtCognome", "effCognome"},
    {"Nome:", "txtNome", "effNome"},
    {"Codice fiscale:", "txtCodFisc", "effCodFisc"},
    {"Mansione:", "txtMansione", "effMansione"},
    {"Codice identificativo progetto:", "txtCodiceProg", "effCodiceProg"},
    {"Note:", "txtNote", "effNote"},
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
    : SearchWindow(caller,
                   {.className = "TfrmTrovaLavori",
                    .caption = kCaption,
                    .title = kTitle,
                    .subtitle = kSubtitle.arg(QFileInfo(yearFile).completeBaseName()),
                    .printTitle = kPrintTitle,
                    .minimumSize = QSize(940, 560),
                    .foundCount = true},
                   {QStringLiteral("imgTrova"), QStringLiteral("trova"), kFilters})
    , m_yearFile(yearFile) {
    bindBoxes(this, {&T::txtData, &T::txtLuogo, &T::txtAttivita, &T::txtPostazione, &T::txtCognome,
                     &T::txtNome, &T::txtCodFisc, &T::txtMansione, &T::txtCodiceProg, &T::txtNote});
}

ArchiveResult<QStringList> TfrmTrovaLavori::search(const QStringList& typed, int& filtersInUse) {
    std::array<QString, work::kSearchFields.size()> texts;
    std::copy(typed.begin(), typed.end(), texts.begin());
    const work::WorkSearch search(texts);
    filtersInUse = search.filledCount();
    work::WorkLines found = work::searchWorks(m_yearFile, search);
    if (found.error != ArchiveError::None)
        return found.error;
    return std::move(found.lines);
}

void TfrmTrovaLavori::lineChosen(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0 && callerTag(this) == kCallerWork)
        findWorkOfLine(m_yearFile, line,
                       [this](const Record& work, qint64 number) { emit workChosen(work, number); });
}

} // namespace orvelia
