#pragma once

#include <QWidget>

#include "windows/common/shell.h"

namespace orvelia {

/**
 * A window that lives for the whole run and is shown and hidden: the menus,
 * the data windows, and the login and change-password windows. Closing it,
 * by its exit command or the title bar, runs closeHandler(), which names the
 * window to show next (nothing ends the program); the window is then hidden,
 * never destroyed.
 */
class NavigationWindow : public QWidget {
    Q_OBJECT
public:
    NavigationWindow(WindowShell& shell, const char* className, const QString& caption);

    WindowShell& shell() const { return m_shell; }
    /// Fills the screen (menus and data windows) or keeps its own fixed size (login windows).
    virtual bool fillsScreen() const { return true; }

protected:
    /// The window to show when this one closes; nullptr ends the program.
    virtual QWidget* closeHandler() = 0;
    void closeEvent(QCloseEvent* event) override;
    /// Unless the window system merely shows it again (after a minimise), lets the window prepare
    /// itself (opening).
    void showEvent(QShowEvent* event) override;
    /// What the window does each time the program shows it: reset itself, put the focus in place.
    virtual void opening() {}
    /// Goes from this window to the one that serves @p screen.
    void showInsteadOfThis(Screen screen);
    /// For the windows that keep their own size: a title bar without buttons, a border that does not resize.
    void keepFixedSize();

private:
    WindowShell& m_shell;
};

} // namespace orvelia
