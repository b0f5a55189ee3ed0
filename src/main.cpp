#include <QApplication>
#include <QLabel>

#include "framework/appearance.h"

int main(int argc, char* argv[]) {
    // Software drawing, before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    orvelia::prepareApplication(app);
    QLabel window(QStringLiteral("Orvelia"));
    window.setAlignment(Qt::AlignCenter);
    window.setWindowTitle(QStringLiteral(" Orvelia"));
    window.resize(640, 400);
    window.show();
    return app.exec();
}
