#include "windows/common/windowparts.h"

#include <QDialog>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPushButton>

#include "framework/editing.h"
#include "framework/widgets.h"

namespace orvelia {

QLabel* roleLabel(const QString& objectName, const QString& text, theme::Role role, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    theme::setRole(label, role);
    return label;
}

QPushButton* pictureButton(const QString& objectName, const QString& icon, const QString& text,
                           QWidget* parent) {
    auto* button = new QPushButton(QIcon(iconPath(icon)), text, parent);
    button->setObjectName(objectName);
    return button;
}

QPushButton* closeButton(QDialog* window, const QString& objectName, bool isDefault) {
    auto* button = new QPushButton(QStringLiteral("Chiudi"), window);
    button->setObjectName(objectName);
    button->setMinimumSize(100, 30);
    button->setDefault(isDefault);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::accept);
    return button;
}

void frameMenuPage(QWidget* window, QWidget* header, std::initializer_list<MenuPart> parts) {
    QVBoxLayout* root = pageLayout(window, 24);
    root->addWidget(header);
    root->addStretch(2);
    for (const MenuPart& part : parts) {
        root->addLayout(part.layout);
        if (part.spaceAfter > 0)
            root->addSpacing(part.spaceAfter);
    }
    root->addStretch(3);
}

QFrame* ruleLine(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    theme::setRole(rule, theme::Role::Rule);
    return rule;
}

ButtonPair buttonPair(const ButtonPairSetup& setup, QWidget* parent) {
    ButtonPair pair;
    pair.confirm = pictureButton(setup.confirmName, QStringLiteral("controlla"), setup.confirmText, parent);
    pair.cancel = pictureButton(setup.cancelName, QStringLiteral("chiudi"), setup.cancelText, parent);
    for (QPushButton* b : {pair.confirm, pair.cancel}) {
        b->setMinimumSize(setup.minimum);
        b->setIconSize(QSize(18, 18));
    }
    pair.row = new QHBoxLayout;
    pair.row->setSpacing(10);
    pair.row->addStretch();
    pair.row->addWidget(pair.confirm);
    pair.row->addWidget(pair.cancel);
    return pair;
}

QHBoxLayout* centredRow(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    return row;
}

YearCard yearCard(const YearCardSetup& setup, const QColor& accent, QWidget* parent) {
    YearCard card;
    card.panel = new SectionPanel(setup.panelName, setup.title, accent, parent);
    card.panel->setFixedWidth(520);
    card.year = new QLineEdit(card.panel);
    card.year->setObjectName(setup.yearName);
    EditBehaviour::of(card.year)->setMaxTyped(4);
    card.year->setAlignment(Qt::AlignCenter);
    card.year->setFixedSize(110, 34);
    QFont big = card.year->font();
    big.setPointSizeF(14);
    big.setBold(true);
    card.year->setFont(big);
    card.open = pictureButton(setup.openName, QStringLiteral("apri"), QStringLiteral("Apri"), card.panel);
    card.open->setMinimumSize(110, 34);
    card.hint = roleLabel(setup.hintName, setup.hint, theme::Role::Hint, card.panel);
    card.hint->setWordWrap(true);

    auto* yearRow = new QHBoxLayout;
    yearRow->setSpacing(12);
    yearRow->addWidget(card.year);
    yearRow->addWidget(card.open);
    yearRow->addStretch();
    card.panel->form()->setVerticalSpacing(14);
    card.panel->addCaptionedRow(QStringLiteral("Anno:"), yearRow);
    card.panel->form()->addRow(card.hint);

    EditBehaviour::of(card.year)
        ->setKeyFilter(KeyFilter::Digits)
        .setEnterTarget(card.open)
        .setFocusMark(FocusMark::Frame, setup.frameName);
    return card;
}

} // namespace orvelia
