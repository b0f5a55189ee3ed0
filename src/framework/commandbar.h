#pragma once

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

} // namespace orvelia
