#include "windows/common/toolwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

namespace orvelia {

void writeCallerTag(QWidget* window, const QString& tag) {
    if (auto* memory = window->findChild<QLabel*>(QStringLiteral("lblMemory")))
        memory->setText(tag);
}

QString callerTag(const QWidget* window) {
    const auto* memory = window->findChild<QLabel*>(QStringLiteral("lblMemory"));
    return memory ? memory->text() : QString();
}

ToolWindow::ToolWindow(QWidget* caller, const char* className, const QString& caption)
    : QDialog(caller) {
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setModal(true);
}

void ToolWindow::showEvent(QShowEvent* event) {
    setFixedSize(sizeHint().expandedTo(minimumSize()));
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over && over->isVisible() ? over->frameGeometry()
                       : QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect();
    if (area.isValid()) {
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        opening();
}

} // namespace orvelia
