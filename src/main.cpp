#include <QApplication>

#include "framework/appearance.h"
#include "windows/app/application.h"

int main(int argc, char* argv[]) {
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
