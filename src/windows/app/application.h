#pragma once

#include <vector>

#include <QObject>
#include <QStringList>

#include "windows/common/shell.h"

class QWidget;

namespace orvelia {

/**
 * The application object, the composition root: creates the navigation
 * windows in their fixed order, knows each by its class, moves between them
 * and ends the program. The windows see it only as their WindowShell.
 */
class OrveliaApp : public QObject, public WindowShell {
    Q_OBJECT
public:
    explicit OrveliaApp(QObject* parent = nullptr);
    ~OrveliaApp() override;

    /// Shows the login window, the only one visible at start.
    void start();
    /// Ends the program: every window is hidden and finished() is emitted.
    void quit() override;
    bool hasQuit() const override { return m_quit; }

    QWidget* window(Screen screen) const override;
    /// Shows @p next (maximised when it fills the screen) and hides @p current.
    void showInsteadOf(QWidget* current, QWidget* next) override;
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

    std::vector<QWidget*> m_windows; // in the order of Screen
    bool m_quit = false;
};

} // namespace orvelia
