#include "windows/common/sheetwindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia {

namespace {
const QString kAnnulla = QStringLiteral("Annulla");
} // namespace

SheetPrintWindow::SheetPrintWindow(QWidget* caller, const Setup& setup, sheet::Form form)
    : ToolWindow(caller, setup.className, setup.caption)
    , repDocumento(std::move(form)) {
    auto* header = new BrandHeader(setup.heading, repDocumento.form().title, this, 72);

    auto* picture = new ClickablePicture(QStringLiteral("imgStampante"), iconPath(setup.icon), this);
    picture->setDecorative(true);
    picture->setFixedSize(48, 48);
    auto* explanation = new QLabel(setup.explanation, this);
    explanation->setObjectName(QStringLiteral("lblIstruzioni"));
    explanation->setWordWrap(true);
    theme::setRole(explanation, theme::Role::Body);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    theme::setRole(rule, theme::Role::Rule);

    btnStampa = new QPushButton(QIcon(iconPath(setup.icon)), setup.action, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnAnnulla = new QPushButton(QIcon(iconPath(QStringLiteral("chiudi"))), kAnnulla, this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {btnStampa, btnAnnulla}) {
        b->setMinimumSize(120, 30);
        b->setIconSize(QSize(18, 18));
    }
    btnStampa->setDefault(true);

    auto* message = new QHBoxLayout;
    message->setSpacing(16);
    message->addWidget(picture, 0, Qt::AlignTop);
    message->addWidget(explanation, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(26, 18, 26, 18);
    body->setSpacing(12);
    body->addLayout(message);
    body->addWidget(rule);
    body->addLayout(buttons);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body);
    setMinimumWidth(470);

    setTabOrder(btnStampa, btnAnnulla);
    connect(btnStampa, &QPushButton::clicked, this, &SheetPrintWindow::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void SheetPrintWindow::btnStampaClick() {
    fillSheet(Platform::instance().now());
    output();
    accept();
}

void SheetPrintWindow::setValues(const QStringList& values) {
    m_values = values;
}

void SheetPrintWindow::fillSheet(const QDateTime& when) {
    repDocumento.document().page.orientation = QPageLayout::Portrait;
    const std::vector<sheet::Row>& rows = repDocumento.form().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        repDocumento.setValue(rows[i].memo, m_values.value(qsizetype(i)));
    repDocumento.setPrintingTime(when);
}

std::vector<sheet::Row> sheetRows(std::span<const SheetRow> rows) {
    std::vector<sheet::Row> out;
    out.reserve(rows.size());
    for (const SheetRow& row : rows)
        out.push_back({QString::fromUtf8(row.label), QString::fromLatin1(row.memo)});
    return out;
}

} // namespace orvelia
