// Renders every window of the program to PNG, for people to look at.
// Usage: orvelia_screens <folder>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "core/archive/paths.h"
#include "framework/appearance.h"
#include "windows/app/application.h"
#include "windows/app/tfrminfo.h"

using namespace orvelia;

namespace {
void save(QWidget* w, const QString& folder, const QString& name) {
    w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void atSize(QWidget* w, const QSize& size, const QString& folder, const QString& name) {
    w->setWindowState(Qt::WindowNoState);
    w->resize(size);
    w->show();
    QApplication::processEvents();
    save(w, folder, name);
    w->hide();
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    prepareApplication(qapp);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(out);
    QTemporaryDir data;
    setProgramFolder(data.path());

    OrveliaApp app;
    for (const QString& name : app.creationOrder()) {
        QWidget* w = app.window(name);
        auto* nav = qobject_cast<NavigationWindow*>(w);
        if (nav && nav->fillsScreen()) {
            atSize(w, QSize(1280, 800), out, name + QStringLiteral("_1280x800"));
            atSize(w, QSize(1920, 1080), out, name + QStringLiteral("_1920x1080"));
        } else {
            w->show();
            QApplication::processEvents();
            save(w, out, name);
            w->hide();
        }
    }
    TfrmInfo info(nullptr);
    info.show();
    QApplication::processEvents();
    save(&info, out, QStringLiteral("TfrmInfo"));
    TfrmSplash splash(nullptr);
    splash.show();
    QApplication::processEvents();
    save(&splash, out, QStringLiteral("TfrmSplash"));
    return 0;
}
