#include "windows/app/application.h"

#include <QGuiApplication>
#include <QScreen>

#include "windows/access/tfrmcambiapassword.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/tfrmavvio.h"
#include "windows/common/navigationwindow.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/reports/tfrmmenupagamenti.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"
#include "windows/reports/tfrmstatistiche.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

namespace orvelia {

OrveliaApp::OrveliaApp(QObject* parent)
    : QObject(parent) {
    // Every window that lives for the whole run, in the order the program creates them, which is
    // also the order of Screen.
    create<TfrmPassword>();
    create<TfrmAvvio>();
    create<TfrmCambiaPassword>();
    create<TfrmIstruttori>();
    create<TfrmMenuLavori>();
    create<TfrmLavori>();
    create<TfrmMenuPagamenti>();
    create<TfrmMenuRiepilogoPagamenti>();
    create<TfrmStatistiche>();

    // What one window hands to another as the user moves on.
    connect(window<TfrmMenuLavori>(), &TfrmMenuLavori::yearChosen, window<TfrmLavori>(),
            &TfrmLavori::openYear);
    connect(window<TfrmCambiaPassword>(), &TfrmCambiaPassword::returningToLogin, window<TfrmPassword>(),
            &TfrmPassword::resetForLogin);
}

OrveliaApp::~OrveliaApp() {
    // The last made goes first: a window may still refer to one made before it.
    while (!m_windows.empty()) {
        delete m_windows.back();
        m_windows.pop_back();
    }
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

QWidget* OrveliaApp::window(Screen screen) const {
    const auto index = std::size_t(screen);
    return index < m_windows.size() ? m_windows[index] : nullptr;
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

} // namespace orvelia
