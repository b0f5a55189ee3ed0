#include "windows/common/listwindow.h"

#include <map>

#include <QColor>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/lists/lines.h"
#include "framework/appearance.h"
#include "framework/editing.h"
#include "framework/widgets.h"

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

ListBody makeListBody(QWidget* parent, const QString& className, bool foundCount) {
    ListBody body{};
    body.panel = new ListPanel(parent, rememberedFind(className), FindBox::EnterMovesToTrova, true);
    body.btnStampa =
        listButton(QStringLiteral("btnStampa"), QStringLiteral("stampa"), QStringLiteral("Stampa"), parent);
    body.btnChiudi =
        listButton(QStringLiteral("btnChiudi"), QStringLiteral("chiudi"), QStringLiteral("Chiudi"), parent);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    if (foundCount) {
        body.lblTrovate = new QLabel(parent);
        body.lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
        theme::setRole(body.lblTrovate, theme::Role::Heading);
        buttons->addWidget(body.lblTrovate);
    }
    buttons->addStretch();
    buttons->addWidget(body.btnStampa);
    buttons->addWidget(body.btnChiudi);
    body.layout = new QVBoxLayout;
    body.layout->setContentsMargins(26, 16, 26, 20);
    body.layout->setSpacing(10);
    body.layout->addWidget(body.panel, 1);
    body.layout->addLayout(buttons);
    return body;
}

SearchCriteria makeSearchCriteria(QWidget* parent, const QString& pictureName, const QString& icon,
                                  std::span<const SearchFilter> filters) {
    SearchCriteria c;
    c.page = new QWidget(parent);
    c.page->setObjectName(QStringLiteral("panAvvio"));

    auto* picture = new ClickablePicture(pictureName, iconPath(icon), c.page);
    picture->setDecorative(true);
    picture->setFixedSize(40, 40);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    const char* instructions[] = {
        "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
        "premere il pulsante Cerca.",
        "Lasciare in bianco tutti gli altri campi.",
        "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."};
    for (const char* text : instructions) {
        auto* line = new QLabel(QString::fromUtf8(text), c.page);
        line->setWordWrap(true);
        theme::setRole(line, text == instructions[0] ? theme::Role::Heading : theme::Role::Body);
        lines->addWidget(line);
    }
    auto* intro = new QHBoxLayout;
    intro->setSpacing(14);
    intro->addWidget(picture, 0, Qt::AlignTop);
    intro->addLayout(lines, 1);

    // Two columns of five filters; the boxes keep room around them for their focus frames.
    constexpr int kRowsPerColumn = 5;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnMinimumWidth(2, 24);
    std::vector<QWidget*> chain;
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const SearchFilter& f = filters[i];
        auto* box = new QLineEdit(c.page);
        box->setObjectName(QString::fromLatin1(f.box));
        box->setMinimumHeight(28);
        box->setMinimumWidth(230);
        EditBehaviour::of(box)->setFocusMark(FocusMark::Frame, QString::fromLatin1(f.frame));
        auto* label = new QLabel(QString::fromUtf8(f.caption), c.page);
        label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(f.box).mid(3));
        label->setBuddy(box);
        theme::setRole(label, theme::Role::Navy);
        const int row = int(i) % kRowsPerColumn;
        const int column = int(i) < kRowsPerColumn ? 0 : 3;
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(box, row, column + 1);
        c.boxes.push_back(box);
        chain.push_back(box);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    chainEnter(chain);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);

    c.lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), c.page);
    c.lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    theme::setRole(c.lblAttendere, theme::Role::Wait);
    c.lblAttendere->hide();
    c.btnCerca =
        listButton(QStringLiteral("btnCerca"), QStringLiteral("trova"), QStringLiteral("Cerca"), c.page);
    c.btnAnnulla =
        listButton(QStringLiteral("btnAnnulla"), QStringLiteral("chiudi"), QStringLiteral("Chiudi"), c.page);
    if (!chain.empty())
        QWidget::setTabOrder(chain.back(), c.btnCerca);
    QWidget::setTabOrder(c.btnCerca, c.btnAnnulla);
    // The wait line shows as soon as the mouse button goes down, before the search starts.
    QLabel* wait = c.lblAttendere;
    QObject::connect(c.btnCerca, &QPushButton::pressed, wait, [wait] {
        wait->show();
        wait->repaint();
    });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(c.lblAttendere);
    buttons->addStretch();
    buttons->addWidget(c.btnCerca);
    buttons->addWidget(c.btnAnnulla);

    auto* rule = new QFrame(c.page);
    rule->setFrameShape(QFrame::HLine);
    theme::setRole(rule, theme::Role::Rule);

    auto* layout = new QVBoxLayout(c.page);
    layout->setContentsMargins(26, 20, 26, 20);
    layout->setSpacing(14);
    layout->addLayout(intro);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(rule);
    layout->addLayout(buttons);
    return c;
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
