#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

#include "framework/theme.h"

class QSvgRenderer;

namespace orvelia {

/// A picture that acts as a command: it draws an SVG from the resources,
/// lightens under the mouse and emits clicked() when released over it.
class ClickablePicture : public QWidget {
    Q_OBJECT
public:
    ClickablePicture(const QString& objectName, const QString& svgPath, QWidget* parent);

    void setSvg(const QString& svgPath);
    /// Draws without reacting to the mouse (decoration only).
    void setDecorative(bool decorative);
    QSize sizeHint() const override;

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QSvgRenderer* m_renderer;
    bool m_hover = false;
    bool m_down = false;
    bool m_decorative = false;
};

/// A text link: dark blue, orange while the mouse button is held on it or on its picture.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent);

    /// Shows the link as held down (orange) or not (dark blue).
    void setHeld(bool held);
    bool isHeld() const { return m_held; }
    /// Makes @p picture part of the link: pressing it holds the link, clicking it clicks the link.
    void attachPicture(ClickablePicture* picture);

    static QColor restColour();
    static QColor heldColour();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_held = false;
};

/// A hidden label that carries a value for the program (lblPosizione, lblMemory, lblFile01, ...).
QLabel* hiddenLabel(const QString& objectName, QWidget* parent, const QString& text = QString());

} // namespace orvelia

namespace orvelia {

/// A label that acts as a command (the big buttons and information panels of the menus).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& objectName, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_down = false;
};

} // namespace orvelia

namespace orvelia {

/// The navy band at the top of the program's windows: logo, title and subtitle.
class BrandHeader : public QWidget {
    Q_OBJECT
public:
    BrandHeader(const QString& title, const QString& subtitle, QWidget* parent, int height = 72);

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_subtitle;
    QSvgRenderer* m_logo;
};

/// Path of a picture of the program (an SVG in the resources).
inline QString iconPath(const QString& name) {
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}
inline QString artPath(const QString& name) {
    return QStringLiteral(":/art/") + name + QStringLiteral(".svg");
}

} // namespace orvelia

class QFormLayout;
class QLayout;

namespace orvelia {

/// A white panel with a title, holding a form of labelled fields.
class SectionPanel : public QWidget {
    Q_OBJECT
public:
    SectionPanel(const QString& objectName, const QString& title, const QColor& accent, QWidget* parent);
    QFormLayout* form() const { return m_form; }
    /// Adds a row of the form whose caption stands level with the middle of @p field.
    void addCaptionedRow(const QString& caption, QWidget* field);
    void addCaptionedRow(const QString& caption, QLayout* field);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* captionFor(const QString& caption, int fieldHeight);

    QString m_title;
    QColor m_accent;
    QFormLayout* m_form;
};

/// Paints @p widget as a section panel: a white rounded panel with @p title at its top, beside a bar
/// of @p accent.
void paintSection(QWidget* widget, const QString& title, const QColor& accent);

} // namespace orvelia

namespace orvelia {

/// Fills the ground of @p widget with @p colour.
void paintGround(QWidget* widget, const QColor& colour);

/// A holder for a form row with more than one control (a field and the pictures beside it).
QWidget* rowHolder(QWidget* panel);
/// Lays @p widgets out in @p holder from left to right; the first stretches when @p stretchFirst.
void addToRow(QWidget* holder, std::initializer_list<QWidget*> widgets, bool stretchFirst);

} // namespace orvelia

class QHBoxLayout;
class QVBoxLayout;

namespace orvelia {

/**
 * The frame of a window: a layout that lays its parts one under the other,
 * edge to edge (the header band, a command bar, the body, the status line);
 * @p bottomMargin leaves room under the last.
 */
QVBoxLayout* pageLayout(QWidget* window, int bottomMargin = 0);

/// The row of the menu windows with the help and exit pictures and their captions, centred.
QHBoxLayout* helpExitFooter(QWidget* parent, ClickablePicture*& imgGuida, ClickablePicture*& imgEsci);

} // namespace orvelia
