#include <gtest/gtest.h>

#include "support/printers.h"
#include "support/records.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/reports/summary.h"
#include "core/work/worklines.h"

using namespace orvelia;
using namespace orvelia::summary;
using orvelia::test::workRecord;
using F = TSchedaLavoro;

namespace {

const QString kValidDate =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");

QString lineOf(const Record& r) {
    QByteArray bytes(F::kSize, '\0');
    r.encode(bytes.data());
    return orvelia::work::workLine(RecordView(F::layout, bytes.constData()));
}

class SummaryBuild : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file() const { return workArchivePath(dir.path(), QStringLiteral("2026")); }
    void add(const Record& r) { ASSERT_TRUE(archive::append(file(), r).ok()); }
    Result run(const QString& start, const QString& end, const QString& filter = QString()) {
        return build({file(), start, end, filter}, 2026);
    }
    QTemporaryDir dir;
};

} // namespace

TEST(SummaryCriteria, ChecksRunInOrderWithTheirTextsKindsAndFocus) {
    struct Case {
        const char* what;
        Criteria criteria;
        std::optional<CriteriaRefusal> refusal;
        QString start, end;
    };
    const Case cases[] = {
        {"three-digit year, labels already follow it",
         {"202", "01", "Marzo", "202", "31", "Marzo", "202"},
         CriteriaRefusal{"Attenzione: indicare l'anno solare utilizzando quattro cifre.", true,
                         CriteriaFocus::Anno},
         "",
         ""},
        {"no start day",
         {"2026", "", "Marzo", "2026", "31", "Marzo", "2026"},
         CriteriaRefusal{"Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
                         "cascata.",
                         true, CriteriaFocus::GiornoInizio},
         "",
         ""},
        {"no start month",
         {"2026", "01", " ", "2026", "31", "Marzo", "2026"},
         CriteriaRefusal{"Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a "
                         "cascata.",
                         true, CriteriaFocus::MeseInizio},
         "",
         ""},
        {"no end day",
         {"2026", "01", "Marzo", "2026", "", "Marzo", "2026"},
         CriteriaRefusal{"Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a "
                         "cascata.",
                         true, CriteriaFocus::GiornoFine},
         "",
         ""},
        {"no end month",
         {"2026", "01", "Marzo", "2026", "31", "", "2026"},
         CriteriaRefusal{"Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a "
                         "cascata.",
                         true, CriteriaFocus::MeseFine},
         "",
         ""},
        {"31 April at the start",
         {"2026", "31", "Aprile", "2026", "30", "Aprile", "2026"},
         CriteriaRefusal{"Attenzione: la data 31/04/2026 di inizio intervallo non esiste." + kValidDate,
                         false, CriteriaFocus::GiornoInizio},
         "31/04/2026",
         ""},
        {"29 February of a common year at the end",
         {"2026", "01", "Febbraio", "2026", "29", "Febbraio", "2026"},
         CriteriaRefusal{"Attenzione: la data 29/02/2026 di fine intervallo non esiste." + kValidDate, false,
                         CriteriaFocus::GiornoFine},
         "01/02/2026",
         "29/02/2026"},
        {"29 February of a leap year",
         {"2024", "29", "Febbraio", "2024", "29", "Febbraio", "2024"},
         {},
         "29/02/2024",
         "29/02/2024"},
        {"29 February of 1900, not a leap year",
         {"1900", "29", "febbraio", "1900", "01", "Marzo", "1900"},
         CriteriaRefusal{"Attenzione: la data 29/02/1900 di inizio intervallo non esiste." + kValidDate,
                         false, CriteriaFocus::GiornoInizio},
         "29/02/1900",
         ""},
        {"year 0000 passes the length check, not the date check",
         {"0000", "01", "Gennaio", "0000", "31", "Gennaio", "0000"},
         CriteriaRefusal{"Attenzione: la data 01/01/0000 di inizio intervallo non esiste." + kValidDate,
                         false, CriteriaFocus::GiornoInizio},
         "01/01/0000",
         ""},
        {"end before start",
         {"2026", "15", "Marzo", "2026", "14", "MARZO", "2026"},
         CriteriaRefusal{
             "Attenzione: la data di fine intervallo (14/03/2026) non può essere anteriore a quella "
             "di inizio intervallo (15/03/2026).\n\r\n\rPer poter visualizzare il riepilogo è "
             "necessario indicare un intervallo di tempo valido.",
             false, CriteriaFocus::Stay},
         "15/03/2026",
         "14/03/2026"},
        {"same day",
         {"2026", "05", "Dicembre", "2026", "05", " dicembre ", "2026"},
         {},
         "05/12/2026",
         "05/12/2026"},
    };
    for (const Case& c : cases) {
        const CriteriaCheck check = checkCriteria(c.criteria);
        EXPECT_EQ(check.refusal, c.refusal) << c.what;
        EXPECT_EQ(check.startDate, c.start) << c.what;
        EXPECT_EQ(check.endDate, c.end) << c.what;
    }
}

TEST(SummaryCriteria, MonthNamesGiveTheirNumbers) {
    ASSERT_EQ(monthNames().size(), 12);
    EXPECT_EQ(monthNumber("Gennaio"), "01");
    EXPECT_EQ(monthNumber(" settembre"), "09");
    EXPECT_EQ(monthNumber("DICEMBRE"), "12");
    EXPECT_EQ(monthNumber("Brumaio"), "00");
}

TEST(SummaryTexts, TotalIsFinishedWithTwoToFourDecimals) {
    const std::pair<QString, QString> cases[] = {
        {"", "0,00"},      {"  ", "0,00"},       {"1234", "1234,00"}, {"12,5", "12,50"},
        {"30,3", "30,30"}, {"12,345", "12,345"}, {"0,5", "0,50"},     {"1234,56789", "1234,5679"},
        {",", "0,00"},     {"0", "0,00"},        {"1,00001", "1,00"}, {"0,30000000000000004", "0,30"},
    };
    for (const auto& [running, finished] : cases)
        EXPECT_EQ(finishTotal(running), finished) << running.toStdString();
}

TEST(SummaryTexts, WorkerIntervalAndFilter) {
    EXPECT_EQ(workerLabel(""), "Tutti i lavoratori");
    EXPECT_EQ(workerLabel("  RSSMRA  "), "RSSMRA");
    EXPECT_EQ(intervalText("01/03/2026", "31/03/2026"), "Dal   01/03/2026   al   31/03/2026");
    EXPECT_TRUE(matchesWorker("RSSMRA80A01H501U", "rss"));
    EXPECT_TRUE(matchesWorker("rssmra80a01h501u", "RSS"));
    EXPECT_TRUE(matchesWorker("RSSMRA80A01H501U", "A01H"));
    EXPECT_FALSE(matchesWorker("RSSMRA80A01H501U", "BNC"));
    // The filter is taken untrimmed: a blank in it must be in the codice fiscale too.
    EXPECT_FALSE(matchesWorker("RSSMRA80A01H501U", "RSS "));
}

TEST(SummaryTexts, LineColumnsAreFixedAndTheAmountStartsAt145) {
    const QString line = lineOf(workRecord(QStringLiteral("Potatura siepi"), QStringLiteral("05/03/2026"),
                                           QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("56,25")));
    EXPECT_EQ(line,
              QStringLiteral("Potatura siepi                               Data: 05/03/2026  Rossi Mario  "
                             "                 C.F. RSSMRA80A01H501U  Tel. 3331234567      Tot. € 56,25"));
    EXPECT_EQ(line.indexOf(QStringLiteral("56,25")), 144);

    // Long texts are cut to their columns, the amount still begins at character 145.
    const QString longActivity(60, u'A');
    const QString cut =
        lineOf(workRecord(longActivity, "05/03/2026", "RSSMRA80A01H501U", "1250,50",
                          QStringLiteral("Bartolomeo-Castiglioni"), QStringLiteral("Massimiliano")));
    EXPECT_EQ(cut.left(44), QString(44, u'A'));
    EXPECT_EQ(cut.mid(63, 28), QStringLiteral("Bartolomeo-Castiglioni Massi"));
    EXPECT_EQ(cut.mid(144), QStringLiteral("1250,50"));
}

TEST_F(SummaryBuild, MissingYearFileGivesAnEmptySummaryAndAnEmptyFile) {
    const Result r = run("01/01/2026", "31/12/2026");
    EXPECT_TRUE(r.complete());
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_EQ(r.total, "0,00");
    EXPECT_EQ(r.workerLabel, "Tutti i lavoratori");
    EXPECT_EQ(r.interval, "Dal   01/01/2026   al   31/12/2026");
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(QFile(file()).size(), 0);
}

TEST_F(SummaryBuild, IntervalIncludesBothEndsAndComparesCalendarDays) {
    add(workRecord("A", "28/02/2026", "RSSMRA80A01H501U", "1,00"));
    add(workRecord("B", "01/03/2026", "RSSMRA80A01H501U", "2,00"));
    add(workRecord("C", "05/03/2026", "RSSMRA80A01H501U", "4,00"));
    add(workRecord("D", "31/03/2026", "RSSMRA80A01H501U", "8,00"));
    add(workRecord("E", "01/04/2026", "RSSMRA80A01H501U", "16,00"));
    add(workRecord("F", "15/03/2025", "RSSMRA80A01H501U", "32,00")); // another year in this year's file
    add(workRecord("G", "5/3/2026", "RSSMRA80A01H501U", "64,00"));   // a typed date without zeros

    const Result march = run("01/03/2026", "31/03/2026");
    ASSERT_TRUE(march.complete());
    ASSERT_EQ(march.lines.size(), 4);
    EXPECT_TRUE(march.lines[0].startsWith("B ")); // file order; the list window sorts
    EXPECT_TRUE(march.lines[1].startsWith("C "));
    EXPECT_TRUE(march.lines[2].startsWith("D "));
    EXPECT_TRUE(march.lines[3].startsWith("G "));
    EXPECT_EQ(march.total, "78,00");

    const Result oneDay = run("05/03/2026", "05/03/2026");
    ASSERT_EQ(oneDay.lines.size(), 2);
    EXPECT_EQ(oneDay.total, "68,00");
}

TEST_F(SummaryBuild, WorkerFilterIsASubstringInAnyCase) {
    add(workRecord("A", "02/03/2026", "RSSMRA80A01H501U", "10,00"));
    add(workRecord("B", "03/03/2026", "BNCLRA85B41F205X", "20,00", "Bianchi", "Laura"));
    add(workRecord("C", "04/03/2026", "crsrss70c01l219k", "40,00", "Corsi", "Rossana"));

    const Result rss = run("01/03/2026", "31/03/2026", "rss");
    EXPECT_EQ(rss.lines.size(), 2);
    EXPECT_EQ(rss.total, "50,00");
    EXPECT_EQ(rss.workerLabel, "rss");

    const Result one = run("01/03/2026", "31/03/2026", "BNCLRA85B41F205X");
    ASSERT_EQ(one.lines.size(), 1);
    EXPECT_TRUE(one.lines[0].contains("Bianchi Laura"));
    EXPECT_EQ(one.total, "20,00");

    const Result all = run("01/03/2026", "31/03/2026", "");
    EXPECT_EQ(all.lines.size(), 3);
    EXPECT_EQ(all.workerLabel, "Tutti i lavoratori");
    EXPECT_EQ(all.total, "70,00");

    const Result none = run("01/03/2026", "31/03/2026", "XYZ");
    EXPECT_TRUE(none.lines.isEmpty());
    EXPECT_EQ(none.total, "0,00");
}

TEST_F(SummaryBuild, TotalsLoseTheBinaryResidue) {
    add(workRecord("A", "02/03/2026", "X", "10,10"));
    add(workRecord("A", "03/03/2026", "X", "20,20"));
    EXPECT_EQ(run("01/03/2026", "31/03/2026").total, "30,30");

    add(workRecord("B", "02/04/2026", "X", "0,10"));
    add(workRecord("B", "03/04/2026", "X", "0,10"));
    add(workRecord("B", "04/04/2026", "X", "0,10"));
    EXPECT_EQ(run("01/04/2026", "30/04/2026").total, "0,30");
}

TEST_F(SummaryBuild, UnreadableRecordStopsTheScanAndIsNamed) {
    struct Case {
        const char* what;
        Record bad;
        UnreadableRecord::What kind;
        int listed;    // lines kept: a bad amount's own line is listed before its amount is read
        bool complete; // the scan went to the end
    };
    const Case cases[] = {
        {"amount with a point",
         workRecord("B", "10/03/2026", "BNCLRA85B41F205X", "12.50", "Bianchi", "Laura"),
         UnreadableRecord::What::Amount, 2, false},
        {"empty amount", workRecord("B", "10/03/2026", "BNCLRA85B41F205X", "", "Bianchi", "Laura"),
         UnreadableRecord::What::Amount, 2, false},
        {"date that does not exist",
         workRecord("B", "31/04/2026", "BNCLRA85B41F205X", "5,00", "Bianchi", "Laura"),
         UnreadableRecord::What::Date, 1, false},
        // A bad amount outside the interval is never read.
        {"bad amount out of the interval",
         workRecord("B", "10/05/2026", "BNCLRA85B41F205X", "12.50"),
         {},
         2,
         true},
    };
    for (const Case& c : cases) {
        QFile::remove(file());
        add(workRecord("A", "02/03/2026", "RSSMRA80A01H501U", "10,00"));
        add(c.bad);
        add(workRecord("C", "20/03/2026", "RSSMRA80A01H501U", "30,00"));
        const Result r = run("01/03/2026", "31/03/2026");
        EXPECT_EQ(r.lines.size(), c.listed) << c.what;
        EXPECT_EQ(r.error, ArchiveError::None) << c.what;
        if (c.complete) {
            EXPECT_TRUE(r.complete()) << c.what;
            EXPECT_EQ(r.total, "40,00") << c.what;
            continue;
        }
        ASSERT_TRUE(r.unreadable.has_value()) << c.what;
        EXPECT_EQ(r.unreadable->what, c.kind) << c.what;
        EXPECT_EQ(r.unreadable->number, 2) << c.what;
        EXPECT_EQ(r.unreadable->worker, "Bianchi Laura") << c.what;
        EXPECT_EQ(r.total, "0,00") << c.what;
        EXPECT_TRUE(r.interval.isEmpty()) << c.what;
    }

    // The worker filter comes first: another worker's bad record does not stop the summary.
    QFile::remove(file());
    add(workRecord("A", "02/03/2026", "RSSMRA80A01H501U", "10,00"));
    add(workRecord("B", "10/03/2026", "BNCLRA85B41F205X", "12.50"));
    const Result filtered = run("01/03/2026", "31/03/2026", "RSS");
    EXPECT_TRUE(filtered.complete());
    EXPECT_EQ(filtered.total, "10,00");
}

TEST(SummaryTexts, UnreadableMessageNamesTheRecord) {
    const UnreadableRecord amount{
        UnreadableRecord::What::Amount, 7, "10/03/2026", "Bianchi Laura", "BNCLRA85B41F205X", "12.50"};
    EXPECT_EQ(
        unreadableMessage(amount, "/cartella/2026.lav"),
        "Attenzione: il riepilogo è incompleto.\n\r\n\rNella scheda numero 7 dell'archivio 2026.lav "
        "(data 10/03/2026, lavoratore Bianchi Laura, C.F. BNCLRA85B41F205X) l'importo dovuto \"12.50\" non "
        "è un numero (usare la virgola come separatore decimale).\n\r\n\rLe schede successive non sono "
        "state esaminate e il totale non è stato calcolato. Correggere la scheda dalla registrazione "
        "lavori e ripetere il riepilogo.");
    const UnreadableRecord date{UnreadableRecord::What::Date, 3, "", "", "", "5,00"};
    EXPECT_TRUE(unreadableMessage(date, "2026.lav")
                    .contains("scheda numero 3 dell'archivio 2026.lav (data non indicata, lavoratore non "
                              "indicato) la data \"\" non è una data valida."));
}

TEST_F(SummaryBuild, UnreadableYearFileIsAnError) {
    ASSERT_TRUE(QDir().mkpath(file())); // a folder where the file should be
    const Result r = run("01/03/2026", "31/03/2026");
    EXPECT_NE(r.error, ArchiveError::None);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(r.total, "0,00");
}
