#include "windows/app/application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "windows/access/tfrmcambiapassword.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/tfrmavvio.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/reports/tfrmmenupagamenti.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"
#include "windows/reports/tfrmstatistiche.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

namespace orvelia {

NavigationWindow::NavigationWindow(OrveliaApp& app, const char* className, const QString& caption)
    : QWidget(nullptr)
    , m_app(app) {
    setObjectName(QString::fromLatin1(className));
    setWindowTitle(caption);
}

void NavigationWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // never destroyed: hidden instead
    if (m_app.hasQuit())
        return;
    QWidget* next = closeHandler();
    if (next == nullptr) {
        m_app.quit();
        return;
    }
    m_app.showInsteadOf(this, next);
}

OrveliaApp::OrveliaApp(QObject* parent)
    : QObject(parent) {
    // Every window that lives for the whole run, in the order the program creates them.
    create<TfrmPassword>();
    create<TfrmAvvio>();
    create<TfrmCambiaPassword>();
    create<TfrmIstruttori>();
    create<TfrmMenuLavori>();
    create<TfrmLavori>();
    create<TfrmMenuPagamenti>();
    create<TfrmMenuRiepilogoPagamenti>();
    create<TfrmStatistiche>();
}

OrveliaApp::~OrveliaApp() {
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        delete *it;
}

template <typename W> void OrveliaApp::create() {
    auto* w = new W(*this);
    w->hide();
    m_windows.push_back(w);
}

void OrveliaApp::start() {
    showWindow(m_windows.front());
}

void OrveliaApp::quit() {
    if (m_quit)
        return;
    m_quit = true;
    for (QWidget* w : m_windows)
        w->hide();
    emit finished();
}

void OrveliaApp::showWindow(QWidget* window) {
    auto* nav = qobject_cast<NavigationWindow*>(window);
    if (nav && nav->fillsScreen()) {
        window->showMaximized();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
        window->show();
    }
    window->raise();
    window->activateWindow();
}

void OrveliaApp::showInsteadOf(QWidget* current, QWidget* next) {
    showWindow(next);
    if (current && current != next)
        current->hide();
}

QWidget* OrveliaApp::window(const QString& className) const {
    for (QWidget* w : m_windows)
        if (w->objectName() == className)
            return w;
    return nullptr;
}

QStringList OrveliaApp::creationOrder() const {
    QStringList names;
    for (const QWidget* w : m_windows)
        names << w->objectName();
    return names;
}

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
}

} // namespace orvelia
