#include "framework/theme.h"

#include <QStyle>
#include <QWidget>

namespace orvelia::theme {

namespace {

QString nameOf(Role role) {
    switch (role) {
    case Role::Hint:
        return QStringLiteral("hint");
    case Role::Body:
        return QStringLiteral("body");
    case Role::BodySmall:
        return QStringLiteral("body-small");
    case Role::BodyLarge:
        return QStringLiteral("body-large");
    case Role::Heading:
        return QStringLiteral("heading");
    case Role::Navy:
        return QStringLiteral("navy");
    case Role::Link:
        return QStringLiteral("link");
    case Role::Wait:
        return QStringLiteral("wait");
    case Role::Required:
        return QStringLiteral("required");
    case Role::Rule:
        return QStringLiteral("rule");
    case Role::Status:
        return QStringLiteral("status");
    case Role::Result:
        return QStringLiteral("result");
    case Role::WorkBox:
        return QStringLiteral("work-box");
    case Role::WorkBoxFocus:
        return QStringLiteral("work-box-focus");
    case Role::Position:
        return QStringLiteral("position");
    case Role::WindowTitle:
        return QStringLiteral("window-title");
    case Role::PageTitle:
        return QStringLiteral("page-title");
    case Role::HelpText:
        return QStringLiteral("help-text");
    case Role::CheckField:
        return QStringLiteral("check-field");
    case Role::FixedName:
        return QStringLiteral("fixed-name");
    case Role::Description:
        return QStringLiteral("description");
    case Role::Grid:
        return QStringLiteral("grid");
    case Role::CardText:
        return QStringLiteral("card-text");
    case Role::CardButton:
        return QStringLiteral("card-button");
    case Role::MenuTitle:
        return QStringLiteral("menu-title");
    case Role::MenuSubtitle:
        return QStringLiteral("menu-subtitle");
    case Role::LogoFrame:
        return QStringLiteral("logo-frame");
    case Role::Panel:
        return QStringLiteral("panel");
    case Role::Framed:
        return QStringLiteral("framed");
    case Role::Ground:
        return QStringLiteral("ground");
    case Role::Figure:
        return QStringLiteral("figure");
    case Role::FigureLarge:
        return QStringLiteral("figure-large");
    }
    return QString();
}

// The selector of a role, on widgets of @p type (any widget when empty).
QString on(Role role, const char* type = "*", const QString& variant = QString()) {
    QString selector = QString::fromLatin1(type) + QStringLiteral("[role=\"") + nameOf(role) + u'"' + u']';
    if (!variant.isEmpty())
        selector += QStringLiteral("[variant=\"") + variant + QStringLiteral("\"]");
    return selector;
}

QString hex(const QColor& colour) {
    return colour.name(QColor::HexRgb).toUpper();
}

} // namespace

QColor colourOf(Accent accent) {
    switch (accent) {
    case Accent::Workers:
        return colours::kBlue;
    case Accent::Work:
        return colours::kTeal;
    case Accent::Pay: // a shade deeper, so white text reads on it
        return colours::kAmber.darker(112);
    }
    return colours::kNavy;
}

QString variantOf(Accent accent) {
    switch (accent) {
    case Accent::Workers:
        return QStringLiteral("workers");
    case Accent::Work:
        return QStringLiteral("work");
    case Accent::Pay:
        return QStringLiteral("pay");
    }
    return QString();
}

void setRole(QWidget* widget, Role role, const QString& variant) {
    widget->setProperty("role", nameOf(role));
    if (!variant.isEmpty())
        widget->setProperty("variant", variant);
    // A widget already shown takes its new look at once.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

QString styleSheet() {
    using namespace colours;
    const auto text = [](const QColor& colour, const QString& more = QString()) {
        return QStringLiteral("{ color: %1;%2 }").arg(hex(colour), more.isEmpty() ? QString() : u' ' + more);
    };
    const QString box = QStringLiteral("border: 1px solid %1; padding: 1px;").arg(hex(kSky));
    QString sheet;
    const auto rule = [&sheet](const QString& selector, const QString& body) {
        sheet += selector + u' ' + body + u'\n';
    };
    rule(on(Role::Hint), text(kSlate));
    rule(on(Role::Body), text(kInk));
    rule(on(Role::BodySmall), text(kInk, QStringLiteral("font-size: 12px;")));
    rule(on(Role::BodyLarge), text(kInk, QStringLiteral("font-size: 14px;")));
    rule(on(Role::Heading), text(kNavy, QStringLiteral("font-weight: bold;")));
    rule(on(Role::Navy), text(kNavy));
    rule(on(Role::Link), text(kBlue));
    rule(on(Role::Wait), text(kRed, QStringLiteral("font-weight: bold;")));
    rule(on(Role::Required), text(kRed));
    rule(on(Role::Rule), text(kLine));
    rule(on(Role::Status, "QLabel"),
         QStringLiteral("{ background: white; border-top: 1px solid %1; padding: 3px 12px; color: %2; }")
             .arg(hex(kLine), hex(kNavy)));
    rule(on(Role::Result, "QLineEdit"),
         QStringLiteral("{ background-color: %1; color: %2; %3 }").arg(hex(kBeige), hex(kBrown), box));
    rule(on(Role::WorkBox, "QLineEdit"),
         QStringLiteral("{ background-color: %1; %2 }").arg(hex(kAlice), box));
    rule(on(Role::WorkBoxFocus, "QLineEdit"), QStringLiteral("{ background-color: yellow; %1 }").arg(box));
    rule(on(Role::Position, "QLabel"),
         QStringLiteral("{ background: %1; border: 1px solid %2; border-radius: 6px; color: %3; "
                        "font-weight: bold; }")
             .arg(hex(kPaper), hex(kLine), hex(kNavy)));
    rule(on(Role::WindowTitle), text(kNavy, QStringLiteral("font-size: 17px; font-weight: bold;")));
    rule(on(Role::PageTitle), text(kNavy, QStringLiteral("font-size: 16px; font-weight: bold;")));
    rule(on(Role::HelpText, "QPlainTextEdit"),
         QStringLiteral("{ background: white; color: %1; border: 1px solid %2; border-radius: 4px; "
                        "padding: 8px; font-size: 13px; }")
             .arg(hex(kText), hex(kLine)));
    rule(on(Role::CheckField, "QLineEdit"),
         QStringLiteral("{ color: %1; border: 1px solid %2; border-radius: 3px; padding: 4px 8px; "
                        "background: white; }")
             .arg(hex(kNavy), hex(kBorder)));
    rule(on(Role::FixedName, "QLineEdit"),
         QStringLiteral("{ background: %1; color: %2; border: 1px solid %3; border-radius: 3px; "
                        "padding: 2px 6px; }")
             .arg(hex(kMist), hex(kNavy), hex(kGridEdge)));
    rule(on(Role::Description, "QLineEdit"),
         QStringLiteral("{ background: white; color: %1; border: 1px solid %2; border-radius: 3px; "
                        "padding: 2px 6px; }")
             .arg(hex(kNavy), hex(kBorder)));
    rule(on(Role::Description, "QLineEdit") + QStringLiteral(":focus"),
         QStringLiteral("{ border: 1px solid %1; }").arg(hex(kBlue)));
    rule(on(Role::Grid, "QTableView"),
         QStringLiteral("{ background: white; alternate-background-color: %1; gridline-color: %2; "
                        "border: 1px solid %3; selection-background-color: %4; selection-color: %5; }")
             .arg(hex(kGridAlt), hex(kLine), hex(kGridEdge), hex(kGridPick), hex(kGridPickText)));
    rule(on(Role::Grid, "QTableView") + QStringLiteral(" QHeaderView::section"),
         QStringLiteral("{ background: %1; color: white; font-weight: bold; border: none; "
                        "border-right: 1px solid %2; padding: 0 6px; }")
             .arg(hex(kNavy), hex(kHeaderEdge)));
    rule(on(Role::CardText, "QLabel"),
         QStringLiteral("{ color: %1; font-size: 14px; background: %2; border-radius: 8px; padding: 12px; }")
             .arg(hex(kInk), hex(kPaper)));
    rule(on(Role::CardText, "QLabel") + QStringLiteral(":hover"),
         QStringLiteral("{ background: %1; }").arg(hex(kFrost)));
    for (const Accent accent : {Accent::Workers, Accent::Work, Accent::Pay}) {
        const QString variant = variantOf(accent);
        const QColor colour = colourOf(accent);
        rule(on(Role::CardButton, "QLabel", variant),
             QStringLiteral("{ background-color: %1; color: white; border-radius: 8px; padding: 10px 14px; "
                            "font-size: 17px; font-weight: bold; }")
                 .arg(colour.name()));
        rule(on(Role::CardButton, "QLabel", variant) + QStringLiteral(":hover"),
             QStringLiteral("{ background-color: %1; }").arg(colour.darker(115).name()));
    }
    rule(on(Role::MenuTitle), QStringLiteral("{ color: white; font-size: 44px; font-weight: bold; }"));
    rule(on(Role::MenuSubtitle), text(kIce, QStringLiteral("font-size: 19px;")));
    rule(on(Role::LogoFrame), QStringLiteral("{ background: white; border-radius: 16px; }"));
    rule(on(Role::Panel),
         QStringLiteral("{ background: white; border: 1px solid %1; border-radius: 8px; }").arg(hex(kLine)));
    rule(on(Role::Framed), QStringLiteral("{ border: 1px solid %1; }").arg(hex(kLine)));
    rule(on(Role::Ground), QStringLiteral("{ background: %1; }").arg(hex(kPaper)));
    rule(on(Role::Figure), text(kNavy, QStringLiteral("font-weight: bold;")));
    rule(on(Role::FigureLarge), text(kNavy, QStringLiteral("font-weight: bold; font-size: 18px;")));
    return sheet;
}

} // namespace orvelia::theme
