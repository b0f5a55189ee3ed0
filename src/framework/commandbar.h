#pragma once

#include <QLabel>
#include <QWidget>

class QHBoxLayout;
class QSvgRenderer;

namespace orvelia {

/// A command of a window's command bar: a picture with its caption under it.
class CommandButton : public QWidget {
    Q_OBJECT
public:
    CommandButton(const QString& objectName, const QString& icon, const QString& caption, QWidget* parent);

    const QString& caption() const { return m_caption; }
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QSvgRenderer* m_icon;
    QString m_caption;
    bool m_hover = false;
    bool m_down = false;
};

/// The bar of commands at the top of a data window, in groups divided by thin shapes.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    explicit CommandBar(QWidget* parent);

    CommandButton* addCommand(const QString& objectName, const QString& icon, const QString& caption);
    /// A dividing shape between two groups of commands.
    QWidget* addSeparator(const QString& objectName);
    void addWidget(QWidget* widget);
    void addStretch();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_layout;
};

/// One command of a window's bar: the window member it fills, its picture, caption and description.
template <typename W> struct CommandDef {
    CommandButton* W::*member;
    const char* name;
    const char* icon;
    const char* caption;
    const char* status;
    int group; ///< commands of one group stand together; a shape divides the groups
};

/// The label that shows the record number between the Previous and Next commands.
QLabel* recordNumberLabel(QWidget* parent);

/**
 * Fills @p bar with the commands of @p defs, assigning each to its member of
 * @p window; the record number label (lblPosizione) goes after cmdIndietro and
 * the last group stands at the right end. Returns the record number label.
 */
template <typename W, std::size_t N>
QLabel* fillCommandBar(W* window, CommandBar* bar, const CommandDef<W> (&defs)[N]) {
    QLabel* position = nullptr;
    int group = defs[0].group;
    int shapes = 0;
    for (const CommandDef<W>& c : defs) {
        if (c.group != group) {
            if (c.group == defs[N - 1].group)
                bar->addStretch();
            bar->addSeparator(QStringLiteral("shpGruppo%1").arg(++shapes));
            group = c.group;
        }
        window->*c.member = bar->addCommand(QString::fromLatin1(c.name), QString::fromLatin1(c.icon),
                                            QString::fromUtf8(c.caption));
        if (QLatin1String(c.name) == QLatin1String("cmdIndietro")) {
            position = recordNumberLabel(bar);
            bar->addWidget(position);
        }
    }
    return position;
}

class StatusLine;

/// The status line of a window with a command bar, made by frameCommandPage.
struct CommandPage {
    QLabel* panInfo;
    StatusLine* status;
};

/**
 * Lays out a window whose commands stand in a bar: the header band (none
 * when null), @p bar, @p body filling the rest and the status line panInfo
 * at the foot, edge to edge. The status line shows @p standing, and empties
 * when the mouse moves over the window, the header, the bar or its shapes.
 */
CommandPage frameCommandPage(QWidget* window, QWidget* header, CommandBar* bar, QWidget* body,
                             const QString& standing);

/// As above; the status line also tells what each command of @p defs does while the mouse is over it.
template <typename W, std::size_t N>
CommandPage frameCommandPage(W* window, QWidget* header, CommandBar* bar, QWidget* body,
                             const QString& standing, const CommandDef<W> (&defs)[N]);

} // namespace orvelia

#include "framework/editing.h"

namespace orvelia {

template <typename W, std::size_t N>
CommandPage frameCommandPage(W* window, QWidget* header, CommandBar* bar, QWidget* body,
                             const QString& standing, const CommandDef<W> (&defs)[N]) {
    const CommandPage page = frameCommandPage(static_cast<QWidget*>(window), header, bar, body, standing);
    for (const CommandDef<W>& c : defs)
        page.status->describe(window->*c.member, QString::fromUtf8(c.status));
    return page;
}

} // namespace orvelia
