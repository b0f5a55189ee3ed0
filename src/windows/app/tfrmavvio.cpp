#include "windows/app/tfrmavvio.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/toolwindow.h"
#include "windows/app/tfrminfo.h"
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

// The white card of one application.
class Card : public QWidget {
public:
    Card(theme::Accent accent, QWidget* parent)
        : QWidget(parent)
        , m_accent(theme::colourOf(accent)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
        for (int i = 3; i > 0; --i) { // soft shadow
            p.setPen(Qt::NoPen);
            p.setBrush(colours::shadow(i));
            p.drawRoundedRect(r.translated(0, 4 - i), 14, 14);
        }
        p.setBrush(colours::kWhite);
        p.setPen(QPen(colours::kLine, 1));
        p.drawRoundedRect(r, 14, 14);
        QPainterPath top;
        top.addRoundedRect(QRectF(r.left(), r.top(), r.width(), 28), 14, 14);
        p.setClipRect(QRectF(r.left(), r.top(), r.width(), 7));
        p.setBrush(m_accent);
        p.setPen(Qt::NoPen);
        p.drawPath(top);
    }

private:
    QColor m_accent;
};

} // namespace

TfrmAvvio::TfrmAvvio(WindowShell& shell)
    : NavigationWindow(shell, "TfrmAvvio", kCaption) {
    paintGround(this, colours::kPaper);

    // Title band
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

    // The three applications
    auto* cards = new QHBoxLayout;
    cards->setSpacing(36);
    cards->addStretch(1);
    cards->addWidget(makeCard(QStringLiteral("Lavoratori"), kLavoratoriTitle, kLavoratoriInfo,
                              theme::Accent::Workers, btnLavoratori, imgLavoratori, infLavoratori),
                     4);
    cards->addWidget(makeCard(QStringLiteral("Lavori"), kLavoriTitle, kLavoriInfo, theme::Accent::Work,
                              btnLavori, imgLavori, infLavori),
                     4);
    cards->addWidget(makeCard(QStringLiteral("Compensi"), kCompensiTitle, kCompensiInfo, theme::Accent::Pay,
                              btnCompensi, imgCompensi, infCompensi),
                     4);
    cards->addStretch(1);

    // Footer with the smaller commands
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
    footerLayout->addWidget(makeFooterCommand(imgEsci, "imgEsci", "esci", QStringLiteral("Esci")));
    footerLayout->addStretch();

    QVBoxLayout* root = pageLayout(this);
    root->addWidget(band);
    root->addStretch(1);
    root->addLayout(cards, 8);
    root->addStretch(1);
    root->addWidget(footer);

    for (auto [button, picture, panel, target] :
         {std::tuple{btnLavoratori, imgLavoratori, infLavoratori, Screen::Registry},
          std::tuple{btnLavori, imgLavori, infLavori, Screen::YearSelection},
          std::tuple{btnCompensi, imgCompensi, infCompensi, Screen::ReportsMenu}}) {
        auto go = [this, screen = target] { showInsteadOfThis(screen); };
        connect(button, &ClickableLabel::clicked, this, go);
        connect(picture, &ClickablePicture::clicked, this, go);
        connect(panel, &ClickableLabel::clicked, this, go);
    }
    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Overview); });
    connect(imgInfo, &ClickablePicture::clicked, this, [this] { openToolWindow<TfrmInfo>(this); });
    connect(imgProdotto, &ClickablePicture::clicked, this, [this] { openToolWindow<TfrmSplash>(this); });
    connect(icoSito, &ClickablePicture::clicked, this, [] { TMisc::Open(kProductWebSite); });
    connect(imgEsci, &ClickablePicture::clicked, this, [this] { this->shell().quit(); });
    setMinimumSize(1000, 640);
}

QWidget* TfrmAvvio::makeCard(const QString& name, const QString& title, const QString& info,
                             theme::Accent accent, ClickableLabel*& button, ClickablePicture*& picture,
                             ClickableLabel*& panel) {
    auto* card = new Card(accent, this);
    card->setObjectName(QStringLiteral("pan") + name);
    card->setMaximumWidth(440);
    card->setMinimumWidth(280);
    picture = new ClickablePicture(QStringLiteral("img") + name,
                                   artPath(QStringLiteral("app_") + name.toLower()), card);
    picture->setMinimumSize(120, 120);
    picture->setMaximumSize(220, 220);
    picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button = new ClickableLabel(QStringLiteral("btn") + name, title, card);
    button->setAlignment(Qt::AlignCenter);
    theme::setRole(button, theme::Role::CardButton, theme::variantOf(accent));
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    panel = new ClickableLabel(QStringLiteral("inf") + name, info, card);
    panel->setWordWrap(true);
    panel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    theme::setRole(panel, theme::Role::CardText);
    panel->setMinimumHeight(110);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(26, 30, 26, 26);
    layout->setSpacing(18);
    layout->addWidget(picture, 3, Qt::AlignHCenter);
    layout->addWidget(button);
    layout->addWidget(panel);
    card->setMaximumHeight(600);
    return card;
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

QWidget* TfrmAvvio::closeHandler() {
    return nullptr;
}

} // namespace orvelia
