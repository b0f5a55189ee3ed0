#pragma once

#include <functional>
#include <vector>

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "framework/platform.h"

class QLabel;

namespace orvelia {

class OrveliaApp;

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
    NavigationWindow(OrveliaApp& app, const char* className, const QString& caption);

    OrveliaApp& app() const { return m_app; }
    /// Fills the screen (menus and data windows) or keeps its own fixed size (login windows).
    virtual bool fillsScreen() const { return true; }

protected:
    /// The window to show when this one closes; nullptr ends the program.
    virtual QWidget* closeHandler() = 0;
    void closeEvent(QCloseEvent* event) override;

private:
    OrveliaApp& m_app;
};

/**
 * The application object: creates the navigation windows in their fixed
 * order, knows each by its class, moves between them and ends the program.
 */
class OrveliaApp : public QObject {
    Q_OBJECT
public:
    explicit OrveliaApp(QObject* parent = nullptr);
    ~OrveliaApp() override;

    /// Shows the login window, the only one visible at start.
    void start();
    /// Ends the program: every window is hidden and finished() is emitted.
    void quit();
    bool hasQuit() const { return m_quit; }

    /// Shows @p next (maximised when it fills the screen) and hides @p current.
    void showInsteadOf(QWidget* current, QWidget* next);
    /// Makes @p window visible, maximised when it is a full-screen navigation window.
    static void showWindow(QWidget* window);

    /// The window of class @p className, or nullptr when the program has none.
    QWidget* window(const QString& className) const;
    template <typename W> W* window() const {
        for (QWidget* w : m_windows)
            if (auto* found = qobject_cast<W*>(w))
                return found;
        return nullptr;
    }
    /// Class names of the windows in the order they were created.
    QStringList creationOrder() const;

signals:
    void finished();

private:
    template <typename W> void create();

    std::vector<QWidget*> m_windows;
    bool m_quit = false;
};

/// Puts the tag @p tag into the hidden lblMemory of @p window.
void writeCallerTag(QWidget* window, const QString& tag);
/// The caller tag in the hidden lblMemory of @p window (empty when it has none).
QString callerTag(const QWidget* window);

/**
 * A tool window: a fixed-size dialog with a single border and no title-bar
 * buttons, centred on its caller, created afresh for every use.
 */
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    ToolWindow(QWidget* caller, const char* className, const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
};

/**
 * Opens a fresh tool window of class W over @p caller: writes @p tag into its
 * lblMemory, lets @p fill set its fields, shows it modally and destroys it
 * when it closes. Returns the dialog's result.
 */
template <typename W>
int openToolWindow(QWidget* caller, const QString& tag = QString(),
                   const std::function<void(W&)>& fill = {}) {
    W window(caller);
    if (!tag.isEmpty())
        writeCallerTag(&window, tag);
    if (fill)
        fill(window);
    return Platform::instance().showModal(&window);
}

} // namespace orvelia
