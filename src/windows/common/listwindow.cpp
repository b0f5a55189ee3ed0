#include "windows/common/listwindow.h"

#include <map>

#include <QColor>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "framework/appearance.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/recordwindow.h"
#include "windows/common/toolwindow.h"

namespace orvelia {

namespace {
const QString kTrova = QStringLiteral("Trova");
const QString kDefaultTitle = QStringLiteral("Riepilogo");
const QString kFooter = QStringLiteral("Stampa eseguita in data [DATE]");
const QString kDocumentName = QStringLiteral("Orvelia - ");

// Gap between the title band and the first line, in report units.
constexpr qreal kTitleHeight = 30;
constexpr qreal kTitleGap = 8;
constexpr qreal kDataBandSlack = 10;
} // namespace

lists::QuickFind& rememberedFind(const QString& className) {
    static std::map<QString, lists::QuickFind> keys;
    return keys[className];
}

QPushButton* listButton(const QString& name, const QString& icon, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(QIcon(iconPath(icon)), text, parent);
    b->setObjectName(name);
    b->setMinimumSize(110, 30);
    b->setIconSize(QSize(18, 18));
    b->setAutoDefault(false);
    return b;
}

ListWindow::ListWindow(QWidget* caller, const Setup& setup)
    : ToolWindow(caller, setup.className, setup.caption)
    , m_printTitle(setup.printTitle) {
    auto* header = new BrandHeader(setup.title, setup.subtitle, this);
    panContainer = buildListPage(QString::fromLatin1(setup.className), setup.foundCount);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addWidget(panContainer, 1);
    paintGround(this, colours::kWhite);
    setMinimumSize(setup.minimumSize);

    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &ListView::lineDoubleClicked, this, [this](int row, const QString& line) {
        lineChosen(row, line);
        accept();
    });
}

QWidget* ListWindow::buildListPage(const QString& className, bool foundCount) {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("panContainer"));
    panLista = new ListPanel(page, rememberedFind(className), FindBox::EnterMovesToTrova, true);
    txtTrova = panLista->txtTrova;
    btnTrova = panLista->btnTrova;
    lstRecords = panLista->lstRecords;
    btnStampa =
        listButton(QStringLiteral("btnStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"), page);
    btnChiudi =
        listButton(QStringLiteral("btnChiudi"), QStringLiteral("chiudi"), QStringLiteral("Chiudi"), page);
    auto* buttons = new QHBoxLayout;
    m_buttons = buttons;
    buttons->setSpacing(10);
    if (foundCount) {
        lblTrovate = new QLabel(page);
        lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
        theme::setRole(lblTrovate, theme::Role::Heading);
        buttons->addWidget(lblTrovate);
    }
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(26, 16, 26, 20);
    layout->setSpacing(10);
    layout->addWidget(panLista, 1);
    layout->addLayout(buttons);
    return page;
}

void ListWindow::showLines(const QStringList& lines) {
    lstRecords->setLines(lines);
    panLista->prepareShow(true);
    if (lblTrovate)
        lblTrovate->setText(lists::foundCountText(lstRecords->count()));
    txtTrova->setFocus();
}

void ListWindow::showScanned(const QStringList& lines, ArchiveError error, const QString& unreadable) {
    showLines(lines);
    if (error != ArchiveError::None)
        records::reportFailure(this, error, kArchiveAccessMessage);
    if (!unreadable.isEmpty())
        Platform::instance().plain(unreadable, this);
}

void ListWindow::btnStampaClick() {
    printList(this, m_printTitle, lstRecords->lines());
}

void ListWindow::done(int result) {
    lstRecords->clear();
    ToolWindow::done(result);
}

ListPanel::ListPanel(QWidget* parent, lists::QuickFind& remembered, FindBox findBox, bool recallHint)
    : QWidget(parent) {
    setObjectName(QStringLiteral("panLista"));
    lblRigo01 = new QLabel(lists::kFindInstruction, this);
    lblRigo01->setObjectName("lblRigo01");
    lblRigo02 = new QLabel(lists::kFindAgainInstruction, this);
    lblRigo02->setObjectName("lblRigo02");
    for (QLabel* l : {lblRigo01, lblRigo02}) {
        l->setWordWrap(true);
        theme::setRole(l, theme::Role::Body);
    }
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName("txtTrova");
    txtTrova->setMinimumHeight(28);
    btnTrova = new QPushButton(QIcon(iconPath(QStringLiteral("trova"))), kTrova, this);
    btnTrova->setObjectName("btnTrova");
    btnTrova->setMinimumSize(110, 30);
    // Enter in the find box moves here; Enter here presses it.
    btnTrova->setAutoDefault(true);
    lstRecords = new ListView(QStringLiteral("lstRecords"), this);
    lstRecords->setQuickFind(&remembered);

    if (findBox == FindBox::EnterMovesToTrova) {
        EditBehaviour::of(txtTrova)->setEnterTarget(btnTrova);
    } else {
        EditBehaviour::of(txtTrova)->setFocusMark(FocusMark::Frame, QStringLiteral("effTrova"));
        txtTrova->installEventFilter(this);
    }
    connect(btnTrova, &QPushButton::clicked, this, &ListPanel::btnTrovaClick);

    auto* findRow = new QHBoxLayout;
    findRow->setSpacing(8);
    findRow->addWidget(txtTrova, 1);
    findRow->addWidget(btnTrova);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(6);
    root->addWidget(lblRigo01);
    root->addWidget(lblRigo02);
    root->addSpacing(2);
    root->addLayout(findRow);
    root->addSpacing(4);
    root->addWidget(lstRecords, 1);
    if (recallHint) {
        lblDoppioClic = new QLabel(lists::kRecallHint, this);
        lblDoppioClic->setObjectName("lblDoppioClic");
        QPalette p = lblDoppioClic->palette();
        p.setColor(QPalette::WindowText, colours::kCrimson);
        lblDoppioClic->setPalette(p);
        root->addWidget(lblDoppioClic);
    }
    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
}

void ListPanel::prepareShow(bool forgetKey) {
    if (forgetKey)
        lstRecords->finder().clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
}

void ListPanel::btnTrovaClick() {
    lstRecords->quickFind(txtTrova->text());
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the highlighted find box does nothing: it neither searches nor presses a default button.
    if (watched == txtTrova && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

report::Template listPrintTemplate() {
    using namespace report;
    Template print;
    print.page.paper = QPageSize::A4;
    print.page.orientation = QPageLayout::Landscape;
    print.page.marginMm = 10;
    const qreal width = print.contentWidth();

    TextStyle banner;
    banner.family = QString::fromLatin1(kFontVerdana);
    banner.pointSize = 12;
    banner.bold = true;
    banner.colour = colours::kWhite;
    banner.fill = colours::kSlate;
    banner.alignment = Qt::AlignCenter;
    banner.padding = 6;

    Band title;
    title.name = QStringLiteral("ReportTitle");
    title.kind = BandKind::Title;
    title.height = kTitleHeight + kTitleGap;
    title.memos.push_back({listprint::kTitleMemo, kDefaultTitle, QRectF(0, 0, width, kTitleHeight), banner});

    TextStyle fixed;
    fixed.family = QString::fromLatin1(kFontFixed);
    fixed.pointSize = 8;
    fixed.colour = colours::kBlack;
    fixed.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    fixed.padding = 2;

    Band data;
    data.name = listprint::kDataBand;
    data.kind = BandKind::Data;
    data.splittable = true;
    data.height = kDataBandSlack;
    data.memos.push_back({listprint::kDataMemo, QString(), QRectF(0, 0, width, 0), fixed});

    Band footer;
    footer.name = QStringLiteral("ReportSummary");
    footer.kind = BandKind::Summary;
    footer.height = kTitleHeight;
    Memo date{QStringLiteral("txtData"), kFooter, QRectF(0, 0, width, kTitleHeight), banner};
    date.expandsDate = true;
    footer.memos.push_back(date);

    print.bands = {title, data, footer};
    return print;
}

void fillListPrint(report::Template& print, const QString& title, const QStringList& lines,
                   const QStringList& closingLines) {
    print.memo(listprint::kTitleMemo)->text = title;
    report::Memo& memo = *print.memo(listprint::kDataMemo);
    memo.setLines(lines + closingLines);
    const qreal height = qreal(lines.size() + closingLines.size()) * listprint::kLineHeight;
    memo.rect.setHeight(height);
    print.band(listprint::kDataBand)->height = height + kDataBandSlack;
}

bool printList(QWidget* parent, const QString& title, const QStringList& lines,
               const QStringList& closingLines) {
    report::Template print = listPrintTemplate();
    fillListPrint(print, title, lines, closingLines);
    return report::print(print, parent, kDocumentName + title);
}

} // namespace orvelia
