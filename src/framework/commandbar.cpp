#include "framework/commandbar.h"

#include <QHBoxLayout>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "framework/editing.h"
#include "framework/widgets.h"

namespace orvelia {

namespace {
constexpr int kIconSide = 28;
}

CommandButton::CommandButton(const QString& objectName, const QString& icon, const QString& caption,
                             QWidget* parent)
    : QWidget(parent)
    , m_icon(new QSvgRenderer(iconPath(icon), this))
    , m_caption(caption) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    QFont f = font();
    f.setPointSizeF(8.5);
    setFont(f);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CommandButton::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(m_caption);
    return {std::max(54, textWidth + 14), kIconSide + fontMetrics().height() + 14};
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_hover || m_down) {
        p.setPen(QPen(colours::kLine, 1));
        p.setBrush(m_down ? colours::kPressed : colours::kFrost);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
    const QRectF iconRect((width() - kIconSide) / 2.0, 5 + (m_down ? 1 : 0), kIconSide, kIconSide);
    m_icon->render(&p, iconRect);
    p.setPen(colours::kNavy);
    p.drawText(QRect(0, int(iconRect.bottom()) + 2, width(), fontMetrics().height() + 4),
               Qt::AlignHCenter | Qt::AlignTop, m_caption);
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_down = true;
    update();
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_down)
        return QWidget::mouseReleaseEvent(event);
    m_down = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void CommandButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QWidget::enterEvent(event);
}

void CommandButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QWidget::leaveEvent(event);
}

CommandBar::CommandBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this)) {
    m_layout->setContentsMargins(10, 5, 10, 5);
    m_layout->setSpacing(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

CommandButton* CommandBar::addCommand(const QString& objectName, const QString& icon,
                                      const QString& caption) {
    auto* button = new CommandButton(objectName, icon, caption, this);
    m_layout->addWidget(button);
    return button;
}

QWidget* CommandBar::addSeparator(const QString& objectName) {
    auto* shape = new QWidget(this);
    shape->setObjectName(objectName);
    shape->setFixedSize(17, 44);
    shape->setAutoFillBackground(false);
    // a one-pixel line in the middle of the shape's width
    auto* line = new QWidget(shape);
    line->setGeometry(8, 4, 1, 36);
    paintGround(line, colours::kLine);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_layout->addWidget(shape);
    return shape;
}

void CommandBar::addWidget(QWidget* widget) {
    m_layout->addWidget(widget);
}

void CommandBar::addStretch() {
    m_layout->addStretch();
}

void CommandBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colours::kWhite);
    p.fillRect(QRect(0, height() - 1, width(), 1), colours::kLine);
}

} // namespace orvelia

#include <QLabel>

namespace orvelia {

QLabel* recordNumberLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(64, 30);
    theme::setRole(label, theme::Role::Position);
    return label;
}

CommandPage frameCommandPage(QWidget* window, QWidget* header, CommandBar* bar, QWidget* body,
                             const QString& standing) {
    auto* panInfo = new QLabel(window);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setMinimumHeight(26);
    theme::setRole(panInfo, theme::Role::Status);
    auto* status = new StatusLine(panInfo, standing);
    status->clearOver(window);
    if (header)
        status->clearOver(header);
    status->clearOver(bar);
    for (QWidget* shape : bar->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^shp"))))
        status->clearOver(shape);

    QVBoxLayout* root = pageLayout(window);
    if (header)
        root->addWidget(header);
    root->addWidget(bar);
    root->addWidget(body, 1);
    root->addWidget(panInfo);
    return {panInfo, status};
}

} // namespace orvelia
