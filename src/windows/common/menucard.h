#pragma once

#include <QString>
#include <QWidget>

#include "framework/theme.h"

class QLabel;
class QPushButton;

namespace orvelia {

class ClickableLabel;
class ClickablePicture;

/**
 * A card of a menu: one place the menu leads to, shown by its picture, its
 * title and a few words on it. A click on the picture or on the card's
 * command emits chosen(). Two shapes:
 * - Tall (the main menu): a white rounded card with a coloured top edge and
 *   a soft shadow; the picture over the title, which is itself the command,
 *   and the words, which may be clicked too;
 * - Wide (the reports menu): a panel headed by the title; the picture at the
 *   left, the words and the "Apri" button at the right.
 */
class MenuCard : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Tall, Wide };

    /// What a card shows, and the objectNames of its parts.
    struct Content {
        const char* card;
        const char* picture;
        const char* command;
        const char* words; ///< none for the Wide shape
        QString title;
        QString text;
        QString pictureFile;
        theme::Accent accent;
    };

    MenuCard(Shape shape, const Content& content, QWidget* parent);

    ClickablePicture* picture;
    QLabel* words;
    ClickableLabel* titleCommand = nullptr; ///< the Tall shape's command
    QPushButton* openCommand = nullptr;     ///< the Wide shape's command

signals:
    void chosen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTall(const Content& content);
    void buildWide(const Content& content);

    Shape m_shape;
    QString m_title;
    QColor m_accent;
};

} // namespace orvelia
