#include <gtest/gtest.h>

#include "support/printers.h"

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/export/spreadsheet.h"

using namespace orvelia;

namespace {

using W = TSchedaLavoratore;
using L = TSchedaLavoro;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    EXPECT_EQ(bytesOf(file("Prova.xls")), expected);

    // No rows: the head, the header row and the tail.
    ASSERT_TRUE(writeAll(file("Prova.xls"), table, {}));
    const QByteArray empty = bytesOf(file("Prova.xls"));
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
    EXPECT_TRUE(bytesOf(file("Lavori.xls"))
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
    constexpr rlim_t kLimit = 8192;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = file("Lavori.xls");
        QFile::remove(path);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // A child process whose files may not grow past the limit.
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {};
            limit.rlim_cur = limit.rlim_max = kLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
            SpreadsheetWriter writer(path, kWorkExport.columns);
            const bool begun = writer.begin(QStringLiteral("Registro Lavori"));
            const std::vector<QString> row(20, QStringLiteral("Manutenzione del giardino"));
            int added = 0;
            while (added < c.rows && writer.addRow(row))
                ++added;
            const bool rowsFailed = added < c.rows;
            const bool finished = writer.finish();
            _exit(begun && rowsFailed == (c.rows > 1000) && !finished ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        const QByteArray written = bytesOf(path);
        EXPECT_EQ(written.size(), qsizetype(kLimit));
        EXPECT_TRUE(written.startsWith("<html xmlns:o="));
    }
}
