#include <QApplication>

#include "core/system/system.h"
#include "framework/appearance.h"
#include "windows/app/application.h"

int main(int argc, char* argv[]) {
    // A write past a file size limit fails and is reported instead of ending the program.
    orvelia::sys::prepareProcess();
    // Software drawing, before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    orvelia::prepareApplication(app);

    orvelia::OrveliaApp orvelia;
    QObject::connect(&orvelia, &orvelia::OrveliaApp::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    orvelia.start();
    return QApplication::exec();
}
