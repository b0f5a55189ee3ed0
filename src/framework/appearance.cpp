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

#include "framework/theme.h"

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
    palette.setColor(QPalette::Window, colours::kPaper);
    palette.setColor(QPalette::Base, colours::kWhite);
    palette.setColor(QPalette::Highlight, colours::kBlue);
    palette.setColor(QPalette::Button, colours::kButton);
    QApplication::setPalette(palette);
    // The style sheet only adds to a widget's palette, so a window painted white keeps its children
    // drawn against white, as without a sheet.
    QApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles, true);
    app.setStyleSheet(theme::styleSheet());
    QApplication::setApplicationName(QStringLiteral("Orvelia"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELIA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/logo.svg")));
}

} // namespace orvelia
