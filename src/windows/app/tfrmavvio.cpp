#include "windows/app/tfrmavvio.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "core/archive/paths.h"
#include "core/backup/backup.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/menucard.h"
#include "windows/common/toolwindow.h"
#include "windows/app/tfrminfo.h"
#include "windows/backup/tfrmcopiasicurezza.h"
#include "windows/help/tfrmguida.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia");
const QString kSubtitle = QStringLiteral("Gestione dei lavoratori retribuiti a ore");

const QString kLavoratoriTitle = QStringLiteral("Anagrafica lavoratori");
const QString kLavoratoriInfo = QStringLiteral(
    "L'archivio dei lavoratori: dati anagrafici, recapiti, coordinate bancarie, documenti "
    "e contratti. Ricerca, contratti in scadenza, stampa della scheda ed esportazione in Excel.");
const QString kLavoriTitle = QStringLiteral("Registrazione lavori");
const QString kLavoriInfo = QStringLiteral(
    "Il registro annuale delle prestazioni: data, sede, orari, ore lavorate e compenso dovuto, "
    "progetto e materiali. Ricerca, lavori incompleti, stampa ed esportazione in Excel.");
const QString kCompensiTitle = QStringLiteral("Riepilogo compensi");
const QString kNoCopyYet = QStringLiteral(
    "Attenzione: non \u00E8 ancora stata fatta nessuna copia di sicurezza degli archivi.\n\r\n\rFarla ora?");
const QString kOldCopy = QStringLiteral("Attenzione: l'ultima copia di sicurezza degli archivi \u00E8 del "
                                        "%1, %2 giorni fa.\n\r\n\rFarne una ora?");
const QString kCompensiInfo =
    QStringLiteral("I compensi di un periodo, per un lavoratore o per tutti, con il totale e la stampa; le "
                   "statistiche mensili dell'anno con grafici a barre e a torta.");

// The band at the top of the menu, drawn behind the title pictures.
class TitleBand : public QWidget {
public:
    explicit TitleBand(QWidget* parent)
        : QWidget(parent)
        , m_art(new QSvgRenderer(artPath("banner_bg"), this)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient band(0, 0, width(), height());
        band.setColorAt(0, colours::kNavy);
        band.setColorAt(1, colours::kBlue);
        p.fillRect(rect(), band);
        if (m_art->isValid()) {
            // cover the band, keeping the picture's proportions
            QSizeF size = m_art->viewBoxF().size();
            size.scale(QSizeF(width(), height()), Qt::KeepAspectRatioByExpanding);
            m_art->render(&p, QRectF(QPointF(width() - size.width(), (height() - size.height()) / 2), size));
        }
        p.fillRect(QRect(0, height() - 4, width(), 4), colours::kAmber);
    }

private:
    QSvgRenderer* m_art;
};

} // namespace

TfrmAvvio::TfrmAvvio(WindowShell& shell)
    : NavigationWindow(shell, "TfrmAvvio", kCaption) {
    paintGround(this, colours::kPaper);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(buildBand());
    root->addStretch(1);
    root->addLayout(buildCards(), 8);
    root->addStretch(1);
    root->addWidget(buildFooter());

    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Overview); });
    connect(imgInfo, &ClickablePicture::clicked, this, [this] { openToolWindow<TfrmInfo>(this); });
    connect(imgProdotto, &ClickablePicture::clicked, this, [this] { openToolWindow<TfrmSplash>(this); });
    connect(icoSito, &ClickablePicture::clicked, this, [] { TMisc::Open(kProductWebSite); });
    connect(imgCopia, &ClickablePicture::clicked, this, [this] { openToolWindow<TfrmCopiaSicurezza>(this); });
    connect(imgEsci, &ClickablePicture::clicked, this, [this] {
        offerSafetyCopy();
        this->shell().quit();
    });
    setMinimumSize(1000, 640);
}

QWidget* TfrmAvvio::buildBand() {
    auto* band = new TitleBand(this);
    band->setFixedHeight(150);
    icoIcona = new ClickablePicture(QStringLiteral("icoIcona"), artPath("logo"), band);
    icoIcona->setDecorative(true);
    icoIcona->setFixedSize(104, 104);
    icoTitolo = new QLabel(QStringLiteral("Orvelia"), band);
    icoTitolo->setObjectName("icoTitolo");
    theme::setRole(icoTitolo, theme::Role::MenuTitle);
    icoSottotitolo = new QLabel(kSubtitle, band);
    icoSottotitolo->setObjectName("icoSottotitolo");
    theme::setRole(icoSottotitolo, theme::Role::MenuSubtitle);
    auto* logoFrame = new QWidget(band);
    logoFrame->setFixedSize(118, 118);
    theme::setRole(logoFrame, theme::Role::LogoFrame);
    auto* logoLayout = new QVBoxLayout(logoFrame);
    logoLayout->setContentsMargins(7, 7, 7, 7);
    logoLayout->addWidget(icoIcona);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addStretch();
    titles->addWidget(icoTitolo);
    titles->addWidget(icoSottotitolo);
    titles->addStretch();
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(48, 12, 48, 16);
    bandLayout->setSpacing(26);
    bandLayout->addWidget(logoFrame);
    bandLayout->addLayout(titles, 1);
    return band;
}

QLayout* TfrmAvvio::buildCards() {
    struct Application {
        MenuCard::Content content;
        ClickableLabel* TfrmAvvio::*command;
        ClickablePicture* TfrmAvvio::*picture;
        QLabel* TfrmAvvio::*words;
        Screen screen;
    };
    const Application applications[] = {
        {{"panLavoratori", "imgLavoratori", "btnLavoratori", "infLavoratori", kLavoratoriTitle,
          kLavoratoriInfo, artPath(QStringLiteral("app_lavoratori")), theme::Accent::Workers},
         &TfrmAvvio::btnLavoratori,
         &TfrmAvvio::imgLavoratori,
         &TfrmAvvio::infLavoratori,
         Screen::Registry},
        {{"panLavori", "imgLavori", "btnLavori", "infLavori", kLavoriTitle, kLavoriInfo,
          artPath(QStringLiteral("app_lavori")), theme::Accent::Work},
         &TfrmAvvio::btnLavori,
         &TfrmAvvio::imgLavori,
         &TfrmAvvio::infLavori,
         Screen::YearSelection},
        {{"panCompensi", "imgCompensi", "btnCompensi", "infCompensi", kCompensiTitle, kCompensiInfo,
          artPath(QStringLiteral("app_compensi")), theme::Accent::Pay},
         &TfrmAvvio::btnCompensi,
         &TfrmAvvio::imgCompensi,
         &TfrmAvvio::infCompensi,
         Screen::ReportsMenu},
    };
    auto* cards = new QHBoxLayout;
    cards->setSpacing(36);
    cards->addStretch(1);
    for (const Application& a : applications) {
        auto* card = new MenuCard(MenuCard::Shape::Tall, a.content, this);
        this->*a.command = card->titleCommand;
        this->*a.picture = card->picture;
        this->*a.words = card->words;
        connect(card, &MenuCard::chosen, this, [this, screen = a.screen] { showInsteadOfThis(screen); });
        cards->addWidget(card, 4);
    }
    cards->addStretch(1);
    return cards;
}

QWidget* TfrmAvvio::buildFooter() {
    auto* footer = new QWidget(this);
    footer->setObjectName("panComandi");
    paintGround(footer, colours::kWhite);
    auto* footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(48, 10, 48, 10);
    footerLayout->setSpacing(40);
    footerLayout->addStretch();
    footerLayout->addWidget(makeFooterCommand(imgGuida, "imgGuida", "guida", QStringLiteral("Guida")));
    footerLayout->addWidget(makeFooterCommand(imgInfo, "imgInfo", "info", QStringLiteral("Informazioni")));
    footerLayout->addWidget(makeFooterCommand(imgProdotto, "imgProdotto", "", QStringLiteral("Il prodotto")));
    footerLayout->addWidget(makeFooterCommand(icoSito, "icoSito", "sito", QStringLiteral("www.orvelia.it")));
    footerLayout->addWidget(
        makeFooterCommand(imgCopia, "imgCopia", "copia", QStringLiteral("Copia di sicurezza")));
    footerLayout->addWidget(makeFooterCommand(imgEsci, "imgEsci", "esci", QStringLiteral("Esci")));
    footerLayout->addStretch();
    return footer;
}

QWidget* TfrmAvvio::makeFooterCommand(ClickablePicture*& picture, const QString& name, const QString& icon,
                                      const QString& caption) {
    auto* box = new QWidget(this);
    picture = new ClickablePicture(name, icon.isEmpty() ? artPath("logo") : iconPath(icon), box);
    picture->setFixedSize(38, 38);
    auto* text = new ClickableLabel(name + QStringLiteral("Testo"), caption, box);
    theme::setRole(text, theme::Role::BodySmall);
    text->setAlignment(Qt::AlignCenter);
    connect(text, &ClickableLabel::clicked, picture, &ClickablePicture::clicked);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    return box;
}

void TfrmAvvio::offerSafetyCopy() {
    const QString folder = programFolder();
    const QDateTime now = Platform::instance().now();
    const auto last = backup::lastBackup(folder);
    if (!backup::reminderDue(last, now) || !backup::holdsData(folder))
        return;
    const QString question =
        last ? kOldCopy.arg(last->toString(QStringLiteral("dd/MM/yyyy"))).arg(last->date().daysTo(now.date()))
             : kNoCopyYet;
    if (Platform::instance().question(question, this))
        openToolWindow<TfrmCopiaSicurezza>(this, {}, [](TfrmCopiaSicurezza& w) { w.copyWhenShown(); });
}

QWidget* TfrmAvvio::closeHandler() {
    offerSafetyCopy();
    return nullptr;
}

} // namespace orvelia
