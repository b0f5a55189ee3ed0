#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QLabel window(QStringLiteral(" Orvelia"));
    window.setWindowTitle(QStringLiteral(" Orvelia"));
    window.resize(640, 400);
    window.show();
    return app.exec();
}
