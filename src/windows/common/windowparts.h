#pragma once

#include <initializer_list>

#include <QSize>
#include <QString>

#include "framework/theme.h"

class QColor;
class QDialog;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvelia {

class SectionPanel;

/// A label called @p objectName showing @p text in the look of @p role.
QLabel* roleLabel(const QString& objectName, const QString& text, theme::Role role, QWidget* parent);

/// A push button called @p objectName with the program picture @p icon beside @p text.
QPushButton* pictureButton(const QString& objectName, const QString& icon, const QString& text,
                           QWidget* parent);

/// The "Chiudi" button of a small window, called @p objectName, at least 100 x 30: it closes
/// @p window accepted; Enter presses it when @p isDefault.
QPushButton* closeButton(QDialog* window, const QString& objectName, bool isDefault);

/// One part of the body of a menu window and the room left under it.
struct MenuPart {
    QLayout* layout;
    int spaceAfter = 0;
};

/**
 * Lays out a menu window: @p header at the top, then @p parts one under the other, kept together a
 * little above the middle of the room left (two shares of it above them, three below), with 24 px
 * under the last.
 */
void frameMenuPage(QWidget* window, QWidget* header, std::initializer_list<MenuPart> parts);

/// The thin horizontal line between the body of a small window and its buttons.
QFrame* ruleLine(QWidget* parent);

/// The names, texts and least size of the two buttons at the foot of a small window.
struct ButtonPairSetup {
    QString confirmName;
    QString confirmText;
    QString cancelName;
    QString cancelText;
    QSize minimum;
};

/// The two buttons at the foot of a small window and their row, where they stand at the right.
struct ButtonPair {
    QPushButton* confirm; ///< with the tick
    QPushButton* cancel;  ///< with the cross
    QHBoxLayout* row;
};

/// Builds the two buttons at the foot of a small window on @p parent, the confirming one first.
ButtonPair buttonPair(const ButtonPairSetup& setup, QWidget* parent);

/// A row that holds @p widget in the middle, with equal room left and right.
QHBoxLayout* centredRow(QWidget* widget);

/// The card of a window that starts from a year: "Anno:", a large four-digit box, Apri, a hint under them.
struct YearCard {
    SectionPanel* panel;
    QLineEdit* year;
    QPushButton* open;
    QLabel* hint;
};

/// The names and texts of a year card.
struct YearCardSetup {
    QString panelName;
    QString title;
    QString yearName;
    QString frameName; ///< the focus frame of the year box
    QString openName;
    QString hintName;
    QString hint;
};

/**
 * Builds the year card on @p parent: the box takes four digits and Enter in it presses Apri;
 * the focus frame is made last, above the other parts of the card.
 */
YearCard yearCard(const YearCardSetup& setup, const QColor& accent, QWidget* parent);

} // namespace orvelia
