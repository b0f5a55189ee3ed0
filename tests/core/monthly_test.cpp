#include <gtest/gtest.h>

#include "support/printers.h"

#include <QFile>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/reports/monthly.h"

using namespace orvelia;

namespace {

struct Work {
    const char* date;
    const char* amount;
    const char* surname = "ROSSI";
};

class MonthlyTotalsTest : public ::testing::Test {
protected:
    QString yearFile(const QString& year, const std::vector<Work>& works) {
        const QString path = workArchivePath(folder.path(), year);
        for (const Work& w : works) {
            Record r(TSchedaLavoro::layout);
            r[TSchedaLavoro::Cognome] = QString::fromUtf8(w.surname);
            r[TSchedaLavoro::Nome] = QStringLiteral("MARIO");
            r[TSchedaLavoro::Data] = QString::fromUtf8(w.date);
            r[TSchedaLavoro::TotDovuto] = QString::fromUtf8(w.amount);
            EXPECT_TRUE(archive::append(path, r).ok());
        }
        return path;
    }
    QTemporaryDir folder;
};

} // namespace

TEST(MonthPlacement, MonthAndYearAreReadFromTheirPositions) {
    struct Case {
        const char* date;
        MonthPlace place;
        int month;
    };
    const std::vector<Case> cases = {
        {"15/01/2026", MonthPlace::Counted, 1},    {"31/12/2026", MonthPlace::Counted, 12},
        {"  02/03/2026 ", MonthPlace::Counted, 3}, // trimmed first
        {"31/02/2026", MonthPlace::Counted, 2},    // positions only: the day is not checked
        {"15/01/2025", MonthPlace::OtherYear, 0},  {"15/01/0000", MonthPlace::OtherYear, 0},
        {"1/3/2026", MonthPlace::Unreadable, 0},   {"15/13/2026", MonthPlace::Unreadable, 0},
        {"15/00/2026", MonthPlace::Unreadable, 0}, {"15/1 /2026", MonthPlace::Unreadable, 0},
        {"15/01/26", MonthPlace::Unreadable, 0},   {"", MonthPlace::Unreadable, 0},
    };
    for (const Case& c : cases) {
        int month = 0;
        EXPECT_EQ(placeInMonth(QString::fromUtf8(c.date), QStringLiteral("2026"), &month), c.place) << c.date;
        EXPECT_EQ(month, c.month) << c.date;
    }
    int month = 0;
    EXPECT_EQ(placeInMonth(QStringLiteral("07/07/0000"), QStringLiteral("0000"), &month),
              MonthPlace::Counted);
    EXPECT_EQ(month, 7);
}

TEST(MonthlyRounding, WholeEurosHalfUp) {
    struct Case {
        double sum;
        double euros;
    };
    const std::vector<Case> cases = {
        {1234.49, 1234},
        {1234.5, 1235},
        {10.40 + 10.20, 21},
        {10.49, 10},
        {0, 0},
        {0.5, 1},
        // 2,4999999999999996 is written 2,5, and the written sum is what gets rounded
        {2.4999999999999996, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundToEuro(c.sum), c.euros) << c.sum;
}

TEST_F(MonthlyTotalsTest, SumsEachMonthOfTheYear) {
    const QString path = yearFile(QStringLiteral("2026"), {
                                                              {"05/01/2026", "10,40"},
                                                              {"20/01/2026", "10,20"},
                                                              {"01/03/2026", "1234,49"},
                                                              {"15/06/2026", "0,00"},
                                                              {"31/12/2026", "99,5"},
                                                              {"10/02/2025", "500,00"}, // another year
                                                          });
    // a 2026 record kept in another year's file does not count for 2026
    yearFile(QStringLiteral("2025"), {{"10/02/2026", "700,00"}});

    const MonthlyTotals totals = scanMonthlyTotals(path, QStringLiteral("2026"));
    EXPECT_TRUE(totals.complete());
    EXPECT_TRUE(totals.unreadableDates.empty());
    EXPECT_DOUBLE_EQ(totals.sums[0], 20.60);
    EXPECT_EQ(totals.sums[1], 0.0);
    EXPECT_DOUBLE_EQ(totals.sums[2], 1234.49);
    EXPECT_EQ(totals.sums[5], 0.0);
    EXPECT_DOUBLE_EQ(totals.sums[11], 99.5);
    const std::array<double, 12> euros = {21, 0, 1234, 0, 0, 0, 0, 0, 0, 0, 0, 100};
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(roundToEuro(totals.sums[i]), euros[i]) << kMonthNames[i].toStdString();
}

TEST_F(MonthlyTotalsTest, AYearWithoutAFileIsAllZerosAndLeavesAnEmptyFile) {
    const QString path = workArchivePath(folder.path(), QStringLiteral("2031"));
    const MonthlyTotals totals = scanMonthlyTotals(path, QStringLiteral("2031"));
    EXPECT_TRUE(totals.complete());
    EXPECT_EQ(totals.sums, (std::array<double, 12>{}));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
}

TEST_F(MonthlyTotalsTest, UnreadableDatesAreListedAndTheRestCounted) {
    const QString path = yearFile(QStringLiteral("2026"), {
                                                              {"1/3/2026", "50,00", "BIANCHI"},
                                                              {"02/03/2026", "20,00"},
                                                              {"15/13/2026", "abc", "VERDI"},
                                                          });
    const MonthlyTotals totals = scanMonthlyTotals(path, QStringLiteral("2026"));
    EXPECT_TRUE(totals.complete()); // an unplaceable record's amount is never read
    EXPECT_DOUBLE_EQ(totals.sums[2], 20.0);
    EXPECT_EQ(totals.unreadableDates, (std::vector<SkippedWorkRecord>{
                                          {1, QStringLiteral("1/3/2026"), QStringLiteral("BIANCHI MARIO")},
                                          {3, QStringLiteral("15/13/2026"), QStringLiteral("VERDI MARIO")}}));
    EXPECT_EQ(unreadableDatesMessage(totals.unreadableDates),
              QStringLiteral("Attenzione: le schede seguenti non sono state conteggiate perché la data della "
                             "prestazione non è nella forma gg/mm/aaaa:\n\r\n\r"
                             "scheda n. 1 (data 1/3/2026, lavoratore BIANCHI MARIO)\n\r"
                             "scheda n. 3 (data 15/13/2026, lavoratore VERDI MARIO)\n\r\n\r"
                             "Correggere la data nel registro dei lavori per includerle nelle statistiche."));

    std::vector<SkippedWorkRecord> many;
    for (int i = 1; i <= 13; ++i)
        many.push_back({i, QStringLiteral("x"), QStringLiteral("W")});
    const QString longMessage = unreadableDatesMessage(many);
    EXPECT_TRUE(longMessage.contains(QStringLiteral("scheda n. 10 (")));
    EXPECT_FALSE(longMessage.contains(QStringLiteral("scheda n. 11 (")));
    EXPECT_TRUE(longMessage.contains(QStringLiteral("... e altre 3 schede.")));
}

TEST_F(MonthlyTotalsTest, AnUnreadableAmountStopsTheScanAndNamesTheRecord) {
    for (const char* amount : {"12.50", "12,3,4", "", "dieci"}) {
        QTemporaryDir dir;
        folder.swap(dir);
        const QString path = yearFile(QStringLiteral("2026"), {
                                                                  {"05/01/2026", "10,00"},
                                                                  {"06/01/2026", amount, "NERI"},
                                                                  {"07/01/2026", "30,00"},
                                                              });
        const MonthlyTotals totals = scanMonthlyTotals(path, QStringLiteral("2026"));
        EXPECT_FALSE(totals.complete()) << amount;
        ASSERT_TRUE(totals.unreadableAmount) << amount;
        EXPECT_EQ(*totals.unreadableAmount,
                  (SkippedWorkRecord{2, QStringLiteral("06/01/2026"), QStringLiteral("NERI MARIO")}));
        EXPECT_DOUBLE_EQ(totals.sums[0], 10.0) << amount; // nothing after the faulty record
    }
    EXPECT_EQ(
        unreadableAmountMessage({2, QStringLiteral("06/01/2026"), QStringLiteral("NERI MARIO")}),
        QStringLiteral("Attenzione: l'importo dovuto della scheda n. 2 (data 06/01/2026, lavoratore NERI "
                       "MARIO) non è un numero leggibile.\n\r\n\rIl calcolo delle statistiche è stato "
                       "interrotto: correggere l'importo nel registro dei lavori e ripetere l'operazione."));
}

TEST_F(MonthlyTotalsTest, AFileThatCannotBeOpenedIsAnError) {
    const QString path = folder.filePath(QStringLiteral("missing/2026.lav"));
    EXPECT_EQ(scanMonthlyTotals(path, QStringLiteral("2026")).error, ArchiveError::Open);
}
