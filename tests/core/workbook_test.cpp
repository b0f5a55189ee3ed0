#include <gtest/gtest.h>

#include "support/printers.h"
#include "support/workbooks.h"

#include <cmath>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core/export/spreadsheet.h"
#include "core/export/workbook.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

constexpr int kYear = 2026;

int columnOf(const char* title) {
    for (std::size_t c = 0; c < kWorkExport.columns.size(); ++c)
        if (QString::fromUtf8(kWorkExport.columns[c].title) == QString::fromUtf8(title))
            return int(c);
    ADD_FAILURE() << "no column " << title;
    return 0;
}

// A row of the work export with the given cells by column title, the others empty.
std::vector<QString> workRow(std::initializer_list<std::pair<const char*, QString>> cells) {
    std::vector<QString> row(kWorkExport.columns.size());
    for (const auto& [title, value] : cells)
        row[std::size_t(columnOf(title))] = value;
    return row;
}

class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

} // namespace

// The sheet, its header and its look: the reader sees what the .xls shows, as a real workbook.
TEST_F(WorkbookTest, OneSheetWithABoldFrozenFilteredHeaderAndTheExportedWidths) {
    if (!canReadWorkbooks())
        GTEST_SKIP() << kNoWorkbookReader;
    WorkbookWriter writer(path("Lavori.xlsx"), kWorkExport.columns, kYear);
    ASSERT_TRUE(writer.begin(QString::fromUtf8(kWorkExport.sheetName)));
    ASSERT_TRUE(writer.addRow(workRow({{"Sede operativa", "Milano"}})));
    ASSERT_TRUE(writer.addRow(workRow({{"Sede operativa", "Roma"}})));
    ASSERT_TRUE(writer.finish());
    EXPECT_FALSE(QFile::exists(path("Lavori.xlsx.parziale")));

    const QJsonObject book = readWorkbook(path("Lavori.xlsx"));
    EXPECT_EQ(book["sheets"].toArray(), QJsonArray{"Registro Lavori"});
    EXPECT_EQ(book["freeze"].toString(), "A2");
    EXPECT_EQ(book["filter"].toString(), "A1:T3");
    EXPECT_TRUE(book["headerBold"].toBool());
    const QJsonArray rows = book["rows"].toArray();
    ASSERT_EQ(rows.size(), 3);
    const QJsonArray header = rows[0].toArray();
    ASSERT_EQ(header.size(), qsizetype(kWorkExport.columns.size()));
    for (std::size_t c = 0; c < kWorkExport.columns.size(); ++c)
        EXPECT_EQ(header[qsizetype(c)].toObject()["value"].toString(),
                  QString::fromUtf8(kWorkExport.columns[c].title));
    // The exported widths in pixels: a workbook stores a width of seven pixels a character.
    const QJsonObject widths = book["widths"].toObject();
    EXPECT_EQ(std::lround(widths["A"].toDouble() * 7), 200);
    EXPECT_EQ(std::lround(widths["H"].toDouble() * 7), 350);
}

// Per column: typed when the program reads the value as its type, otherwise the text exactly as stored.
TEST_F(WorkbookTest, CellsAreTypedOnlyWhereTheValueReadsAsItsType) {
    if (!canReadWorkbooks())
        GTEST_SKIP() << kNoWorkbookReader;
    const QString notes = QString(248, u'x') + QStringLiteral("€ò");
    const std::vector<std::vector<QString>> rows = {
        workRow({{"Data prestazione", "05/03/2025"},
                 {"Totale ore", "7,50"},
                 {"Compenso orario", "12,5"},
                 {"Totale dovuto", "1234,50"},
                 {"Codice fiscale", "RSSMRA80A01H501U"},
                 {"Telefono preferenziale", "0212345678"},
                 {"Codice identificativo", "00123"},
                 {"Lavoro incompleto", "Sì"}}),
        workRow({{"Data prestazione", "31/02/2025"},
                 {"Totale ore", "7:30"},
                 {"Compenso orario", "1.234,50"},
                 {"Totale dovuto", "12,3,4"},
                 {"Note", notes},
                 {"Attività svolta", "Prova & <verifica> \"Città\""}}),
        workRow({{"Sede operativa", "Torino"}}),
    };
    WorkbookWriter writer(path("Lavori.xlsx"), kWorkExport.columns, kYear);
    ASSERT_TRUE(writer.begin(QString::fromUtf8(kWorkExport.sheetName)));
    for (const auto& row : rows)
        ASSERT_TRUE(writer.addRow(row));
    ASSERT_TRUE(writer.finish());

    const QJsonArray read = readWorkbook(path("Lavori.xlsx"))["rows"].toArray();
    ASSERT_EQ(read.size(), 4);
    auto cell = [&](int row, const char* title) { return read[row].toArray()[columnOf(title)].toObject(); };
    struct Expected {
        int row;
        const char* title;
        const char* type; // openpyxl: d date, n number, s text, "" empty
        QJsonValue value;
        const char* format;
    };
    const Expected expected[] = {
        {1, "Data prestazione", "d", "05/03/2025", "dd/mm/yyyy"},
        {1, "Totale ore", "n", 7.5, "#,##0.00"},
        {1, "Compenso orario", "n", 12.5, "#,##0.00 \"€\""},
        {1, "Totale dovuto", "n", 1234.5, "#,##0.00 \"€\""},
        {1, "Codice fiscale", "s", "RSSMRA80A01H501U", "General"},
        {1, "Telefono preferenziale", "s", "0212345678", "General"},
        {1, "Codice identificativo", "s", "00123", "General"},
        {1, "Lavoro incompleto", "s", "Sì", "General"},
        {2, "Data prestazione", "s", "31/02/2025", "General"},
        {2, "Totale ore", "s", "7:30", "General"},
        {2, "Compenso orario", "s", "1.234,50", "General"},
        {2, "Totale dovuto", "s", "12,3,4", "General"},
        {2, "Note", "s", notes, "General"},
        {2, "Attività svolta", "s", "Prova & <verifica> \"Città\"", "General"},
        {3, "Data prestazione", "", QJsonValue::Null, "General"},
        {3, "Totale dovuto", "", QJsonValue::Null, "General"},
    };
    for (const Expected& e : expected) {
        const QJsonObject got = cell(e.row, e.title);
        EXPECT_EQ(got["type"].toString(), QString::fromLatin1(e.type)) << e.row << " " << e.title;
        EXPECT_EQ(got["value"], e.value) << e.row << " " << e.title;
        EXPECT_EQ(got["format"].toString(), QString::fromUtf8(e.format)) << e.row << " " << e.title;
    }
}

// A workbook that cannot be written leaves nothing under either name and is never reported as done.
TEST_F(WorkbookTest, AFailureLeavesNoFileAndIsReported) {
    // A folder where the workbook should go: the rename over it fails at the end.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Lavori.xlsx")));
    WorkbookWriter writer(path("Lavori.xlsx"), kWorkExport.columns, kYear);
    writer.begin(QString::fromUtf8(kWorkExport.sheetName));
    writer.addRow(workRow({{"Sede operativa", "Milano"}}));
    EXPECT_FALSE(writer.finish());
    EXPECT_FALSE(QFile::exists(path("Lavori.xlsx.parziale")));
    EXPECT_TRUE(QFileInfo(path("Lavori.xlsx")).isDir());

    // A folder that does not exist: the library cannot create the file.
    WorkbookWriter nowhere(QDir(dir.path()).filePath(QStringLiteral("manca/Lavori.xlsx")),
                           kWorkExport.columns, kYear);
    nowhere.begin(QString::fromUtf8(kWorkExport.sheetName));
    nowhere.addRow(workRow({{"Sede operativa", "Milano"}}));
    EXPECT_FALSE(nowhere.finish());
    EXPECT_FALSE(QDir(dir.path()).exists(QStringLiteral("manca")));
}
