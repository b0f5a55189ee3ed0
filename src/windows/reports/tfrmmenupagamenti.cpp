#include "windows/reports/tfrmmenupagamenti.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "framework/widgets.h"
#include "windows/common/menucard.h"
#include "windows/common/windowparts.h"
#include "windows/help/tfrmguida.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Riepilogo compensi");
const QString kHeaderTitle = QStringLiteral("Riepilogo compensi");
const QString kHeaderSubtitle = QStringLiteral("I compensi dovuti ai lavoratori, per periodo e per mese");
const QString kInformazioni = QStringLiteral(
    "Questo ambiente consente di visualizzare riepiloghi dei compensi per intervalli di tempo e "
    "grafici statistici tridimensionali delle rimunerazioni mensili.");
const QString kSummaryHeading = QStringLiteral("Riepilogo compensi");
const QString kSummaryInfo = QStringLiteral("L'elenco dei compensi dovuti tra due giorni dell'anno, per un "
                                            "lavoratore o per tutti, con il totale e la stampa.");
const QString kStatisticsHeading = QStringLiteral("Statistiche rimunerazioni mensili");
const QString kStatisticsInfo = QStringLiteral("I compensi di ogni mese dell'anno in un grafico "
                                               "tridimensionale a barre o a torta, da stampare.");
const QString kTagBack = QStringLiteral("avvio");
const QString kTagSummary = QStringLiteral("riepiloghi");
const QString kTagStatistics = QStringLiteral("statistiche");
} // namespace

TfrmMenuPagamenti::TfrmMenuPagamenti(WindowShell& shell)
    : NavigationWindow(shell, "TfrmMenuPagamenti", kCaption) {
    paintGround(this, colours::kPaper);

    auto* header = new BrandHeader(kHeaderTitle, kHeaderSubtitle, this, 96);
    QLayout* choices = buildChoices();

    lblInformazioni = new QLabel(kInformazioni, this);
    lblInformazioni->setObjectName("lblInformazioni");
    lblInformazioni->setWordWrap(true);
    lblInformazioni->setAlignment(Qt::AlignCenter);
    theme::setRole(lblInformazioni, theme::Role::BodyLarge);
    lblInformazioni->setFixedWidth(876); // as wide as the two cards below
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this, kTagBack);

    frameMenuPage(
        this, header,
        {{centredRow(lblInformazioni), 28}, {choices, 36}, {helpExitFooter(this, imgGuida, imgEsci)}});

    setTabOrder(btnRiepiloghi, btnStatistiche);
    connect(imgGuida, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Reports); });
    connect(imgEsci, &ClickablePicture::clicked, this, &QWidget::close);
}

QLayout* TfrmMenuPagamenti::buildChoices() {
    auto* summary = new MenuCard(MenuCard::Shape::Wide,
                                 {"panRiepiloghi", "icoLibri", "btnRiepiloghi", nullptr, kSummaryHeading,
                                  kSummaryInfo, iconPath(QStringLiteral("riepilogo")), theme::Accent::Pay},
                                 this);
    // The statistics card in the blue of the registry's.
    auto* statistics =
        new MenuCard(MenuCard::Shape::Wide,
                     {"panStatistiche", "icoDVD", "btnStatistiche", nullptr, kStatisticsHeading,
                      kStatisticsInfo, iconPath(QStringLiteral("statistiche")), theme::Accent::Workers},
                     this);
    btnRiepiloghi = summary->openCommand;
    icoLibri = summary->picture;
    btnStatistiche = statistics->openCommand;
    icoDVD = statistics->picture;
    connect(summary, &MenuCard::chosen, this, &TfrmMenuPagamenti::btnRiepiloghiClick);
    connect(statistics, &MenuCard::chosen, this, &TfrmMenuPagamenti::btnStatisticheClick);

    auto* choices = new QHBoxLayout;
    choices->setSpacing(36);
    choices->addStretch(1);
    choices->addWidget(summary);
    choices->addWidget(statistics);
    choices->addStretch(1);
    return choices;
}

void TfrmMenuPagamenti::opening() {
    lblMemory->setText(kTagBack);
    btnRiepiloghi->setFocus();
}

void TfrmMenuPagamenti::btnRiepiloghiClick() {
    lblMemory->setText(kTagSummary);
    close();
}

void TfrmMenuPagamenti::btnStatisticheClick() {
    lblMemory->setText(kTagStatistics);
    close();
}

QWidget* TfrmMenuPagamenti::closeHandler() {
    QWidget* mainMenu = shell().window(Screen::MainMenu);
    const QString tag = lblMemory->text().trimmed();
    if (tag == kTagSummary)
        return shell().window(Screen::SummaryCriteria);
    if (tag == kTagStatistics) {
        // The statistics window may be missing from a build; the main menu is then the way back.
        QWidget* statistics = shell().window(Screen::Statistics);
        return statistics ? statistics : mainMenu;
    }
    return mainMenu;
}

} // namespace orvelia
