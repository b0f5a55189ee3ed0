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
#include "windows/app/listwindow.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmtrovalavori.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Riepilogo lavori incompleti");
const QString kTitle = QStringLiteral("Lavori incompleti");
const QString kSubtitle = QStringLiteral("Registro lavori dell'anno %1");
const QString kStampa = QStringLiteral("Stampa");
const QString kChiudi = QStringLiteral("Chiudi");
const QString kPrintTitle = QStringLiteral("Riepilogo lavori incompleti");

QPushButton* button(const QString& name, const QString& icon, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(QIcon(iconPath(icon)), text, parent);
    b->setObjectName(name);
    b->setMinimumSize(110, 30);
    b->setIconSize(QSize(18, 18));
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfrmLavIncompleti::TfrmLavIncompleti(QWidget* caller)
    : ToolWindow(caller, "TfrmLavIncompleti", kCaption) {
    auto* header = new BrandHeader(kTitle, kSubtitle.arg(QFileInfo(yearFile()).completeBaseName()), this);

    panLista = new ListPanel(this, rememberedFind(QStringLiteral("TfrmLavIncompleti")),
                             FindBox::EnterMovesToTrova, true);
    lstRecords = panLista->lstRecords;
    txtTrova = panLista->txtTrova;
    btnTrova = panLista->btnTrova;

    btnStampa = button(QStringLiteral("btnStampa"), QStringLiteral("stampa"), kStampa, this);
    btnChiudi = button(QStringLiteral("btnChiudi"), QStringLiteral("chiudi"), kChiudi, this);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnChiudi);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(26, 16, 26, 20);
    body->setSpacing(10);
    body->addWidget(panLista, 1);
    body->addLayout(buttons);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(header);
    root->addLayout(body, 1);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(940, 540);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmLavIncompleti::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, &TfrmLavIncompleti::loadLine);
}

QString TfrmLavIncompleti::yearFile() const {
    const auto* work = qobject_cast<const TfrmLavori*>(parentWidget());
    return work ? work->lblFile->text() : QString();
}

void TfrmLavIncompleti::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // A failure part way keeps, without a word, what was listed before it.
    lstRecords->setLines(work::incompleteWorks(yearFile()).lines);
    panLista->prepareShow(true);
    txtTrova->setFocus();
}

void TfrmLavIncompleti::btnStampaClick() {
    printList(this, kPrintTitle, lstRecords->lines());
}

void TfrmLavIncompleti::loadLine(int row, const QString& line) {
    // A failure, or a double-click with no line selected, closes the window silently.
    if (row >= 0)
        loadWorkLine(qobject_cast<TfrmLavori*>(parentWidget()), line);
    accept();
}

void TfrmLavIncompleti::done(int result) {
    lstRecords->clear();
    ToolWindow::done(result);
}

} // namespace orvelia
