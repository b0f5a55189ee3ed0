#include <gtest/gtest.h>

#include "support/printers.h"

#include "core/export/cells.h"
#include "core/export/spreadsheet.h"

using namespace orvelia;
using namespace orvelia::spreadsheet;

namespace {

constexpr int kYear = 2026;

TypedCell text(const QString& t) {
    TypedCell c;
    c.text = t;
    return c;
}
TypedCell day(int y, int m, int d) {
    TypedCell c;
    c.type = CellType::Date;
    c.date = QDate(y, m, d);
    return c;
}
TypedCell number(CellType type, double value) {
    TypedCell c;
    c.type = type;
    c.number = value;
    return c;
}

struct Case {
    CellType type;
    const char* input; // UTF-8
    TypedCell expected;
};

} // namespace

// What a workbook cell becomes: the typed value when the program reads it so, else the text as it was given.
TEST(TypedCells, AValueBecomesItsTypeOnlyWhenTheProgramReadsItSo) {
    const Case cases[] = {
        // dates: the program's date check, two-digit and missing years against the current year
        {CellType::Date, "05/03/2026", day(2026, 3, 5)},
        {CellType::Date, " 5 / 3 / 26 ", day(2026, 3, 5)},
        {CellType::Date, "29/02/2024", day(2024, 2, 29)},
        {CellType::Date, "12/05", day(kYear, 5, 12)},
        {CellType::Date, "29/02/2025", text("29/02/2025")},
        {CellType::Date, "31/04/2026", text("31/04/2026")},
        {CellType::Date, "2026-03-05", text("2026-03-05")},
        {CellType::Date, "", text("")},
        // amounts and hours: ',' as the separator and nothing else
        {CellType::Money, "1234,50", number(CellType::Money, 1234.5)},
        {CellType::Money, " -12,3 ", number(CellType::Money, -12.3)},
        {CellType::Money, "1.234,50", text("1.234,50")},
        {CellType::Money, "12,3,4", text("12,3,4")},
        {CellType::Money, "12.50", text("12.50")},
        {CellType::Money, "€ 12,50", text("€ 12,50")},
        {CellType::Money, ",", text(",")},
        {CellType::Money, "", text("")},
        {CellType::Money, "1E999", text("1E999")},
        {CellType::Hours, "7,50", number(CellType::Hours, 7.5)},
        {CellType::Hours, "8", number(CellType::Hours, 8)},
        {CellType::Hours, "7:30", text("7:30")},
        // text columns keep leading zeros, signs and everything else
        {CellType::Text, "00123", text("00123")},
        {CellType::Text, "12,50", text("12,50")},
        {CellType::Text, "05/03/2026", text("05/03/2026")},
        {CellType::Text, "Sì", text("Sì")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typedCell(c.type, QString::fromUtf8(c.input), kYear), c.expected) << c.input;
}

// Dates, amounts and hours are typed; codice fiscale, partita IVA, telephones, IBAN, CAP and every other
// column stay text, so their leading zeros and their exact form are kept.
TEST(TypedCells, OnlyTheDateAmountAndHourColumnsAreTyped) {
    auto typedTitles = [](const ExportTable& table) {
        QStringList typed;
        for (const ExportColumn& c : table.columns)
            if (c.type != CellType::Text)
                typed << QString::fromUtf8(c.title);
        return typed;
    };
    EXPECT_EQ(typedTitles(kEmployeeExport),
              (QStringList{"Data di nascita", "Data rilascio", "Data scadenza"}));
    EXPECT_EQ(typedTitles(kWorkExport),
              (QStringList{"Data prestazione", "Totale ore", "Compenso orario", "Totale dovuto"}));
}
