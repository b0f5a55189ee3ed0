#include <gtest/gtest.h>

#include "support/printers.h"

#include <random>
#include <string_view>

#include <QFile>
#include <QTemporaryDir>

#include "core/archive/cp1252.h"
#include "core/archive/layout.h"
#include "core/archive/numbers.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/reports/monthly.h"

using namespace orvelia;
using namespace std::literals;

namespace {

struct Work {
    const char* date;
    const char* amount;
    const char* surname = "ROSSI";
};

// The text a record shows for stored bytes: decoded and trimmed.
QString textOf(QByteArrayView stored) {
    return trimText(cp1252::decode(stored.data(), int(stored.size())));
}

QByteArrayView viewOf(std::string_view bytes) {
    return QByteArrayView(bytes.data(), qsizetype(bytes.size()));
}

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

TEST(MonthPlacement, StoredBytesArePlacedAsTheirText) {
    struct Case {
        std::string_view date;
        MonthPlace place; // for the year 2025
        int month;
    };
    // clang-format off
    const Case cases[] = {
        {"03/04/2025", MonthPlace::Counted, 4},
        {" 03/04/2025 ", MonthPlace::Counted, 4},
        {"\t03/04/2025\r\n", MonthPlace::Counted, 4},
        {"03/04/2025\x01\x1F", MonthPlace::Counted, 4},
        {"\x00" "03/04/2025"sv, MonthPlace::Counted, 4},
        {"03-04-2025", MonthPlace::Counted, 4},      // positions only
        {"03/04/2025xyz", MonthPlace::Counted, 4},   // what follows the year is not read
        {"03/04/ 2025", MonthPlace::Unreadable, 0},  // the year at 7-10 is " 202"
        {"03/04/202", MonthPlace::Unreadable, 0},
        {"03/04/2024", MonthPlace::OtherYear, 0},
        {"03-04-2024", MonthPlace::Unreadable, 0},   // another year, but not dd/mm/yyyy
        {"1/2/2025", MonthPlace::Unreadable, 0},
        {"31/13/2025", MonthPlace::Unreadable, 0},
        {"31/00/2025", MonthPlace::Unreadable, 0},
        {"31/1 /2025", MonthPlace::Unreadable, 0},
        {"ab/12/2024", MonthPlace::Unreadable, 0},
        {"", MonthPlace::Unreadable, 0},
        {" \t ", MonthPlace::Unreadable, 0},
        {"\x7F" "03/04/2025"sv, MonthPlace::Unreadable, 0}, // DEL is not trimmed
        {"03/04/2025\x7F", MonthPlace::Counted, 4},
        {"03/04/2024\x7F", MonthPlace::Unreadable, 0},
        {"03/04/20\xB2" "5", MonthPlace::Unreadable, 0},    // a superscript two is no digit
        {"03/04/2025\x80", MonthPlace::Counted, 4},
        {"\x80" "3/04/2025", MonthPlace::Counted, 4},       // the day is not read
        {"\x80" "3/04/2024", MonthPlace::Unreadable, 0},
        {"\xA0" "03/04/2025", MonthPlace::Unreadable, 0},   // a no-break space is not trimmed
        {"03/04/2025\x81", MonthPlace::Counted, 4},
    };
    // clang-format on
    for (const Case& c : cases) {
        const QByteArrayView bytes = viewOf(c.date);
        SCOPED_TRACE(bytes.toByteArray().toHex(' ').toStdString());
        int month = 0;
        EXPECT_EQ(placeInMonth(bytes, QStringLiteral("2025"), &month), c.place);
        EXPECT_EQ(month, c.month);
        int textMonth = 0;
        EXPECT_EQ(placeInMonth(textOf(bytes), QStringLiteral("2025"), &textMonth), c.place);
        EXPECT_EQ(textMonth, c.month);
    }

    // Random dates against years asked in odd ways: the bytes always give the text's answer.
    const QString years[] = {QStringLiteral("2025"),      QStringLiteral(" 2025 "), QString(),
                             QStringLiteral("25"),        QStringLiteral("20 5"),   QStringLiteral("0000"),
                             QStringLiteral("2025\u00B2")};
    const QByteArray alphabet("0123456789//// \t\x01\x7F\x80\x81\xA0-");
    const QByteArray shapes[] = {"03/04/2025", "03/12/2025", "31/01/0000", "01/10/20 5", "9/9/2025"};
    std::mt19937 random(2025);
    for (int i = 0; i < 20000; ++i) {
        // A well-formed date with a few bytes changed, or bytes at random.
        QByteArray date = shapes[random() % std::size(shapes)];
        if (i % 3 == 0)
            date.resize(qsizetype(random() % 13));
        for (int k = int(random() % 4); k > 0; --k) {
            const char b = alphabet[qsizetype(random() % std::size_t(alphabet.size()))];
            if (!date.isEmpty() && random() % 2)
                date[qsizetype(random() % std::size_t(date.size()))] = b;
            else
                date.insert(qsizetype(random() % std::size_t(date.size() + 1)), b);
        }
        const QString& year = years[random() % std::size(years)];
        SCOPED_TRACE(date.toHex(' ').toStdString() + " / " + year.toStdString());
        int month = -1;
        int textMonth = -1;
        ASSERT_EQ(placeInMonth(QByteArrayView(date), year, &month),
                  placeInMonth(textOf(date), year, &textMonth));
        ASSERT_EQ(month, textMonth);
    }
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

TEST_F(MonthlyTotalsTest, StoredBytesAddUpAsTheTextsOfTheRecords) {
    // Records written byte by byte: odd dates and amounts, blanks and control bytes around them,
    // bytes above 0x7F, length bytes past the capacity.
    struct Stored {
        std::string_view date;
        std::string_view amount;
    };
    // clang-format off
    const Stored stored[] = {
        {"03/04/2025", "12,50"}, {" 3/04/2025", " 1e3"}, {"03-04-2025", ","}, {"1/2/2025", "abc"},
        {"31/13/2025", "1"}, {"", "2"}, {"05/05/2025", "-0,5"}, {"05/05/2025", "\t7,25\r\n"},
        {"06/06/2024", "1.000,00"}, {"\x7F" "6/06/2025", "3"}, {"\x80" "7/07/2025", "0,1"},
        {"07/07/2025", "0,2\x01"}, {"08/08/2025", "\x00 4"sv}, {"09/09/2025", "0,3"},
        {"09/09/2025", "+,5E-2"}, {"10/10/2025", "5\x1F"},
    };
    // clang-format on
    const QString path = workArchivePath(folder.path(), QStringLiteral("2025"));
    std::vector<char> bytes;
    auto store = [&](std::vector<char>& record, int field, std::string_view value, int length) {
        const FieldSpec& f = TSchedaLavoro::layout.fields[std::size_t(field)];
        record[std::size_t(f.offset)] = char(length);
        std::copy_n(value.data(), std::min<std::size_t>(value.size(), std::size_t(f.capacity)),
                    record.begin() + f.offset + 1);
    };
    for (const Stored& s : stored) {
        std::vector<char> record(std::size_t(TSchedaLavoro::kSize), '\0');
        store(record, TSchedaLavoro::Cognome, "ROSSI", 5);
        store(record, TSchedaLavoro::Data, s.date, int(s.date.size()));
        store(record, TSchedaLavoro::TotDovuto, s.amount, int(s.amount.size()));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    // A date whose length byte says more than the field holds, then an amount that stops the scan.
    std::vector<char> record(std::size_t(TSchedaLavoro::kSize), '\0');
    store(record, TSchedaLavoro::Data, "11/11/2025", 200);
    store(record, TSchedaLavoro::TotDovuto, "1,5", 255);
    bytes.insert(bytes.end(), record.begin(), record.end());
    store(record, TSchedaLavoro::TotDovuto, "\x80 12", 4);
    bytes.insert(bytes.end(), record.begin(), record.end());
    store(record, TSchedaLavoro::TotDovuto, "99", 2);
    bytes.insert(bytes.end(), record.begin(), record.end());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
    }

    // What the texts of the records give, record by record.
    MonthlyTotals expected;
    ASSERT_EQ(archive::scan(path, TSchedaLavoro::layout,
                            [&](qint64 number, const RecordView& r) {
                                const SkippedWorkRecord named{
                                    number, r[TSchedaLavoro::Data],
                                    trimText(r[TSchedaLavoro::Cognome] + u' ' + r[TSchedaLavoro::Nome])};
                                int month = 0;
                                const MonthPlace place =
                                    placeInMonth(r[TSchedaLavoro::Data], QStringLiteral("2025"), &month);
                                if (place == MonthPlace::Unreadable)
                                    expected.unreadableDates.push_back(named);
                                if (place != MonthPlace::Counted)
                                    return true;
                                const auto amount = parseDecimal(r[TSchedaLavoro::TotDovuto]);
                                if (!amount) {
                                    expected.unreadableAmount = named;
                                    return false;
                                }
                                expected.sums[std::size_t(month - 1)] += *amount;
                                return true;
                            }),
              ArchiveError::None);

    const MonthlyTotals totals = scanMonthlyTotals(path, QStringLiteral("2025"));
    EXPECT_EQ(totals.error, ArchiveError::None);
    EXPECT_EQ(totals.sums, expected.sums);
    EXPECT_EQ(totals.unreadableDates, expected.unreadableDates);
    EXPECT_EQ(totals.unreadableAmount, expected.unreadableAmount);
    // The file holds both kinds of record, and the scan stopped at the amount with a byte above 0x7F.
    EXPECT_EQ(totals.unreadableDates.size(), 4u);
    ASSERT_TRUE(totals.unreadableAmount);
    EXPECT_EQ(totals.unreadableAmount->number, qint64(std::size(stored)) + 2);
    EXPECT_DOUBLE_EQ(totals.sums[3], 12.5);
    EXPECT_DOUBLE_EQ(totals.sums[10], 1.5);
}
