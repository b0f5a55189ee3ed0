#include <gtest/gtest.h>

#include "support/files.h"
#include "support/printers.h"
#include "support/processes.h"

#include <random>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/export/spreadsheet.h"

using namespace orvelia;
using orvelia::test::fileBytes;
using namespace std::literals;

namespace {

using W = TSchedaLavoratore;
using L = TSchedaLavoro;

QByteArray bytesOf(std::string_view bytes) {
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

QByteArray cellText(const QString& value) {
    QByteArray out;
    spreadsheet::appendCellText(out, value);
    return out;
}

// Every field holds its own number, so a value tells which field it came from.
Record numberedRecord(const RecordLayout& layout) {
    Record r(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        r.at(i) = QString::number(i);
    return r;
}

// Writes a whole spreadsheet of @p rows through the writer; false when any step failed.
bool writeAll(const QString& path, const ExportTable& table, const std::vector<std::vector<QString>>& rows) {
    SpreadsheetWriter writer(path, table.columns);
    bool ok = writer.begin(QString::fromUtf8(table.sheetName));
    for (const auto& row : rows)
        ok = writer.addRow(row) && ok;
    return writer.finish() && ok;
}

// Sets the stored bytes of field @p field of the record at @p data: the length byte as given (it may be
// above the capacity, as in a damaged record) and as many bytes of @p bytes as the field holds.
void storeField(char* data, const RecordLayout& layout, int field, int length, const QByteArray& bytes) {
    const FieldSpec& f = layout.fields[std::size_t(field)];
    data[f.offset] = char(length);
    std::fill(data + f.offset + 1, data + f.offset + 1 + f.capacity, '\0');
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), f.capacity), data + f.offset + 1);
}
void storeField(char* data, const RecordLayout& layout, int field, const QByteArray& bytes) {
    storeField(data, layout, field, int(bytes.size()), bytes);
}

// The spreadsheets of @p records (whole records of @p table's layout, one after the other) written
// through the stored bytes and through the texts of the columns: both must be the same bytes.
struct BothWays {
    QByteArray fromBytes;
    QByteArray fromTexts;
};
BothWays writeBothWays(const QString& folder, const ExportTable& table, const std::vector<char>& records) {
    const auto size = std::size_t(table.layout->size);
    const QString bytesPath = QDir(folder).filePath("bytes.xls");
    const QString textsPath = QDir(folder).filePath("texts.xls");
    SpreadsheetWriter bytes(bytesPath, table.columns);
    SpreadsheetWriter texts(textsPath, table.columns);
    const QString sheet = QString::fromUtf8(table.sheetName);
    EXPECT_TRUE(bytes.begin(sheet));
    EXPECT_TRUE(texts.begin(sheet));
    for (std::size_t at = 0; at + size <= records.size(); at += size) {
        const RecordView view(*table.layout, records.data() + at);
        std::vector<QString> cells;
        for (const ExportColumn& column : table.columns)
            cells.push_back(column.value(view));
        EXPECT_TRUE(bytes.addRecord(view));
        EXPECT_TRUE(texts.addRow(cells));
    }
    EXPECT_TRUE(bytes.finish());
    EXPECT_TRUE(texts.finish());
    return {fileBytes(bytesPath), fileBytes(textsPath)};
}

// Where two files first differ, with the bytes around it, for a readable failure.
std::string firstDifference(const QByteArray& a, const QByteArray& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (i == a.size() && i == b.size())
        return "no difference";
    const qsizetype from = std::max<qsizetype>(0, i - 40);
    return "at byte " + std::to_string(i) + ": " + a.mid(from, 80).toHex(' ').toStdString() + " | " +
           b.mid(from, 80).toHex(' ').toStdString();
}

class SpreadsheetTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const char* name = "Anagrafica_Lavoratori.xls") const {
        return QDir(dir.path()).filePath(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(SpreadsheetTest, TheFileIsTheHeadTheHeaderRowTheRowsAndTheTailWithNothingBetween) {
    const ExportColumn columns[] = {{"Nome", 250, W::Nome, -1}, {"Età", 80, W::Cognome, -1}};
    const ExportTable table{"Foglio Uno", "Prova.xls", &W::layout, columns};
    ASSERT_TRUE(writeAll(file("Prova.xls"), table, {{"Anna", " 30 "}, {"", "Zoë"}}));
    const QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Foglio Uno</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
        "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
        "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
        "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>"
        "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Nome</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=80>Et\xE0</td></tr>"
        "<tr><td style=\"text-align: left;\">Anna</td><td style=\"text-align: left;\">30</td></tr>"
        "<tr><td style=\"text-align: left;\"></td><td style=\"text-align: left;\">Zo\xEB</td></tr>"
        "</table></body></html>";
    EXPECT_EQ(fileBytes(file("Prova.xls")), expected);

    // No rows: the head, the header row and the tail.
    ASSERT_TRUE(writeAll(file("Prova.xls"), table, {}));
    const QByteArray empty = fileBytes(file("Prova.xls"));
    EXPECT_EQ(empty.count("<tr>"), 1);
    EXPECT_TRUE(empty.endsWith("width=80>Et\xE0</td></tr></table></body></html>"));
}

TEST_F(SpreadsheetTest, CellTextShowsInTheSpreadsheetExactlyAsTyped) {
    struct Case {
        QString value;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"", ""},
        {"  Rossi Mario  ", "Rossi Mario"},
        {"a < b & c > d", "a &lt; b &amp; c &gt; d"},
        {"&amp;", "&amp;amp;"},
        {"<b>grassetto</b>", "&lt;b&gt;grassetto&lt;/b&gt;"},
        // accented letters and the euro sign: one Windows-1252 byte each
        {"Giorni e orari disponibilità", "Giorni e orari disponibilit\xE0"},
        {"€ 12,50 «così»", "\x80 12,50 \xAB"
                           "cos\xEC\xBB"},
        // control characters: cut at the ends, a blank inside, so the file never breaks a line
        {"\t\r\nriga\r\n", "riga"},
        {"prima\r\nseconda", "prima  seconda"},
        {QStringLiteral("a\u0085b\u0000"), "a b"},
        // what the code page cannot hold is a character reference, not a '?'
        {QStringLiteral("\u65E5 \U0001F600 \u20AC"), "&#26085; &#128512; \x80"},
        {"?", "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        EXPECT_EQ(cellText(c.value), c.bytes);
    }
}

TEST_F(SpreadsheetTest, ColumnsTakeTheirTitlesWidthsAndFields) {
    struct Expected {
        const char* title;
        int width;
        int field;
    };
    // Each title with its field: a value must come from the field the title names.
    const Expected employee[] = {
        {"Cognome e nome", 250, -1},
        {"Codice fiscale", 200, W::CodFisc},
        {"Data di nascita", 200, W::DataNasc},
        {"Comune / Stato estero di nascita", 250, W::ComuneNasc},
        {"Partita IVA", 200, W::Iva},
        {"Indirizzo di residenza", 250, W::Indirizzo},
        {"Comune di residenza", 250, W::ComuneRes},
        {"Telefono preferenziale", 250, W::Recapito},
        {"Tel. casa", 200, W::TelCasa},
        {"Tel. cellulare", 200, W::TelCel},
        {"E-mail", 250, W::Email},
        {"Categoria", 250, W::Categoria},
        {"Qualifica principale", 250, W::Qualifiche},
        {"Giorni e orari disponibilità", 300, W::Familiari},
        {"IBAN", 300, W::Iban},
        {"Intestatario C/C", 250, W::Intestatario},
        {"Modalità di pagamento", 250, W::Pagamento},
        {"Equipaggiamento assegnato", 300, W::Prodotti},
        {"Tipo documento", 250, W::TipoDoc},
        {"Numero documento", 250, W::NumDoc},
        {"Ente rilascio", 250, W::EnteRil},
        {"Data rilascio", 200, W::DataRil},
        {"Data scadenza", 200, W::DataSca},
        {"Mansione", 250, W::Codice},
        {"Note", 300, W::Note},
    };
    const Expected work[] = {
        {"Data prestazione", 200, L::Data},
        {"Sede operativa", 250, L::Luogo},
        {"Cognome e nome lavoratore", 250, -1},
        {"Codice fiscale", 200, L::CodFisc},
        {"Telefono preferenziale", 200, L::Recapito},
        {"Mansione", 250, L::Mansione},
        {"Categoria", 250, L::Categoria},
        {"Attività svolta", 350, L::Attivita},
        {"Ora inizio", 200, L::OraInizio},
        {"Ora fine", 200, L::OraFine},
        {"Totale ore", 200, L::TotOre},
        {"Compenso orario", 200, L::CompensoOra},
        {"Totale dovuto", 200, L::TotDovuto},
        {"Nome progetto", 250, L::NomeProg},
        {"Codice identificativo", 250, L::CodiceProg},
        {"Ambito", 250, L::AmbitoProg},
        {"Postazione di lavoro", 250, L::Postazione},
        {"Materiali e strumenti utilizzati", 350, L::Materiali},
        {"Note", 350, L::Note},
        {"Lavoro incompleto", 180, L::Incompleto},
    };
    struct Table {
        const ExportTable& table;
        std::span<const Expected> expected;
        const char* sheet;
        const char* file;
    };
    const Table tables[] = {
        {kEmployeeExport, employee, "Anagrafica Lavoratori", "Anagrafica_Lavoratori.xls"},
        {kWorkExport, work, "Registro Lavori", "Lavori.xls"},
    };
    for (const Table& t : tables) {
        SCOPED_TRACE(t.sheet);
        EXPECT_STREQ(t.table.sheetName, t.sheet);
        EXPECT_STREQ(t.table.fileName, t.file);
        ASSERT_EQ(t.table.columns.size(), t.expected.size());
        const Record record = numberedRecord(*t.table.layout);
        std::vector<char> bytes(std::size_t(t.table.layout->size));
        record.encode(bytes.data());
        const RecordView view(*t.table.layout, bytes.data());
        for (std::size_t i = 0; i < t.expected.size(); ++i) {
            const ExportColumn& column = t.table.columns[i];
            const Expected& e = t.expected[i];
            SCOPED_TRACE(e.title);
            EXPECT_EQ(QString::fromUtf8(column.title), QString::fromUtf8(e.title));
            EXPECT_EQ(column.width, e.width);
            // Surname and name are fields 0 and 1 of both records.
            EXPECT_EQ(column.value(view), e.field < 0 ? QStringLiteral("0 1") : QString::number(e.field));
        }
    }
}

TEST_F(SpreadsheetTest, FullNameJoinsTheTrimmedSurnameAndName) {
    struct Case {
        const char* surname;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"Rossi", "Mario", "Rossi Mario"},
        {"  De Luca ", " Anna", "De Luca Anna"},
        {"Rossi", "", "Rossi "},
        {"", "", " "},
    };
    for (const Case& c : cases) {
        Record r(W::layout);
        r[W::Cognome] = QString::fromLatin1(c.surname);
        r[W::Nome] = QString::fromLatin1(c.name);
        std::vector<char> bytes(std::size_t(W::kSize));
        r.encode(bytes.data());
        EXPECT_EQ(kEmployeeExport.columns[0].value(RecordView(W::layout, bytes.data())),
                  QString::fromLatin1(c.value));
    }
    // In the file the cell is trimmed once more.
    EXPECT_EQ(cellText(QStringLiteral("Rossi ")), "Rossi");
}

TEST_F(SpreadsheetTest, AnIncompleteWorkIsWrittenAsSiInOneByte) {
    const QString year = workArchivePath(dir.path(), QStringLiteral("2026"));
    Record r(L::layout);
    r[L::Cognome] = QStringLiteral("Bianchi");
    r[L::Incompleto] = QStringLiteral("Sì");
    ASSERT_TRUE(archive::append(year, r).ok());
    std::vector<std::vector<QString>> rows;
    ASSERT_EQ(archive::scan(year, L::layout,
                            [&](qint64, const RecordView& view) {
                                rows.emplace_back();
                                for (const ExportColumn& c : kWorkExport.columns)
                                    rows.back().push_back(c.value(view));
                                return true;
                            }),
              ArchiveError::None);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].back(), QStringLiteral("Sì"));
    ASSERT_TRUE(writeAll(file("Lavori.xls"), kWorkExport, rows));
    EXPECT_TRUE(fileBytes(file("Lavori.xls"))
                    .endsWith("<td style=\"text-align: left;\">S\xEC</td></tr></table></body></html>"));
}

TEST_F(SpreadsheetTest, AFileThatCannotBeCreatedIsAFailure) {
    // A folder stands where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Lavori.xls"));
    SpreadsheetWriter writer(file("Lavori.xls"), kWorkExport.columns);
    EXPECT_FALSE(writer.begin(QStringLiteral("Registro Lavori")));
    EXPECT_FALSE(writer.addRow(std::vector<QString>(20, QStringLiteral("x"))));
    EXPECT_FALSE(writer.finish());

    // So does a missing folder.
    SpreadsheetWriter nowhere(QDir(dir.path()).filePath("manca/Lavori.xls"), kWorkExport.columns);
    EXPECT_FALSE(nowhere.begin(QStringLiteral("Registro Lavori")));
    EXPECT_FALSE(nowhere.finish());
}

TEST_F(SpreadsheetTest, AWriteTheDiskRefusesIsAFailureAndKeepsWhatWasWritten) {
    struct Case {
        const char* what;
        int rows; // enough rows to fill the buffer make a row fail; a few make the closing write fail
    };
    const Case cases[] = {{"while writing the rows", 20000}, {"when finishing", 10}};
    constexpr long long kLimit = 8192;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = file("Lavori.xls");
        QFile::remove(path);
        // A child process whose files may not grow past the limit.
        const std::optional<int> code = test::runWithFileSizeLimit(kLimit, [&] {
            SpreadsheetWriter writer(path, kWorkExport.columns);
            const bool begun = writer.begin(QStringLiteral("Registro Lavori"));
            const std::vector<QString> row(20, QStringLiteral("Manutenzione del giardino"));
            int added = 0;
            while (added < c.rows && writer.addRow(row))
                ++added;
            const bool rowsFailed = added < c.rows;
            const bool finished = writer.finish();
            return begun && rowsFailed == (c.rows > 1000) && !finished ? 0 : 1;
        });
        if (!code)
            GTEST_SKIP() << test::kNoFileSizeLimit;
        EXPECT_EQ(*code, 0);
        const QByteArray written = fileBytes(path);
        EXPECT_EQ(written.size(), qsizetype(kLimit));
        EXPECT_TRUE(written.startsWith("<html xmlns:o="));
    }
}

TEST_F(SpreadsheetTest, CellsFromTheStoredBytesEqualCellsFromTheTrimmedTexts) {
    // A column of one short field, one of a long field and the joined full name.
    const ExportColumn columns[] = {
        {"Data", 200, L::Data, -1},
        {"Nota", 350, L::Note, -1},
        {"Cognome e nome", 250, L::Cognome, L::Nome},
    };
    const ExportTable table{"Prova", "Prova.xls", &L::layout, columns};
    struct Case {
        const char* what;
        std::string_view date; // may hold zero bytes
        std::string_view note;
        std::string_view surname;
        std::string_view name;
        const char* cells; // the three cells as written
    };
    const Case cases[] = {
        {"plain texts", "01/02/2025", "Giardino", "Rossi", "Mario", "01/02/2025|Giardino|Rossi Mario"},
        {"blanks and controls at the ends", " \t1/2\r\n", "\x00\x1F nota \x7F"sv, "  De Luca ", " Anna\t",
         "1/2|nota|De Luca Anna"},
        {"controls inside are blanks", "a\tb", "prima\r\nseconda\x7F.",
         "A\x01"
         "B",
         "C\x1F D", "a b|prima  seconda .|A B C  D"},
        {"entities", "a&b", "<b>x</b> & y", "&amp;", "<>",
         "a&amp;b|&lt;b&gt;x&lt;/b&gt; &amp; y|&amp;amp; &lt;&gt;"},
        {"euro, quotes and accents keep their byte", "\x80",
         "\x85"
         "fine\x85 \x93"
         "citt\xE0\x94",
         "Zo\xEB", "\xFF",
         "\x80|\x85"
         "fine\x85 \x93"
         "citt\xE0\x94|Zo\xEB \xFF"},
        {"undefined bytes are controls: cut at the ends, blanks inside", "\x81X\x8D",
         "a\x8F\x90"
         "b\x9D",
         "\x81", "Y\x9D", "X|a  b|Y"},
        {"no-break space is neither cut nor changed", "\xA0", "\xA0x\xA0", "\xA0", "", "\xA0|\xA0x\xA0|\xA0"},
        {"empty fields", "", "", "", "", "||"},
        {"surname only", "", "", "Rossi", "", "||Rossi"},
        {"name only", "", "", "", "Mario", "||Mario"},
        {"a control at the end of the surname is cut with the joining blank", "", "", "X\x81", "", "||X"},
        {"inner blanks of the joined fields", "", "", "A \x7F", "\x7F B", "||A     B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<char> record(std::size_t(L::kSize), '\0');
        storeField(record.data(), L::layout, L::Data, bytesOf(c.date));
        storeField(record.data(), L::layout, L::Note, bytesOf(c.note));
        storeField(record.data(), L::layout, L::Cognome, bytesOf(c.surname));
        storeField(record.data(), L::layout, L::Nome, bytesOf(c.name));
        const BothWays written = writeBothWays(dir.path(), table, record);
        EXPECT_EQ(written.fromBytes, written.fromTexts)
            << firstDifference(written.fromBytes, written.fromTexts);
        QByteArray row = "<tr><td style=\"text-align: left;\">" + QByteArray(c.cells) + "</td></tr>";
        row.replace("|", "</td><td style=\"text-align: left;\">");
        EXPECT_TRUE(written.fromBytes.contains(row)) << written.fromBytes.toStdString();
    }

    // A length byte above the capacity reads the whole field and nothing past it.
    std::vector<char> record(std::size_t(L::kSize), '\0');
    storeField(record.data(), L::layout, L::Data, 255, "0123456789");
    storeField(record.data(), L::layout, L::Luogo, "dopo");
    const BothWays written = writeBothWays(dir.path(), table, record);
    EXPECT_EQ(written.fromBytes, written.fromTexts) << firstDifference(written.fromBytes, written.fromTexts);
    EXPECT_TRUE(written.fromBytes.contains("<tr><td style=\"text-align: left;\">0123456789</td>"));
}

TEST_F(SpreadsheetTest, RowsFromRandomStoredBytesEqualRowsFromTheTexts) {
    std::mt19937 random(20250101);
    // Whole bytes at random, and bytes drawn from those the cell rules treat apart.
    const QByteArray special("\x00\x09\x1F\x20\x7F\x80\x81\x85\x8D\x8F\x90\x9D\x9F\xA0\xFF&<>a;#", 21);
    auto randomBytes = [&](int n, bool anyByte) {
        QByteArray out(n, '\0');
        for (char& b : out)
            b = anyByte ? char(random() % 256) : special[qsizetype(random() % std::size_t(special.size()))];
        return out;
    };
    for (const ExportTable* table : {&kEmployeeExport, &kWorkExport}) {
        SCOPED_TRACE(table->sheetName);
        const RecordLayout& layout = *table->layout;
        constexpr int kRecords = 300;
        std::vector<char> records(std::size_t(kRecords) * std::size_t(layout.size));
        for (int r = 0; r < kRecords; ++r) {
            char* data = records.data() + std::size_t(r) * std::size_t(layout.size);
            for (int field = 0; field < layout.fieldCount(); ++field) {
                const int capacity = layout.fields[std::size_t(field)].capacity;
                // Mostly short texts, some empty, some with a length byte past the capacity.
                const int pick = int(random() % 8);
                const int length = pick == 0 ? 0 : pick == 1 ? int(random() % 256) : int(random() % 12);
                storeField(data, layout, field, length, randomBytes(capacity, r % 2 == 0));
            }
        }
        const BothWays written = writeBothWays(dir.path(), *table, records);
        EXPECT_EQ(written.fromBytes.count("<tr>"), kRecords + 1);
        EXPECT_TRUE(written.fromBytes == written.fromTexts)
            << firstDifference(written.fromBytes, written.fromTexts);
    }
}

TEST_F(SpreadsheetTest, ExportingAnArchiveWritesEveryRecordAsItsTextsWouldBe) {
    const QString year = workArchivePath(dir.path(), QStringLiteral("2025"));
    const QString target = file("Lavori.xls");
    // A missing archive is created empty: the file holds the header row only.
    const ArchiveExport empty = exportArchive(year, kWorkExport, target);
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.rows, 0);
    EXPECT_EQ(fileBytes(target).count("<tr>"), 1);
    EXPECT_EQ(QFile(year).size(), 0);

    const char* const surnames[] = {"Rossi", " De Luca ", "O'Neil & figli", ""};
    for (const char* surname : surnames) {
        Record r(L::layout);
        r[L::Cognome] = QString::fromUtf8(surname);
        r[L::Nome] = QStringLiteral("Zoë");
        r[L::Data] = QStringLiteral("03/04/2025");
        r[L::TotDovuto] = QStringLiteral("€ 12,50");
        r[L::Incompleto] = QStringLiteral("Sì");
        ASSERT_TRUE(archive::append(year, r).ok());
    }
    // A damaged record: a length byte past the capacity and control bytes, written straight into the file.
    std::vector<char> damaged(std::size_t(L::kSize), '\0');
    storeField(damaged.data(), L::layout, L::Cognome, 255, QByteArray(50, 'X'));
    storeField(damaged.data(), L::layout, L::Note, "a\r\nb\x81");
    {
        QFile f(year);
        ASSERT_TRUE(f.open(QIODevice::Append));
        ASSERT_EQ(f.write(damaged.data(), qint64(damaged.size())), qint64(damaged.size()));
    }

    const ArchiveExport done = exportArchive(year, kWorkExport, target);
    EXPECT_TRUE(done.ok());
    EXPECT_EQ(done.rows, 5);
    const QByteArray exported = fileBytes(target);

    // The same rows written from the texts of every column.
    QFile f(year);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    const BothWays expected =
        writeBothWays(dir.path(), kWorkExport, std::vector<char>(all.cbegin(), all.cend()));
    EXPECT_EQ(exported, expected.fromTexts) << firstDifference(exported, expected.fromTexts);
    EXPECT_TRUE(exported.startsWith(spreadsheet::head(QStringLiteral("Registro Lavori"))));
    for (const char* cell : {">Rossi Zo\xEB<", ">De Luca Zo\xEB<", ">O'Neil &amp; figli Zo\xEB<", ">Zo\xEB<",
                             ">\x80 12,50<", ">S\xEC<", ">a  b<"})
        EXPECT_TRUE(exported.contains(cell)) << cell;
    EXPECT_TRUE(exported.contains(">" + QByteArray(50, 'X') + " <") == false);
    EXPECT_TRUE(exported.contains(">" + QByteArray(50, 'X') + "<"));
}
