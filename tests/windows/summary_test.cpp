#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/reports/summary.h"
#include "framework/listview.h"
#include "framework/report.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "support/records.h"
#include "windows/app/tfrmavvio.h"
#include "windows/help/tfrmguida.h"
#include "windows/registry/tfrmtrovaistruttori.h"
#include "windows/reports/tfrmmenupagamenti.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"
#include "windows/reports/statementprint.h"
#include "windows/reports/tfrmrieppagamenti.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QString kValidDate =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
const QString kPrintEmpty =
    QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente riepilogo?");

class SummaryWindows : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        reports = app->window<TfrmMenuPagamenti>();
        criteria = app->window<TfrmMenuRiepilogoPagamenti>();
        ASSERT_TRUE(reports && criteria);
    }
    void openCriteria() {
        click(openReportsMenu()->btnRiepiloghi);
        arriveAt(criteria);
    }
    void add(const Record& r, const QString& year = QStringLiteral("2026")) {
        ASSERT_TRUE(archive::append(workArchivePath(folder.path(), year), r).ok());
    }
    void interval(const char* startDay, const char* startMonth, const char* endDay, const char* endMonth) {
        auto choose = [](QComboBox* box, const char* value) {
            box->setCurrentIndex(box->findText(QString::fromLatin1(value))); // -1 (nothing) for ""
        };
        choose(criteria->txtGiornoInizio, startDay);
        choose(criteria->txtMeseInizio, startMonth);
        choose(criteria->txtGiornoFine, endDay);
        choose(criteria->txtMeseFine, endMonth);
    }
    void year(const QString& text) {
        criteria->txtAnno->setFocus();
        criteria->txtAnno->clear();
        typeText(criteria->txtAnno, text);
    }
    /// Presses "Visualizza riepilogo" and runs @p inside while the list window is shown.
    void showSummary(const std::function<void(TfrmRiepPagamenti*)>& inside) {
        withWindow<TfrmRiepPagamenti>(criteria->btnVisualizza, [&](TfrmRiepPagamenti* list) {
            inside(list);
            if (list->isVisible())
                click(list->btnEsci);
        });
        EXPECT_FALSE(criteria->lblAttendere->isVisible());
    }
    TfrmMenuPagamenti* reports = nullptr;
    TfrmMenuRiepilogoPagamenti* criteria = nullptr;
};

} // namespace

TEST_F(SummaryWindows, ReportsMenuGoesWhereItsTagSays) {
    openReportsMenu();
    EXPECT_EQ(reports->windowTitle(), " Orvelia - Riepilogo compensi");
    EXPECT_TRUE(reports->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(reports->lblMemory->text(), "avvio");
    EXPECT_EQ(reports->btnRiepiloghi->text(), "Apri");
    EXPECT_EQ(reports->lblInformazioni->text(),
              "Questo ambiente consente di visualizzare riepiloghi dei compensi per intervalli di tempo e "
              "grafici statistici tridimensionali delle rimunerazioni mensili.");

    fake->modalHandlers.push_back([](QDialog* d) {
        EXPECT_NE(qobject_cast<TfrmGuida*>(d), nullptr);
        d->reject();
    });
    click(reports->imgGuida);
    EXPECT_TRUE(fake->modalHandlers.empty());
    EXPECT_EQ(reports->lblMemory->text(), "avvio");

    click(reports->imgEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});

    openReportsMenu();
    click(reports->icoLibri);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmMenuRiepilogoPagamenti"});
    // Leaving the criteria goes to the main menu, not back to the reports menu.
    click(criteria->btnEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});

    // The tag chosen before is forgotten: the menu shows "avvio" again and its close box leads back.
    openReportsMenu();
    EXPECT_EQ(reports->lblMemory->text(), "avvio");
    reports->close();
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});

    for (QWidget* statistics :
         {static_cast<QWidget*>(reports->btnStatistiche), static_cast<QWidget*>(reports->icoDVD)}) {
        openReportsMenu();
        click(statistics);
        EXPECT_EQ(reports->lblMemory->text(), "statistiche");
        const QString expected =
            app->window("TfrmStatistiche") ? QStringLiteral("TfrmStatistiche") : QStringLiteral("TfrmAvvio");
        EXPECT_EQ(visibleWindows(), QStringList{expected});
        if (QWidget* shown = app->window(expected); expected != "TfrmAvvio")
            shown->close(); // the statistics lead back to the main menu
        EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
    }
}

TEST_F(SummaryWindows, CriteriaWindowStartsAfreshAndGuardsItsKeys) {
    openCriteria();
    EXPECT_EQ(criteria->windowTitle(), " Orvelia - Riepilogo compensi");
    EXPECT_TRUE(criteria->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(criteria->grpDataInizio->title(), " Data inizio intervallo: ");
    EXPECT_EQ(criteria->grpDataFine->title(), " Data fine intervallo: ");
    EXPECT_EQ(criteria->txtGiornoInizio->count(), 31);
    EXPECT_EQ(criteria->txtGiornoInizio->itemText(0), "01");
    EXPECT_EQ(criteria->txtMeseFine->itemText(11), "Dicembre");
    EXPECT_FALSE(criteria->lblAttendere->isVisible());

    // What the user leaves is reset on the next show.
    year("2024");
    typeText(criteria->txtTipologia, "rss");
    interval("01", "Marzo", "31", "Marzo");
    click(criteria->btnEsci);
    openReportsMenu();
    click(reports->btnRiepiloghi);
    activate(criteria);
    EXPECT_EQ(criteria->txtAnno->text(), "2026");
    EXPECT_EQ(criteria->lblAnnoInizio->text(), "2026");
    EXPECT_EQ(criteria->lblAnnoFine->text(), "2026");
    EXPECT_EQ(criteria->txtTipologia->text(), "");
    for (QComboBox* box : {criteria->txtGiornoInizio, criteria->txtMeseInizio, criteria->txtGiornoFine,
                           criteria->txtMeseFine}) {
        EXPECT_EQ(box->currentIndex(), -1) << box->objectName().toStdString();
        EXPECT_EQ(box->currentText(), "") << box->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), criteria->txtTipologia);

    // Year: digits only, the year labels follow each key release; Enter goes on to the worker.
    criteria->txtAnno->setFocus();
    criteria->txtAnno->clear();
    typeText(criteria->txtAnno, "2a0-2 5");
    EXPECT_EQ(criteria->txtAnno->text(), "2025");
    EXPECT_EQ(criteria->lblAnnoInizio->text(), "2025");
    key(criteria->txtAnno, Qt::Key_Backspace);
    EXPECT_EQ(criteria->lblAnnoFine->text(), "202");
    key(criteria->txtAnno, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), criteria->txtTipologia);

    // Worker: upper case after each key release, at most 16 characters; Enter goes on to the start day.
    typeText(criteria->txtTipologia, "rssmra80a01h501uXYZ");
    EXPECT_EQ(criteria->txtTipologia->text(), "RSSMRA80A01H501U");
    key(criteria->txtTipologia, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), criteria->txtGiornoInizio);

    // The worker picture opens the employee search for this window.
    fake->modalHandlers.push_back([](QDialog* d) {
        EXPECT_NE(qobject_cast<TfrmTrovaIstruttori*>(d), nullptr);
        EXPECT_EQ(callerTag(d), "riep_pagamenti");
        d->reject();
    });
    click(criteria->impCodFisc);
    EXPECT_TRUE(fake->modalHandlers.empty());

    // The drop-down boxes take no keys at all.
    criteria->txtMeseInizio->setCurrentIndex(2);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_G, Qt::Key_Return}) {
        key(criteria->txtGiornoInizio, k);
        key(criteria->txtMeseInizio, k);
    }
    EXPECT_EQ(criteria->txtGiornoInizio->currentIndex(), -1);
    EXPECT_EQ(criteria->txtMeseInizio->currentText(), "Marzo");
}

TEST_F(SummaryWindows, RefusedCriteriaSayWhyAndMoveTheFocus) {
    struct Case {
        const char* what;
        QString year;
        std::array<const char*, 4> dates;
        ShownMessage message;
        const char* focus;
    };
    const Case cases[] = {
        {"three digits",
         "202",
         {"01", "Marzo", "31", "Marzo"},
         {MessageKind::Warning, "Attenzione: indicare l'anno solare utilizzando quattro cifre."},
         "txtAnno"},
        {"no end month",
         "2026",
         {"01", "Marzo", "31", ""},
         {MessageKind::Warning,
          "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."},
         "txtMeseFine"},
        {"31 April",
         "2026",
         {"31", "Aprile", "30", "Aprile"},
         {MessageKind::Plain, "Attenzione: la data 31/04/2026 di inizio intervallo non esiste." + kValidDate},
         "txtGiornoInizio"},
        {"year 0000",
         "0000",
         {"01", "Gennaio", "31", "Gennaio"},
         {MessageKind::Plain, "Attenzione: la data 01/01/0000 di inizio intervallo non esiste." + kValidDate},
         "txtGiornoInizio"},
        {"29 February 2025 at the end",
         "2025",
         {"01", "Febbraio", "29", "Febbraio"},
         {MessageKind::Plain, "Attenzione: la data 29/02/2025 di fine intervallo non esiste." + kValidDate},
         "txtGiornoFine"},
    };
    openCriteria();
    for (const Case& c : cases) {
        year(c.year);
        interval(c.dates[0], c.dates[1], c.dates[2], c.dates[3]);
        click(criteria->btnVisualizza);
        EXPECT_EQ(fake->takeMessages(), std::vector<ShownMessage>{c.message}) << c.what;
        ASSERT_NE(QApplication::focusWidget(), nullptr) << c.what;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus) << c.what;
        EXPECT_FALSE(criteria->lblAttendere->isVisible()) << c.what;
    }
    EXPECT_EQ(criteria->lblDataInizio->text(), "01/02/2025");
    EXPECT_EQ(criteria->lblDataFine->text(), "29/02/2025");

    // An end before the start names both dates; the focus stays where it was and nothing is listed.
    year("2026");
    interval("15", "Marzo", "14", "Marzo");
    criteria->txtTipologia->setFocus();
    criteria->btnVisualizza->click(); // from the keyboard-less path, so the button does not take the focus
    EXPECT_EQ(fake->takeMessages(),
              (std::vector<ShownMessage>{
                  {MessageKind::Plain,
                   "Attenzione: la data di fine intervallo (14/03/2026) non può essere anteriore a quella di "
                   "inizio intervallo (15/03/2026).\n\r\n\rPer poter visualizzare il riepilogo è necessario "
                   "indicare un intervallo di tempo valido."}}));
    EXPECT_EQ(QApplication::focusWidget(), criteria->txtTipologia);

    // 29 February of a leap year opens the summary.
    year("2024");
    interval("29", "Febbraio", "29", "Febbraio");
    showSummary([](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->lblIntervallo->text(), "Dal   29/02/2024   al   29/02/2024");
    });
    EXPECT_TRUE(fake->takeMessages().empty());
    EXPECT_EQ(criteria->lblFile->text(), workArchivePath(folder.path(), "2024"));
}

TEST_F(SummaryWindows, SummaryListsSortedLinesWithWorkerIntervalAndTotal) {
    add(workRecord("Potatura siepi", "15/03/2026", "RSSMRA80A01H501U", "10,10"));
    add(workRecord("Potatura siepi", "02/03/2026", "RSSMRA80A01H501U", "20,20"));
    add(workRecord("irrigazione", "20/03/2026", "crsrss70c01l219k", "5,00", "Corsi", "Rossana"));
    add(workRecord("Lavaggio vetri", "10/03/2026", "BNCLRA85B41F205X", "7,00", "Bianchi", "Laura"));
    add(workRecord("Potatura siepi", "10/03/2025", "RSSMRA80A01H501U", "99,00")); // another year's date
    add(workRecord("Potatura siepi", "01/04/2026", "RSSMRA80A01H501U", "99,00")); // after the interval
    add(workRecord("Potatura siepi", "12/03/2026", "RSSMRA80A01H501U", "99,00"),
        "2025"); // another year's file

    openCriteria();
    interval("01", "Marzo", "31", "Marzo");
    typeText(criteria->txtTipologia, "rss");
    showSummary([&](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->windowTitle(), " Orvelia - Riepilogo compensi");
        EXPECT_TRUE(list->windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(criteria->lblAttendere->isVisible());
        EXPECT_EQ(list->lblTipologia->text(), "Riepilogo compensi - C.F. lavoratore:");
        EXPECT_EQ(list->titTipologia->text(), "RSS");
        EXPECT_EQ(list->infIntervallo->text(), "Intervallo selezionato:");
        EXPECT_EQ(list->lblIntervallo->text(), "Dal   01/03/2026   al   31/03/2026");
        EXPECT_EQ(list->infTotKmPercorsi->text(), "Totale compensi:");
        EXPECT_EQ(list->lblTotCosti->text(), "35,30");
        const QStringList lines = list->lstRecords->lines();
        ASSERT_EQ(lines.size(), 3);
        // the lower-case activity among the capitals; 02/03 before 15/03 within one activity
        EXPECT_TRUE(lines[0].startsWith("irrigazione"));
        EXPECT_TRUE(lines[1].contains("Data: 02/03/2026"));
        EXPECT_TRUE(lines[2].contains("Data: 15/03/2026"));
        EXPECT_EQ(lines[2].mid(144), "10,10");
        EXPECT_EQ(list->focusWidget(), list->txtTrova);
        EXPECT_TRUE(fake->messages.empty());
    });

    // All workers: the label says so and 02/03 sorts before 15/01 by its text.
    add(workRecord("Potatura siepi", "15/01/2026", "RSSMRA80A01H501U", "1,00"));
    criteria->txtTipologia->clear();
    interval("01", "Gennaio", "31", "Dicembre");
    showSummary([&](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->titTipologia->text(), "Tutti i lavoratori");
        const QStringList lines = list->lstRecords->lines();
        ASSERT_EQ(lines.size(), 6);
        EXPECT_TRUE(lines[2].contains("Data: 01/04/2026"));
        EXPECT_TRUE(lines[3].contains("Data: 02/03/2026"));
        EXPECT_TRUE(lines[4].contains("Data: 15/01/2026"));
        EXPECT_EQ(list->lblTotCosti->text(), "142,30");
    });
    // The criteria stay as they were after the list closes.
    EXPECT_EQ(criteria->txtMeseFine->currentText(), "Dicembre");
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmMenuRiepilogoPagamenti"});
}

TEST_F(SummaryWindows, EmptyYearGivesAnEmptySummaryThatCannotBePrinted) {
    openCriteria();
    year("2031");
    interval("01", "Gennaio", "31", "Dicembre");
    report::Capture capture;
    showSummary([&](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->lstRecords->count(), 0);
        EXPECT_EQ(list->lblTotCosti->text(), "0,00");
        click(list->btnStampa);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Warning, kPrintEmpty}}));
        click(list->btnTrova);
        EXPECT_EQ(fake->takeMessages(),
                  (std::vector<ShownMessage>{
                      {MessageKind::Plain, "Ricerca non applicabile: la lista non contiene nessuna voce."}}));
    });
    EXPECT_TRUE(capture.printed.empty());
    EXPECT_TRUE(QFile::exists(workArchivePath(folder.path(), "2031")));
}

TEST_F(SummaryWindows, UnreadableAmountStopsTheSummaryAndSaysSo) {
    add(workRecord("Potatura siepi", "02/03/2026", "RSSMRA80A01H501U", "10,00"));
    add(workRecord("Potatura siepi", "05/03/2026", "BNCLRA85B41F205X", "12.50", "Bianchi", "Laura"));
    add(workRecord("Potatura siepi", "09/03/2026", "RSSMRA80A01H501U", "20,00"));
    openCriteria();
    interval("01", "Marzo", "31", "Marzo");
    showSummary([&](TfrmRiepPagamenti* list) {
        // The record whose amount cannot be read is listed before the scan stops.
        EXPECT_EQ(list->lstRecords->count(), 2);
        EXPECT_TRUE(list->lstRecords->lines().join(u'\n').contains("12.50"));
        EXPECT_EQ(list->lblTotCosti->text(), "0,00");
        EXPECT_EQ(list->lblIntervallo->text(), "Dal gg/mm/aaaa al gg/mm/aaaa");
        const auto messages = fake->takeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, MessageKind::Warning);
        EXPECT_TRUE(messages[0].text.startsWith("Attenzione: il riepilogo è incompleto."));
        EXPECT_TRUE(messages[0].text.contains(
            "scheda numero 2 dell'archivio 2026.lav (data 05/03/2026, lavoratore Bianchi Laura"));
        EXPECT_TRUE(messages[0].text.contains("\"12.50\""));
    });
}

TEST_F(SummaryWindows, PrintAsksThenPrintsTheLinesAndTheClosingLines) {
    // More lines than one landscape page holds.
    for (int day = 1; day <= 28; ++day)
        for (int k = 0; k < 3; ++k)
            add(workRecord(QStringLiteral("Attività %1").arg(k),
                           QStringLiteral("%1/02/2026").arg(day, 2, 10, QChar('0')), "RSSMRA80A01H501U",
                           "0,10"));
    openCriteria();
    interval("01", "Febbraio", "28", "Febbraio");
    typeText(criteria->txtTipologia, "rssmra");
    fake->printFile = folder.filePath(QStringLiteral("riepilogo.pdf"));
    report::Capture capture;
    showSummary([&](TfrmRiepPagamenti* list) {
        ASSERT_EQ(list->lstRecords->count(), 84);
        EXPECT_EQ(list->lblTotCosti->text(), "8,40");

        fake->answers.push_back(false);
        click(list->btnStampa);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Question, kPrintQuestion}}));
        EXPECT_TRUE(capture.printed.empty());

        click(list->btnStampa);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Question, kPrintQuestion}}));
        ASSERT_EQ(capture.printed.size(), 1u);
        const auto& pages = capture.printed[0].pages;
        ASSERT_GE(pages.size(), 2u);
        ASSERT_NE(pages.front().text("txtTitolo"), nullptr);
        EXPECT_EQ(pages.front().text("txtTitolo")->text, "Riepilogo compensi   -   C.F. lavoratore:  RSSMRA");
        for (std::size_t i = 1; i < pages.size(); ++i)
            EXPECT_EQ(pages[i].text("txtTitolo"), nullptr);
        QStringList printed;
        for (const auto& page : pages)
            if (const auto* memo = page.text("txtRiepilogo"))
                printed << memo->lines();
        const QStringList closing{"- - - - - - - - - - - - - - - -",
                                  "INTERVALLO SELEZIONATO:    Dal   01/02/2026   al   28/02/2026",
                                  "TOTALE COMPENSI:           € 8,40"};
        EXPECT_EQ(printed, list->lstRecords->lines() + closing);
        EXPECT_EQ(list->closingLines(), closing);
        // the closing lines and the date of printing come after the last line, on the last page
        ASSERT_NE(pages.back().text("txtRiepilogo"), nullptr);
        EXPECT_TRUE(pages.back().text("txtRiepilogo")->lines().endsWith(closing.back()));
        ASSERT_NE(pages.back().text("txtData"), nullptr);
        EXPECT_EQ(pages.back().text("txtData")->text, "Stampa eseguita in data 09/12/2026");
    });
}

TEST_F(SummaryWindows, QuickFindKeyOutlivesTheListWindow) {
    add(workRecord("Potatura siepi", "02/03/2026", "RSSMRA80A01H501U", "1,00"));
    add(workRecord("Potatura siepi", "03/03/2026", "RSSMRA80A01H501U", "1,00"));
    add(workRecord("Semina prato", "04/03/2026", "RSSMRA80A01H501U", "1,00"));
    openCriteria();
    interval("01", "Marzo", "31", "Marzo");
    auto find = [](TfrmRiepPagamenti* list, const QString& text) {
        list->txtTrova->setFocus();
        list->txtTrova->clear();
        typeText(list->txtTrova, text);
        // Enter in the find box does nothing of its own
        QTest::keyClick(list->txtTrova, Qt::Key_Return);
        EXPECT_TRUE(list->isVisible());
        click(list->btnTrova);
        return list->lstRecords->selectedRow();
    };
    showSummary([&](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->lstRecords->selectedRow(), 0);
        EXPECT_EQ(find(list, "POTATURA"), 0); // a new key: the first line holding it, the first tested first
        EXPECT_EQ(find(list, "potatura"), 1); // the same key: the next one
    });
    // A fresh list window remembers the key: the same key goes on after the selected first line.
    showSummary([&](TfrmRiepPagamenti* list) {
        EXPECT_EQ(list->txtTrova->text(), "");
        EXPECT_EQ(list->lstRecords->selectedRow(), 0);
        EXPECT_EQ(find(list, "potatura"), 1);
    });
}

TEST_F(SummaryWindows, StatementsGiveEachWorkerPagesOfTheirOwnWithTheSummarysTotal) {
    // Rossi: more works than one page holds; Bianchi: two works, not in the registry.
    for (int day = 1; day <= 28; ++day)
        for (int k = 0; k < 3; ++k)
            add(workRecord(QStringLiteral("Attività %1").arg(k),
                           QStringLiteral("%1/02/2026").arg(day, 2, 10, QChar('0')), "RSSMRA80A01H501U",
                           "0,10"));
    add(workRecord(QStringLiteral("Carico merci"), QStringLiteral("03/02/2026"), "BNCNNA85M41F205Z", "37,50",
                   QStringLiteral("Bianchi"), QStringLiteral("Anna")));
    add(workRecord(QStringLiteral("Scarico merci"), QStringLiteral("01/02/2026"), "BNCNNA85M41F205Z", "12,50",
                   QStringLiteral("Bianchi"), QStringLiteral("Anna")));
    Record rossi(TSchedaLavoratore::layout);
    rossi[TSchedaLavoratore::Cognome] = QStringLiteral("Rossi");
    rossi[TSchedaLavoratore::Nome] = QStringLiteral("Mario");
    rossi[TSchedaLavoratore::CodFisc] = QStringLiteral("RSSMRA80A01H501U");
    rossi[TSchedaLavoratore::Iban] = QStringLiteral("IT60X0542811101000000123456");
    ASSERT_TRUE(archive::append(employeeArchivePath(folder.path()), rossi).ok());

    openCriteria();
    interval("01", "Febbraio", "28", "Febbraio");
    report::Capture capture;
    showSummary([&](TfrmRiepPagamenti* list) {
        click(list->btnProspetti);
        EXPECT_TRUE(fake->takeMessages().empty());
        ASSERT_EQ(capture.previewed.size(), 1u);
        const auto& pages = capture.previewed[0].pages;
        // Who each page is for, and what it holds.
        std::vector<std::size_t> titles;
        QStringList workers, rows, totals;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].text(statementprint::kTitleMemo))
                titles.push_back(i);
            if (const auto* w = pages[i].text(statementprint::kWorkerMemo))
                workers << w->lines().front();
            if (const auto* r = pages[i].text(statementprint::kWorksMemo))
                rows << r->lines();
            if (const auto* t = pages[i].text(statementprint::kTotalsMemo))
                totals << t->text;
        }
        ASSERT_GE(pages.size(), 3u);
        ASSERT_EQ(titles.size(), 2u);
        EXPECT_EQ(titles[0], 0u);
        EXPECT_EQ(titles[1], 1u); // Bianchi's statement takes one page
        // Rossi's 84 works run on to a page of their own, without the title or the worker again.
        EXPECT_NE(pages[2].text(statementprint::kWorksMemo), nullptr);
        EXPECT_EQ(pages[2].text(statementprint::kWorkerMemo), nullptr);
        EXPECT_EQ(workers, (QStringList{"Bianchi Anna", "Rossi Mario"}));
        ASSERT_EQ(rows.size(), 86);
        EXPECT_TRUE(rows[0].startsWith("01/02/2026  Scarico merci")); // date order
        EXPECT_TRUE(rows[1].startsWith("03/02/2026  Carico merci"));
        EXPECT_EQ(totals, (QStringList{"Totale ore: 0,00          Totale compensi: € 50,00",
                                       "Totale ore: 0,00          Totale compensi: € 8,40"}));
        // The total of a statement is the summary's total for that worker.
        EXPECT_EQ(summary::build({workArchivePath(folder.path(), QStringLiteral("2026")),
                                  QStringLiteral("01/02/2026"), QStringLiteral("28/02/2026"),
                                  QStringLiteral("RSSMRA80A01H501U")},
                                 2026)
                      .total,
                  "8,40");
        ASSERT_NE(pages[titles[1]].text(statementprint::kWorkerMemo), nullptr);
        EXPECT_TRUE(pages[titles[1]]
                        .text(statementprint::kWorkerMemo)
                        ->lines()
                        .contains("IT60X0542811101000000123456"));
    });
}

TEST_F(SummaryWindows, NoStatementsForAnEmptySummary) {
    openCriteria();
    interval("01", "Febbraio", "28", "Febbraio");
    report::Capture capture;
    showSummary([&](TfrmRiepPagamenti* list) {
        click(list->btnProspetti);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Warning, kPrintEmpty}}));
        EXPECT_TRUE(capture.previewed.empty());
    });
}
