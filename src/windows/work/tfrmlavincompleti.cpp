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
    : ToolWindow(caller, "TfrmLavIncompleti", kCaption)
    , m_yearFile(yearFile) {
    auto* header = new BrandHeader(kTitle, kSubtitle.arg(QFileInfo(m_yearFile).completeBaseName()), this);

    const ListBody body = makeListBody(this, QStringLiteral("TfrmLavIncompleti"));
    adoptListBody(this, body);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body.layout, 1);

    paintGround(this, colours::kWhite);
    setMinimumSize(940, 540);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmLavIncompleti::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &TfrmLavIncompleti::loadLine);
}

void TfrmLavIncompleti::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // A failure part way keeps, without a word, what was listed before it.
    lstRecords->setLines(work::incompleteWorks(m_yearFile).lines);
    panLista->prepareShow(true);
    txtTrova->setFocus();
}

void TfrmLavIncompleti::btnStampaClick() {
    printList(this, kPrintTitle, lstRecords->lines());
}

void TfrmLavIncompleti::loadLine(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0)
        findWorkOfLine(m_yearFile, line,
                       [this](const Record& work, qint64 number) { emit workChosen(work, number); });
    accept();
}

void TfrmLavIncompleti::done(int result) {
    lstRecords->clear();
    ToolWindow::done(result);
}

} // namespace orvelia
