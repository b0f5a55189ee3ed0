#include "framework/appearance.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace orvelia {

void prepareApplication(QApplication& app) {
    QFont::insertSubstitutions(kFontFixed,
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(kFontSans, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kFontVerdana,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});

    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // The standard dialogs (file chooser, printer, preview) speak Italian too.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // The system's own look where it has one (Windows), the same clean look everywhere else.
    QStyle* style = QStyleFactory::create(QStringLiteral("windowsvista"));
    QApplication::setStyle(style != nullptr ? style : QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QString::fromLatin1(kFontSans));
    font.setPointSizeF(9.5);
    QApplication::setFont(font);

    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF6, 0xF9));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2E, 0x6D, 0xA4));
    palette.setColor(QPalette::Button, QColor(0xEC, 0xEF, 0xF3));
    QApplication::setPalette(palette);
    QApplication::setApplicationName(QStringLiteral("Orvelia"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELIA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/logo.svg")));
}

} // namespace orvelia
