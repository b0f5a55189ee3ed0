#include "windows/common/searchwindow.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/archive/text.h"
#include "framework/editing.h"
#include "framework/widgets.h"
#include "windows/common/recordwindow.h"

namespace orvelia {

namespace {
constexpr char kFirstInstruction[] =
    "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
    "premere il pulsante Cerca.";
const char* const kInstructions[] = {
    kFirstInstruction, "Lasciare in bianco tutti gli altri campi.",
    "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."};
const QString kWait = QStringLiteral("Ricerca schede in corso. Attendere...");
// The filters stand in two columns of this many rows.
constexpr int kRowsPerColumn = 5;

// The picture beside the instructions, at the top of the criteria page.
QLayout* buildIntro(QWidget* page, const QString& pictureName, const QString& icon) {
    auto* picture = new ClickablePicture(pictureName, iconPath(icon), page);
    picture->setDecorative(true);
    picture->setFixedSize(40, 40);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    for (const char* text : kInstructions) {
        auto* line = new QLabel(QString::fromUtf8(text), page);
        line->setWordWrap(true);
        theme::setRole(line, text == kInstructions[0] ? theme::Role::Heading : theme::Role::Body);
        lines->addWidget(line);
    }
    auto* intro = new QHBoxLayout;
    intro->setSpacing(14);
    intro->addWidget(picture, 0, Qt::AlignTop);
    intro->addLayout(lines, 1);
    return intro;
}

} // namespace

SearchWindow::SearchWindow(QWidget* caller, const Setup& setup, const Criteria& criteria)
    : ListWindow(caller, setup) {
    panPagine = new QStackedWidget(this);
    panPagine->setObjectName(QStringLiteral("panPagine"));
    panAvvio = buildCriteria(criteria);
    delete layout()->replaceWidget(panContainer, panPagine);
    panPagine->addWidget(panAvvio);
    panPagine->addWidget(panContainer);
    lblConta = hiddenLabel(QStringLiteral("lblConta"), this, QStringLiteral("0"));
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);
    // The boxes of the criteria page, made after the window took its ground, draw their frames
    // from that ground too.
    panAvvio->setPalette(palette());

    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* SearchWindow::buildCriteria(const Criteria& criteria) {
    auto* page = new QWidget(panPagine);
    page->setObjectName(QStringLiteral("panAvvio"));
    QLayout* intro = buildIntro(page, criteria.pictureName, criteria.icon);
    QLayout* filters = buildFilters(page, criteria.filters);
    QLayout* commands = buildCommands(page);
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    theme::setRole(rule, theme::Role::Rule);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(26, 20, 26, 20);
    layout->setSpacing(14);
    layout->addLayout(intro);
    layout->addSpacing(6);
    layout->addLayout(filters);
    layout->addStretch();
    layout->addWidget(rule);
    layout->addLayout(commands);
    return page;
}

QLayout* SearchWindow::buildFilters(QWidget* page, std::span<const SearchFilter> filters) {
    // The boxes keep room around them for their focus frames.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnMinimumWidth(2, 24);
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const SearchFilter& f = filters[i];
        auto* box = new QLineEdit(page);
        box->setObjectName(QString::fromLatin1(f.box));
        box->setMinimumHeight(28);
        box->setMinimumWidth(230);
        EditBehaviour::of(box)->setFocusMark(FocusMark::Frame, QString::fromLatin1(f.frame));
        auto* label = new QLabel(QString::fromUtf8(f.caption), page);
        label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(f.box).mid(3));
        label->setBuddy(box);
        theme::setRole(label, theme::Role::Navy);
        const int row = int(i) % kRowsPerColumn;
        const int column = int(i) < kRowsPerColumn ? 0 : 3;
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(box, row, column + 1);
        m_boxes.push_back(box);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    const std::vector<QWidget*> chain(m_boxes.begin(), m_boxes.end());
    chainEnter(chain);
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    return grid;
}

QLayout* SearchWindow::buildCommands(QWidget* page) {
    lblAttendere = new QLabel(kWait, page);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    theme::setRole(lblAttendere, theme::Role::Wait);
    lblAttendere->hide();
    btnCerca = listButton(QStringLiteral("btnCerca"), QStringLiteral("trova"), QStringLiteral("Cerca"), page);
    btnAnnulla =
        listButton(QStringLiteral("btnAnnulla"), QStringLiteral("chiudi"), QStringLiteral("Chiudi"), page);
    if (!m_boxes.empty())
        QWidget::setTabOrder(m_boxes.back(), btnCerca);
    QWidget::setTabOrder(btnCerca, btnAnnulla);
    // The wait line shows as soon as the mouse button goes down, before the search starts.
    connect(btnCerca, &QPushButton::pressed, lblAttendere, [wait = lblAttendere] {
        wait->show();
        wait->repaint();
    });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    return buttons;
}

void SearchWindow::opening() {
    panLista->prepareShow(true);
    if (!m_boxes.empty())
        m_boxes.front()->setFocus();
}

void SearchWindow::btnCercaClick() {
    QStringList typed;
    for (const QLineEdit* box : m_boxes)
        typed << box->text();
    lstRecords->clear();
    int filtersInUse = 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ArchiveResult<QStringList> found = search(typed, filtersInUse);
    QApplication::restoreOverrideCursor();
    lblConta->setText(QString::number(filtersInUse));
    lblAttendere->hide();
    if (!found) {
        records::reportFailure(this, found.error(), kArchiveAccessMessage);
        return;
    }
    panPagine->setCurrentWidget(panContainer);
    showLines(*found);
}

void SearchWindow::done(int result) {
    lblAttendere->hide();
    ListWindow::done(result);
}

} // namespace orvelia
