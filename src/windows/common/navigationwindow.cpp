#include "windows/common/navigationwindow.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace orvelia {

NavigationWindow::NavigationWindow(WindowShell& shell, const char* className, const QString& caption)
    : QWidget(nullptr)
    , m_shell(shell) {
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(caption);
}

void NavigationWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // never destroyed: hidden instead
    if (m_shell.hasQuit())
        return;
    QWidget* next = closeHandler();
    if (next == nullptr) {
        m_shell.quit();
        return;
    }
    m_shell.showInsteadOf(this, next);
}

void NavigationWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        opening();
}

void NavigationWindow::keepFixedSize() {
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
}

void NavigationWindow::showInsteadOfThis(Screen screen) {
    if (QWidget* next = m_shell.window(screen))
        m_shell.showInsteadOf(this, next);
}

} // namespace orvelia
