#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"
#include "framework/chart.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "windows/app/tfrmavvio.h"
#include "windows/reports/tfrmstatistiche.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QString kFourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente grafico statistico?");

class StatisticsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        w = app->window<TfrmStatistiche>();
        ASSERT_NE(w, nullptr);
        open();
    }
    void open() {
        app->showInsteadOf(app->window<TfrmAvvio>(), w);
        activate(w);
    }
    void addWork(const QString& year, const char* date, const char* amount, const char* surname = "ROSSI") {
        Record r(TSchedaLavoro::layout);
        r[TSchedaLavoro::Cognome] = QString::fromUtf8(surname);
        r[TSchedaLavoro::Nome] = QStringLiteral("MARIO");
        r[TSchedaLavoro::Data] = QString::fromUtf8(date);
        r[TSchedaLavoro::TotDovuto] = QString::fromUtf8(amount);
        ASSERT_TRUE(archive::append(workArchivePath(folder.path(), year), r).ok());
    }
    void openYear(const QString& year) { typeAndPress(w->txtAnno, year, w->btnApri); }
    QStringList monthTexts() const {
        QStringList texts;
        for (QLabel* label : w->monthLabels())
            texts << label->text();
        return texts;
    }
    std::vector<double> values() const {
        std::vector<double> out;
        for (const chart::Point& p : w->ChartStats->model().points)
            out.push_back(p.value);
        return out;
    }
    TfrmStatistiche* w = nullptr;
};

} // namespace

TEST_F(StatisticsTest, ShowingStartsOnTheYearPanelWithThisYear) {
    EXPECT_EQ(w->windowTitle(), " Orvelia - Statistiche rimunerazioni mensili");
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w->panAvvio->isVisible());
    EXPECT_FALSE(w->panContainer->isVisible());
    EXPECT_EQ(w->txtAnno->text(), "2026");
    EXPECT_TRUE(w->txtAnno->hasFocus());
    EXPECT_EQ(w->lblApri->text(), "Indicare l'anno solare e premere Apri.");
    EXPECT_EQ(typedLength(w->txtAnno, 6), 4);
    EXPECT_FALSE(w->lblFile->isVisible());
    EXPECT_FALSE(w->memGennaio->isVisible());

    // Only digits reach the box; Enter moves to Apri without pressing it.
    w->txtAnno->clear();
    typeText(w->txtAnno, QStringLiteral("2a0-2 5."));
    EXPECT_EQ(w->txtAnno->text(), "2025");
    key(w->txtAnno, Qt::Key_Return);
    EXPECT_TRUE(w->btnApri->hasFocus());
    EXPECT_TRUE(w->panAvvio->isVisible());
    EXPECT_FALSE(QFile::exists(workArchivePath(folder.path(), QStringLiteral("2025"))));
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(StatisticsTest, TheYearNeedsFourDigits) {
    openYear(QStringLiteral("202"));
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Warning, kFourDigits}}));
    EXPECT_TRUE(w->txtAnno->hasFocus());
    EXPECT_TRUE(w->panAvvio->isVisible());
    EXPECT_FALSE(QFile::exists(workArchivePath(folder.path(), QStringLiteral("202"))));

    openYear(QStringLiteral("0000"));
    EXPECT_TRUE(fake->messages.empty());
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_TRUE(QFile::exists(workArchivePath(folder.path(), QStringLiteral("0000"))));
}

TEST_F(StatisticsTest, MonthlyTotalsRoundedToWholeEurosMakeTheChart) {
    const QString year = QStringLiteral("2026");
    addWork(year, "05/01/2026", "10,40");
    addWork(year, "20/01/2026", "10,20");
    addWork(year, "02/02/2026", "10,49");
    addWork(year, "01/03/2026", "1234,49");
    addWork(year, "03/04/2026", "1234,50");
    addWork(year, "15/06/2026", "0,00");
    addWork(year, "10/07/2025", "900,00");                   // another year inside this year's file
    addWork(QStringLiteral("2025"), "10/08/2026", "800,00"); // this year in another year's file
    addWork(year, "31/12/2026", "0,5");

    openYear(year);
    EXPECT_TRUE(fake->messages.empty());
    EXPECT_FALSE(w->panAvvio->isVisible());
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_EQ(w->lblFile->text(), workArchivePath(folder.path(), year));
    EXPECT_EQ(w->lblTitolo->text(), "Rappresentazione grafica delle rimunerazioni mensili dell'anno 2026.");
    EXPECT_EQ(monthTexts(),
              (QStringList{"21", "10", "1234", "1235", "0", "0", "0", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(w->panInfo->text(), "Grafico statistico delle uscite mensili.");

    const chart::Model& model = w->ChartStats->model();
    EXPECT_EQ(model.kind, chart::Kind::Bars);
    EXPECT_EQ(model.title, "Statistiche rimunerazioni mensili");
    EXPECT_EQ(model.foot, "Tutti gli importi sono arrotondati all'euro");
    EXPECT_EQ(model.legendTitle, "Compensi mensili percepiti dai lavoratori:");
    ASSERT_EQ(model.points.size(), 12u);
    const std::array<const char*, 12> names = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                               "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                               "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    const std::array<QRgb, 12> colours = {0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF,
                                          0xFFC0DCC0, 0xFFFFFF00, 0xFF00FF00, 0xFFC0C0C0,
                                          0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(model.points[i].label, names[i]);
        EXPECT_EQ(model.points[i].colour.rgba(), colours[i]) << names[i];
    }
    EXPECT_EQ(values(), (std::vector<double>{21, 10, 1234, 1235, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(StatisticsTest, AYearWithoutAFileShowsTwelveZeroPoints) {
    openYear(QStringLiteral("2030"));
    EXPECT_TRUE(fake->messages.empty());
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_EQ(values(), std::vector<double>(12, 0.0));
    EXPECT_EQ(monthTexts(), QStringList(12, QStringLiteral("0")));
    const QString path = workArchivePath(folder.path(), QStringLiteral("2030"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
}

TEST_F(StatisticsTest, AnUnreadableAmountIsNamedAndNothingIsDrawn) {
    const QString year = QStringLiteral("2026");
    addWork(year, "05/01/2026", "10,00");
    addWork(year, "06/01/2026", "12.50", "NERI");
    openYear(year);
    EXPECT_EQ(
        fake->takeMessages(),
        (std::vector<ShownMessage>{
            {MessageKind::Error,
             QStringLiteral("Attenzione: l'importo dovuto della scheda n. 2 (data 06/01/2026, lavoratore "
                            "NERI MARIO) non è un numero leggibile.\n\r\n\rIl calcolo delle statistiche "
                            "è stato interrotto: correggere l'importo nel registro dei lavori e ripetere "
                            "l'operazione.")}}));
    EXPECT_TRUE(w->panAvvio->isVisible());
    EXPECT_FALSE(w->panContainer->isVisible());
    EXPECT_TRUE(w->ChartStats->model().points.empty());
}

TEST_F(StatisticsTest, RecordsWhoseDateCannotBeReadAreLeftOutAndNamed) {
    const QString year = QStringLiteral("2026");
    addWork(year, "1/3/2026", "50,00", "BIANCHI");
    addWork(year, "02/03/2026", "20,00");
    openYear(year);
    EXPECT_TRUE(w->panContainer->isVisible());
    EXPECT_EQ(values()[2], 20.0);
    const auto messages = fake->takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(messages[0].text.contains("scheda n. 1 (data 1/3/2026, lavoratore BIANCHI MARIO)"));
}

TEST_F(StatisticsTest, ThePieChoiceLastsTheWholeRun) {
    openYear(QStringLiteral("2026"));
    click(w->btnTorta);
    EXPECT_EQ(w->ChartStats->model().kind, chart::Kind::Pie);
    EXPECT_EQ(w->ChartStats->model().points.size(), 12u);

    click(w->btnEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
    open();
    EXPECT_TRUE(w->panAvvio->isVisible());
    EXPECT_FALSE(w->panContainer->isVisible());
    EXPECT_TRUE(w->ChartStats->model().points.empty());
    click(w->btnApri);
    EXPECT_EQ(w->ChartStats->model().kind, chart::Kind::Pie);
    click(w->btnBarre);
    EXPECT_EQ(w->ChartStats->model().kind, chart::Kind::Bars);
    EXPECT_EQ(w->ChartStats->model().points.size(), 12u);

    // The picture on the year panel closes the window too.
    w->close();
    open();
    click(w->imgEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(StatisticsTest, PrintingAsksThenPrintsOneLandscapeChartPerCopy) {
    addWork(QStringLiteral("2026"), "05/01/2026", "10,00");
    openYear(QStringLiteral("2026"));
    click(w->btnTorta);
    struct Case {
        bool answer;
        std::optional<QString> copies;
        bool confirm;
        std::size_t printed;
    };
    const std::vector<Case> cases = {
        {false, QStringLiteral("2"), true, 0}, // No stops before the copies box
        {true, std::nullopt, true, 0},         // copies box cancelled
        {true, QStringLiteral("2"), false, 0}, // printer dialog cancelled
        {true, QStringLiteral("2"), true, 2},
        {true, QStringLiteral("1"), true, 1},
        {true, QStringLiteral("2x"), true, 1},
        {true, QStringLiteral(""), true, 1},
        {true, QStringLiteral("   "), true, 1},
        {true, QStringLiteral(" 2"), true, 1}, // a blank is not a digit
        {true, QStringLiteral("0"), true, 1},
        {true, QStringLiteral("99999999999"), true, 1}, // too large for a count
    };
    for (const Case& c : cases) {
        const std::string name = c.copies ? c.copies->toStdString() : "(cancelled)";
        chart::Capture capture;
        fake->answers = {c.answer};
        fake->inputs = {c.copies};
        fake->acceptPrinter = c.confirm;
        click(w->btnStampa);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Question, kPrintQuestion}}))
            << name;
        EXPECT_EQ(fake->inputs.empty(), c.answer) << name;
        ASSERT_EQ(capture.printed.size(), c.printed) << name;
        for (const chart::PrintedChart& p : capture.printed) {
            EXPECT_EQ(p.orientation, QPageLayout::Landscape);
            EXPECT_EQ(p.model, w->ChartStats->model());
            EXPECT_EQ(p.model.kind, chart::Kind::Pie);
        }
    }
}

TEST_F(StatisticsTest, PrintingToAFileWritesTheChart) {
    openYear(QStringLiteral("2026"));
    fake->printFile = folder.filePath(QStringLiteral("grafico.pdf"));
    fake->inputs = {QStringLiteral("2")};
    click(w->btnStampa);
    ASSERT_TRUE(QFile::exists(fake->printFile));
    EXPECT_GT(QFile(fake->printFile).size(), 2000);
}

TEST_F(StatisticsTest, StatusLineDescribesTheCommands) {
    openYear(QStringLiteral("2026"));
    auto over = [&](QWidget* target) {
        QTest::mouseMove(target, target->rect().center());
        QApplication::processEvents();
        return w->panInfo->text();
    };
    EXPECT_EQ(
        over(w->btnBarre),
        "Visualizza le statistiche dei compensi mensili sotto forma di grafico a barre tridimensionali.");
    EXPECT_EQ(over(w->ChartStats), "");
    EXPECT_EQ(
        over(w->btnTorta),
        "Visualizza le statistiche dei compensi mensili sotto forma di grafico a torta tridimensionale.");
    EXPECT_EQ(over(w->panContainer), "");
    EXPECT_EQ(over(w->btnStampa), "Stampa il grafico corrente.");
    EXPECT_EQ(over(w->cmdGuida), "Visualizza la pagina della guida sensibile al contesto.");
    EXPECT_EQ(over(w->btnEsci), "Esci da questo ambiente di lavoro.");
    EXPECT_EQ(w->lblRigo04->text(),
              "Il presente grafico statistico mostra le retribuzioni complessive percepite "
              "dai lavoratori in ciascun mese dell'anno.");
    EXPECT_EQ(w->lblRigo05->text(), "Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                                    "desiderato e per mandarlo in stampa.");
    EXPECT_EQ(w->btnTorta->text(), "Visualizza grafico a torta");
    EXPECT_EQ(w->btnBarre->text(), "Visualizza grafico a barre");
    EXPECT_EQ(w->btnStampa->text(), "Stampa grafico");
    EXPECT_EQ(w->btnEsci->text(), "Esci");
}
