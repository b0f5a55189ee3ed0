#include "support/gui_app.h"

#include "framework/appearance.h"

namespace orvelia::test {

namespace {
// The offscreen platform says so each time a window is raised or sized, and Wine's Windows
// each time a window is made without the newest scaling call; that is not news.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
        message.startsWith(QLatin1String("EnableNonClientDpiScaling()")))
        return;
    qt_message_output(type, context, message);
}
} // namespace

std::unique_ptr<QApplication> makeTestApplication(int& argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    auto app = std::make_unique<QApplication>(argc, argv);
    prepareApplication(*app);
    return app;
}

} // namespace orvelia::test
