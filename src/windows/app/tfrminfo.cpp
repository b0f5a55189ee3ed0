#include "windows/app/tfrminfo.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {
const QString kMailSubject = QStringLiteral("Software Orvelia");
const QString kMailBody =
    QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
} // namespace

QString supportMailLink() {
    return QStringLiteral("\"mailto:") + kSupportEmail + QStringLiteral("?subject=") + kMailSubject +
           QStringLiteral("&body=") + kMailBody + QStringLiteral("\"");
}

ProductWindow::ProductWindow(QWidget* caller, const char* className, const QString& caption,
                             const QString& heading, const QString& text, const QString& linkCaption,
                             const QString& linkText, ClickablePicture*& picture, const QString& pictureName,
                             const QString& icon)
    : ToolWindow(caller, className, caption) {
    auto* header = new BrandHeader(QStringLiteral("Orvelia"), heading, this, 96);
    auto* body = new QLabel(text, this);
    body->setWordWrap(true);
    theme::setRole(body, theme::Role::Body);
    auto* linkTitle = new QLabel(linkCaption, this);
    theme::setRole(linkTitle, theme::Role::Hint);
    picture = new ClickablePicture(pictureName, iconPath(icon), this);
    picture->setFixedSize(32, 32);
    lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), linkText, this);
    lnkWeb->attachPicture(picture);
    connect(lnkWeb, &LinkLabel::clicked, this, [this] { linkClicked(); });
    cmdChiudi = closeButton(this, QStringLiteral("cmdChiudi"), false);

    auto* link = new QHBoxLayout;
    link->setSpacing(10);
    link->addWidget(picture);
    link->addWidget(lnkWeb);
    link->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdChiudi);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(26, 18, 26, 20);
    content->setSpacing(10);
    content->addWidget(body);
    content->addSpacing(6);
    content->addWidget(linkTitle);
    content->addLayout(link);
    content->addSpacing(8);
    content->addLayout(buttons);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(content);
    setMinimumWidth(460);
}

TfrmInfo::TfrmInfo(QWidget* caller)
    : ProductWindow(caller, "TfrmInfo", QStringLiteral(" Informazioni su Orvelia"),
                    QStringLiteral("Versione ") + QCoreApplication::applicationVersion(),
                    QStringLiteral("Gestione dei lavoratori retribuiti a ore: anagrafica dei lavoratori, "
                                   "registrazione dei lavori e riepilogo dei compensi."),
                    QStringLiteral("Per informazioni e assistenza scrivere a:"), kSupportEmail, imgEmail,
                    QStringLiteral("imgEmail"), QStringLiteral("email")) {}

void TfrmInfo::linkClicked() {
    TMisc::Open(supportMailLink());
}

TfrmSplash::TfrmSplash(QWidget* caller)
    : ProductWindow(
          caller, "TfrmSplash", QStringLiteral(" Orvelia - Il prodotto"),
          QStringLiteral("Il software per chi lavora a ore"),
          QStringLiteral("Orvelia tiene l'archivio dei lavoratori, il registro annuale dei lavori con "
                         "ore e compensi calcolati, e i riepiloghi dei compensi con grafici mensili, "
                         "tutto stampabile ed esportabile in Excel."),
          QStringLiteral("Novità, aggiornamenti e assistenza sul sito:"), kProductWebSite, imgWeb,
          QStringLiteral("imgWeb"), QStringLiteral("web")) {}

void TfrmSplash::linkClicked() {
    TMisc::Open(kProductWebSite);
}

} // namespace orvelia
