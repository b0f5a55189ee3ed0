#include "windows/reports/tfrmstatistiche.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/archive/numbers.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "core/reports/monthly.h"
#include "core/work/workrecord.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/help/tfrmguida.h"
#include "windows/common/recordwindow.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Statistiche rimunerazioni mensili");
const QString kHeaderTitle = QStringLiteral("Statistiche rimunerazioni mensili");
const QString kHeaderSubtitle = QStringLiteral("I compensi percepiti dai lavoratori, mese per mese");
const QString kApri = QStringLiteral("Indicare l'anno solare e premere Apri.");
const QString kYearPanelTitle = QStringLiteral("Statistiche dell'anno:");
const QString kTitleDesign = QStringLiteral("Rappresentazione grafica delle rimunerazioni mensili.");
const QString kTitleOfYear =
    QStringLiteral("Rappresentazione grafica delle rimunerazioni mensili dell'anno %1.");
const QString kRigo04 = QStringLiteral("Il presente grafico statistico mostra le retribuzioni complessive "
                                       "percepite dai lavoratori in ciascun mese dell'anno.");
const QString kRigo05 = QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                                       "desiderato e per mandarlo in stampa.");
const QString kStanding = QStringLiteral("Grafico statistico delle uscite mensili.");

const QString kChartTitle = QStringLiteral("Statistiche rimunerazioni mensili");
const QString kChartFoot = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
const QString kLegendTitle = QStringLiteral("Compensi mensili percepiti dai lavoratori:");
const QString kNothingToShare = QStringLiteral("Nessun compenso registrato nell'anno");

const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente grafico statistico?");
const QString kCopiesCaption = QStringLiteral("Numero copie da stampare");
const QString kCopiesPrompt = QStringLiteral("Copie:");
const QString kPrintFailed = QStringLiteral("Attenzione: non è stato possibile avviare la stampa.\n\r\n\r"
                                            "Controllare la stampante selezionata e riprovare.");

struct CommandText {
    QPushButton* TfrmStatistiche::*member;
    const char* name;
    const char* icon;
    const char* text;
    const char* status;
};
using T = TfrmStatistiche;
const CommandText kCommands[] = {
    {&T::btnBarre, "btnBarre", "grafico_barre", "Visualizza grafico a barre",
     "Visualizza le statistiche dei compensi mensili sotto forma di grafico a barre tridimensionali."},
    {&T::btnTorta, "btnTorta", "grafico_torta", "Visualizza grafico a torta",
     "Visualizza le statistiche dei compensi mensili sotto forma di grafico a torta tridimensionale."},
    {&T::btnStampa, "btnStampa", "stampa", "Stampa grafico", "Stampa il grafico corrente."},
    {&T::btnEsci, "btnEsci", "esci", "Esci", "Esci da questo ambiente di lavoro."},
};
const QString kGuidaStatus = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");

/// The number of copies typed in the input box: 1 for an empty answer, any character that is not
/// a digit, zero, or a number too large to be a count.
int copiesFrom(const QString& answer) {
    if (trimText(answer).isEmpty())
        return 1;
    for (QChar c : answer)
        if (c < u'0' || c > u'9')
            return 1;
    bool ok = false;
    const int copies = answer.toInt(&ok);
    return ok && copies > 0 ? copies : 1;
}
} // namespace

TfrmStatistiche::TfrmStatistiche(WindowShell& shell)
    : NavigationWindow(shell, "TfrmStatistiche", kCaption) {
    paintGround(this, colours::kPaper);
    auto* header = new BrandHeader(kHeaderTitle, kHeaderSubtitle, this, 84);
    buildYearPanel();
    buildChartPanel();

    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addWidget(panAvvio, 1);
    root->addWidget(panContainer, 1);
    panContainer->hide();

    describeCommands(header);
    connectCommands();
}

void TfrmStatistiche::buildYearPanel() {
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    const YearCard card =
        yearCard({QStringLiteral("panAnno"), kYearPanelTitle, QStringLiteral("txtAnno"),
                  QStringLiteral("effAnno"), QStringLiteral("btnApri"), QStringLiteral("lblApri"), kApri},
                 colours::kAmber, panAvvio);
    txtAnno = card.year;
    btnApri = card.open;
    lblApri = card.hint;

    QHBoxLayout* footer = helpExitFooter(panAvvio, imgGuida, imgEsci);

    lblFile = hiddenLabel(QStringLiteral("lblFile"), panAvvio, QStringLiteral("FilePath"));
    const char* monthNames[] = {"memGennaio",   "memFebbraio", "memMarzo",    "memAprile",
                                "memMaggio",    "memGiugno",   "memLuglio",   "memAgosto",
                                "memSettembre", "memOttobre",  "memNovembre", "memDicembre"};
    QLabel** months[] = {&memGennaio, &memFebbraio, &memMarzo,     &memAprile,  &memMaggio,   &memGiugno,
                         &memLuglio,  &memAgosto,   &memSettembre, &memOttobre, &memNovembre, &memDicembre};
    for (int i = 0; i < 12; ++i)
        *months[i] = hiddenLabel(QString::fromLatin1(monthNames[i]), panAvvio, QStringLiteral("0"));

    auto* yearLayout = new QVBoxLayout(panAvvio);
    yearLayout->setContentsMargins(0, 0, 0, 24);
    yearLayout->addStretch(2);
    yearLayout->addLayout(centredRow(card.panel));
    yearLayout->addSpacing(28);
    yearLayout->addLayout(footer);
    yearLayout->addStretch(3);
}

void TfrmStatistiche::buildChartPanel() {
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    lblTitolo = roleLabel(QStringLiteral("lblTitolo"), kTitleDesign, theme::Role::WindowTitle, panContainer);
    lblRigo04 = roleLabel(QStringLiteral("lblRigo04"), kRigo04, theme::Role::Body, panContainer);
    lblRigo05 = roleLabel(QStringLiteral("lblRigo05"), kRigo05, theme::Role::Body, panContainer);
    for (QLabel* line : {lblRigo04, lblRigo05})
        line->setWordWrap(true);
    ChartStats = new chart::ChartView(panContainer);
    ChartStats->setObjectName(QStringLiteral("ChartStats"));
    ChartStats->setPalette(palette()); // the chart stands on the ground of the window
    QHBoxLayout* commands = buildCommands();
    panInfo = roleLabel(QStringLiteral("panInfo"), QString(), theme::Role::Status, panContainer);
    panInfo->setMinimumHeight(26);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 12, 18, 10);
    body->setSpacing(6);
    body->addWidget(lblTitolo);
    body->addWidget(lblRigo04);
    body->addWidget(lblRigo05);
    body->addSpacing(4);
    body->addWidget(ChartStats, 1);
    body->addSpacing(4);
    body->addLayout(commands);
    auto* chartLayout = new QVBoxLayout(panContainer);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->setSpacing(0);
    chartLayout->addLayout(body, 1);
    chartLayout->addWidget(panInfo);
}

QHBoxLayout* TfrmStatistiche::buildCommands() {
    auto* commands = new QHBoxLayout;
    commands->setSpacing(10);
    for (const CommandText& c : kCommands) {
        auto* button = pictureButton(QString::fromLatin1(c.name), QString::fromLatin1(c.icon),
                                     QString::fromUtf8(c.text), panContainer);
        button->setMinimumHeight(34);
        button->setIconSize(QSize(20, 20));
        this->*c.member = button;
        if (c.member == &T::btnEsci) {
            commands->addStretch();
            cmdGuida = new ClickablePicture(QStringLiteral("cmdGuida"), iconPath(QStringLiteral("guida")),
                                            panContainer);
            cmdGuida->setFixedSize(30, 30);
            cmdGuida->setToolTip(QStringLiteral("Guida"));
            commands->addWidget(cmdGuida);
            commands->addSpacing(6);
        }
        commands->addWidget(button);
    }
    return commands;
}

void TfrmStatistiche::describeCommands(QWidget* header) {
    m_status = new StatusLine(panInfo, kStanding);
    for (const CommandText& c : kCommands)
        m_status->describe(this->*c.member, QString::fromUtf8(c.status));
    m_status->describe(cmdGuida, kGuidaStatus);
    for (QWidget* area :
         {static_cast<QWidget*>(this), header, panContainer, static_cast<QWidget*>(ChartStats)})
        m_status->clearOver(area);
}

void TfrmStatistiche::connectCommands() {
    connect(btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
    connect(btnBarre, &QPushButton::clicked, this, &TfrmStatistiche::btnBarreClick);
    connect(btnTorta, &QPushButton::clicked, this, &TfrmStatistiche::btnTortaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    for (ClickablePicture* help : {imgGuida, cmdGuida})
        connect(help, &ClickablePicture::clicked, this, [this] { showHelp(this, HelpPage::Statistics); });
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(imgEsci, &ClickablePicture::clicked, this, &QWidget::close);
}

std::array<QLabel*, 12> TfrmStatistiche::monthLabels() const {
    return {memGennaio, memFebbraio, memMarzo,     memAprile,  memMaggio,   memGiugno,
            memLuglio,  memAgosto,   memSettembre, memOttobre, memNovembre, memDicembre};
}

void TfrmStatistiche::opening() {
    txtAnno->setText(QString::number(Platform::instance().today().year()).rightJustified(4, u'0'));
    ChartStats->clearPoints();
    panContainer->hide();
    panAvvio->show();
    m_status->showStanding();
    txtAnno->setFocus();
}

void TfrmStatistiche::btnApriClick() {
    if (txtAnno->text().size() != 4) {
        Platform::instance().warning(kYearDigitsMessage, this);
        txtAnno->setFocus();
        return;
    }
    const QString year = trimText(txtAnno->text());
    lblFile->setText(workArchivePath(programFolder(), year));
    lblTitolo->setText(kTitleOfYear.arg(year));
    const auto labels = monthLabels();
    for (QLabel* label : labels)
        label->setText(QStringLiteral("0"));

    const MonthlyTotals totals = scanMonthlyTotals(lblFile->text(), year);
    for (std::size_t i = 0; i < 12; ++i)
        if (totals.sums[i] != 0)
            labels[i]->setText(formatGeneral(totals.sums[i]));
    if (totals.error != ArchiveError::None) {
        records::reportFailure(this, totals.error, kArchiveAccessMessage);
        return;
    }
    if (totals.unreadableAmount) {
        // A partial chart would pass for the real one: nothing is drawn until the record is mended.
        Platform::instance().error(unreadableAmountMessage(*totals.unreadableAmount), this);
        return;
    }

    chart::Model model{kChartTitle, kChartFoot, kLegendTitle, kNothingToShare, {}, m_kind};
    for (std::size_t i = 0; i < 12; ++i) {
        const double rounded = roundToEuro(parseDecimal(labels[i]->text()).value_or(0.0));
        labels[i]->setText(formatGeneral(rounded));
        model.points.push_back({kMonthNames[i], rounded, colours::chart::kMonths[i]});
    }
    ChartStats->setModel(std::move(model));
    panAvvio->hide();
    panContainer->show();
    m_status->showStanding();
    if (!totals.unreadableDates.empty())
        Platform::instance().warning(unreadableDatesMessage(totals.unreadableDates), this);
}

void TfrmStatistiche::btnBarreClick() {
    m_kind = chart::Kind::Bars;
    ChartStats->setKind(m_kind);
}

void TfrmStatistiche::btnTortaClick() {
    m_kind = chart::Kind::Pie;
    ChartStats->setKind(m_kind);
}

void TfrmStatistiche::btnStampaClick() {
    Platform& platform = Platform::instance();
    if (!platform.question(kPrintQuestion, this))
        return;
    const auto answer = platform.inputText(this, kCopiesCaption, kCopiesPrompt, QStringLiteral("1"));
    if (!answer)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kChartTitle);
    printer.setCopyCount(copiesFrom(*answer));
    if (!platform.choosePrinter(printer, this))
        return;
    if (!chart::print(ChartStats->model(), printer))
        platform.error(kPrintFailed, this);
}

QWidget* TfrmStatistiche::closeHandler() {
    return shell().window(Screen::MainMenu);
}

} // namespace orvelia
