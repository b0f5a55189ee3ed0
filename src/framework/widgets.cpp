#include "framework/widgets.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QPainter>
#include <QSvgRenderer>

#include "framework/editing.h"

namespace orvelia {

ClickablePicture::ClickablePicture(const QString& objectName, const QString& svgPath, QWidget* parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(svgPath, this)) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void ClickablePicture::setSvg(const QString& svgPath) {
    m_renderer->load(svgPath);
    update();
}

void ClickablePicture::setDecorative(bool decorative) {
    m_decorative = decorative;
    setCursor(decorative ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

QSize ClickablePicture::sizeHint() const {
    const QSize s = m_renderer->defaultSize();
    return s.isValid() ? s : QSize(48, 48);
}

void ClickablePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QSizeF size = m_renderer->viewBoxF().size();
    if (size.isEmpty())
        size = QSizeF(1, 1);
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    if (m_down && !m_decorative)
        target.translate(1, 1);
    m_renderer->render(&p, target);
    if (m_hover && !m_decorative) {
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(rect(), colours::kGlow);
    }
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (m_decorative || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_down = true;
    update();
    emit pressed();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (m_decorative || event->button() != Qt::LeftButton || !m_down)
        return QWidget::mouseReleaseEvent(event);
    m_down = false;
    update();
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickablePicture::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QWidget::enterEvent(event);
}

void ClickablePicture::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QWidget::leaveEvent(event);
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setHeld(false);
}

QColor LinkLabel::restColour() {
    return colours::kLinkRest;
}
QColor LinkLabel::heldColour() {
    return colours::kLinkHeld;
}

void LinkLabel::setHeld(bool held) {
    m_held = held;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, held ? heldColour() : restColour());
    setPalette(pal);
}

void LinkLabel::attachPicture(ClickablePicture* picture) {
    connect(picture, &ClickablePicture::pressed, this, [this] { setHeld(true); });
    connect(picture, &ClickablePicture::released, this, [this] { setHeld(false); });
    connect(picture, &ClickablePicture::clicked, this, &LinkLabel::clicked);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setHeld(true);
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_held) {
        setHeld(false);
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

QLabel* hiddenLabel(const QString& objectName, QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->hide();
    return label;
}

} // namespace orvelia

namespace orvelia {

ClickableLabel::ClickableLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_down = true;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        m_down && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_down = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace orvelia

namespace orvelia {

BrandHeader::BrandHeader(const QString& title, const QString& subtitle, QWidget* parent, int height)
    : QWidget(parent)
    , m_title(title)
    , m_subtitle(subtitle)
    , m_logo(new QSvgRenderer(artPath(QStringLiteral("logo")), this)) {
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void BrandHeader::setTitle(const QString& title) {
    m_title = title;
    update();
}

void BrandHeader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, width(), height());
    band.setColorAt(0, colours::kNavy);
    band.setColorAt(1, colours::kBlue);
    p.fillRect(rect(), band);
    // a thin amber line under the band
    p.fillRect(QRect(0, height() - 3, width(), 3), colours::kAmber);

    const int pad = height() / 6;
    const int logoSide = height() - 2 * pad - 3;
    QRectF logoRect(pad + 4, pad, logoSide, logoSide);
    if (m_logo->isValid()) {
        p.setBrush(colours::kWhite);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(logoRect.adjusted(-3, -3, 3, 3), 8, 8);
        m_logo->render(&p, logoRect);
    }
    const int textLeft = int(logoRect.right()) + 18;
    QFont titleFont = font();
    titleFont.setPixelSize(std::max(16, height() * 30 / 100));
    titleFont.setBold(true);
    QFont subFont = font();
    subFont.setPixelSize(std::max(11, height() * 15 / 100));
    const QFontMetrics tm(titleFont);
    const QFontMetrics sm(subFont);
    const int block = tm.height() + (m_subtitle.isEmpty() ? 0 : sm.height() + 2);
    int y = (height() - 3 - block) / 2;
    p.setPen(colours::kWhite);
    p.setFont(titleFont);
    p.drawText(QRect(textLeft, y, width() - textLeft - 8, tm.height()), Qt::AlignLeft | Qt::AlignVCenter,
               m_title);
    if (!m_subtitle.isEmpty()) {
        y += tm.height() + 2;
        p.setPen(colours::kIce);
        p.setFont(subFont);
        p.drawText(QRect(textLeft, y, width() - textLeft - 8, sm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   m_subtitle);
    }
}

} // namespace orvelia

#include <QFormLayout>

namespace orvelia {

SectionPanel::SectionPanel(const QString& objectName, const QString& title, const QColor& accent,
                           QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_accent(accent)
    , m_form(new QFormLayout(this)) {
    setObjectName(objectName);
    m_form->setContentsMargins(14, 34, 14, 12);
    m_form->setHorizontalSpacing(10);
    m_form->setVerticalSpacing(5);
    m_form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
}

QLabel* SectionPanel::captionFor(const QString& caption, int fieldHeight) {
    // As tall as the field, the caption is centred on it rather than set at its top.
    auto* label = new QLabel(caption, this);
    label->setAlignment(m_form->labelAlignment() | Qt::AlignVCenter);
    label->setMinimumHeight(fieldHeight);
    return label;
}

void SectionPanel::addCaptionedRow(const QString& caption, QWidget* field) {
    m_form->addRow(captionFor(caption, field->sizeHint().height()), field);
}

void SectionPanel::addCaptionedRow(const QString& caption, QLayout* field) {
    m_form->addRow(captionFor(caption, field->sizeHint().height()), field);
}

void SectionPanel::paintEvent(QPaintEvent*) {
    paintSection(this, m_title, m_accent);
}

void paintSection(QWidget* widget, const QString& title, const QColor& accent) {
    QPainter p(widget);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(widget->rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(colours::kLine, 1));
    p.setBrush(colours::kWhite);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(r.left() + 12, r.top() + 11, 4, 14), 2, 2);
    QFont f = widget->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 0.5);
    p.setFont(f);
    p.setPen(colours::kNavy);
    p.drawText(QRectF(r.left() + 22, r.top() + 6, r.width() - 30, 24), Qt::AlignLeft | Qt::AlignVCenter,
               title);
}

} // namespace orvelia

#include <QHBoxLayout>

namespace orvelia {

void paintGround(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

QWidget* rowHolder(QWidget* panel) {
    auto* holder = new QWidget(panel);
    holder->setProperty(kRowHolderProperty, true);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return holder;
}

void addToRow(QWidget* holder, std::initializer_list<QWidget*> widgets, bool stretchFirst) {
    auto* layout = static_cast<QHBoxLayout*>(holder->layout());
    bool first = true;
    for (QWidget* w : widgets) {
        layout->addWidget(w, first && stretchFirst ? 1 : 0, Qt::AlignVCenter);
        first = false;
    }
    if (!stretchFirst)
        layout->addStretch();
}

} // namespace orvelia

namespace orvelia {

QHBoxLayout* helpExitFooter(QWidget* parent, ClickablePicture*& imgGuida, ClickablePicture*& imgEsci) {
    auto* footer = new QHBoxLayout;
    footer->setSpacing(28);
    footer->addStretch();
    for (auto [member, name, icon, caption] : {std::tuple{&imgGuida, "imgGuida", "guida", "Guida"},
                                               std::tuple{&imgEsci, "imgEsci", "esci", "Esci"}}) {
        auto* box = new QVBoxLayout;
        *member =
            new ClickablePicture(QString::fromLatin1(name), iconPath(QString::fromLatin1(icon)), parent);
        (*member)->setFixedSize(36, 36);
        auto* text = new QLabel(QString::fromLatin1(caption), parent);
        text->setAlignment(Qt::AlignCenter);
        theme::setRole(text, theme::Role::BodySmall);
        box->setSpacing(4);
        box->addWidget(*member, 0, Qt::AlignHCenter);
        box->addWidget(text);
        box->addStretch();
        footer->addLayout(box);
    }
    footer->addStretch();
    return footer;
}

QVBoxLayout* pageLayout(QWidget* window, int bottomMargin) {
    auto* root = new QVBoxLayout(window);
    root->setContentsMargins(0, 0, 0, bottomMargin);
    root->setSpacing(0);
    return root;
}

} // namespace orvelia
