#include "windows/common/menucard.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/widgets.h"

namespace orvelia {

MenuCard::MenuCard(Shape shape, const Content& content, QWidget* parent)
    : QWidget(parent)
    , m_shape(shape)
    , m_title(content.title)
    , m_accent(theme::colourOf(content.accent)) {
    setObjectName(QString::fromLatin1(content.card));
    if (shape == Shape::Tall)
        buildTall(content);
    else
        buildWide(content);
    connect(picture, &ClickablePicture::clicked, this, &MenuCard::chosen);
}

void MenuCard::buildTall(const Content& content) {
    setMaximumWidth(440);
    setMinimumWidth(280);
    setMaximumHeight(600);
    picture = new ClickablePicture(QString::fromLatin1(content.picture), content.pictureFile, this);
    picture->setMinimumSize(120, 120);
    picture->setMaximumSize(220, 220);
    picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    titleCommand = new ClickableLabel(QString::fromLatin1(content.command), content.title, this);
    titleCommand->setAlignment(Qt::AlignCenter);
    theme::setRole(titleCommand, theme::Role::CardButton, theme::variantOf(content.accent));
    titleCommand->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* clickableWords = new ClickableLabel(QString::fromLatin1(content.words), content.text, this);
    clickableWords->setWordWrap(true);
    clickableWords->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    theme::setRole(clickableWords, theme::Role::CardText);
    clickableWords->setMinimumHeight(110);
    clickableWords->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    words = clickableWords;
    connect(titleCommand, &ClickableLabel::clicked, this, &MenuCard::chosen);
    connect(clickableWords, &ClickableLabel::clicked, this, &MenuCard::chosen);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(26, 30, 26, 26);
    layout->setSpacing(18);
    layout->addWidget(picture, 3, Qt::AlignHCenter);
    layout->addWidget(titleCommand);
    layout->addWidget(words);
}

void MenuCard::buildWide(const Content& content) {
    setFixedWidth(420);
    picture = new ClickablePicture(QString::fromLatin1(content.picture), content.pictureFile, this);
    picture->setFixedSize(72, 72);
    words = new QLabel(content.text, this);
    words->setWordWrap(true);
    theme::setRole(words, theme::Role::Hint);
    openCommand = new QPushButton(QIcon(iconPath(QStringLiteral("apri"))), QStringLiteral("Apri"), this);
    openCommand->setObjectName(QString::fromLatin1(content.command));
    openCommand->setMinimumSize(120, 34);
    openCommand->setAutoDefault(true);
    connect(openCommand, &QPushButton::clicked, this, &MenuCard::chosen);

    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(words);
    right->addStretch(); // the "Apri" buttons of the cards of a row line up at their foot
    right->addWidget(openCommand, 0, Qt::AlignLeft);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(18, 44, 18, 18);
    row->setSpacing(18);
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(right, 1);
}

void MenuCard::paintEvent(QPaintEvent*) {
    if (m_shape == Shape::Wide) {
        paintSection(this, m_title, m_accent);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
    for (int i = 3; i > 0; --i) { // soft shadow
        p.setPen(Qt::NoPen);
        p.setBrush(colours::shadow(i));
        p.drawRoundedRect(r.translated(0, 4 - i), 14, 14);
    }
    p.setBrush(colours::kWhite);
    p.setPen(QPen(colours::kLine, 1));
    p.drawRoundedRect(r, 14, 14);
    QPainterPath top;
    top.addRoundedRect(QRectF(r.left(), r.top(), r.width(), 28), 14, 14);
    p.setClipRect(QRectF(r.left(), r.top(), r.width(), 7));
    p.setBrush(m_accent);
    p.setPen(Qt::NoPen);
    p.drawPath(top);
}

} // namespace orvelia
