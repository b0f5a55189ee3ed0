#include <gtest/gtest.h>

#include <QRadioButton>
#include <QJsonArray>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextDocument>

#include "core/archive/recordfile.h"
#include "framework/commandbar.h"
#include "support/workbooks.h"
#include "support/app_fixture.h"
#include "support/files.h"
#include "support/keys.h"
#include "windows/export/tfrmexpistruttori.h"
#include "windows/export/tfrmexplavori.h"
#include "windows/help/tfrmguida.h"
#include "core/help/helppages.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/work/tfrmlavori.h"

using namespace orvelia;
using namespace orvelia::test;
using W = TSchedaLavoratore;
using L = TSchedaLavoro;

namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                       "Accertarsi che il file di Excel non sia già aperto.");
const ShownMessage kAskedExport{MessageKind::Question, kAskExport};
const ShownMessage kAskedOpen{MessageKind::Question, kAskOpen};

struct ColumnSpec {
    const char* name;
    const char* header;
    int width;
    bool readOnly;
};

const ColumnSpec kRegistryGrid[] = {
    {"colNum", "N.", 60, true},
    {"colDipendente", "Cognome e nome", 250, true},
    {"colCodFisc", "Codice fiscale", 150, true},
    {"colDataNasc", "Data di nascita", 120, true},
    {"colComuneNasc", "Comune / Stato estero di nascita", 250, true},
    {"colIva", "Partita IVA", 150, false},
    {"colIndirizzo", "Indirizzo di residenza", 250, true},
    {"colComuneRes", "Comune di residenza", 250, false},
    {"colRecapito", "Telefono preferenziale", 200, true},
    {"colTelCasa", "Tel. casa", 200, false},
    {"colTelCel", "Tel. cellulare", 200, true},
    {"colEmail", "E-mail", 250, true},
    {"colCategoria", "Categoria", 250, true},
    {"colQualifiche", "Qualifica principale", 250, true},
    {"colFamiliari", "Giorni e orari disponibilità", 300, true},
    {"colIban", "IBAN", 250, false},
    {"colIntestatario", "Intestatario C/C", 250, true},
    {"colPagamento", "Modalità di pagamento", 250, true},
    {"colProdotti", "Equipaggiamento assegnato", 300, true},
    {"colTipoDoc", "Tipo documento", 250, false},
    {"colNumDoc", "Numero documento", 200, false},
    {"colEnteRil", "Ente rilascio", 250, false},
    {"colDataRil", "Data rilascio", 200, false},
    {"colDataSca", "Data scadenza", 200, true},
    {"colCodice", "Mansione", 250, false},
    {"colNote", "Note", 300, false},
};

const ColumnSpec kWorkGrid[] = {
    {"colNum", "N.", 60, true},
    {"colData", "Data prestazione", 120, false},
    {"colLuogo", "Sede operativa", 250, true},
    {"colLavoratore", "Cognome e nome lavoratore", 250, false},
    {"colCodFisc", "Codice fiscale", 200, true},
    {"colRecapito", "Telefono preferenziale", 200, true},
    {"colMansione", "Mansione", 250, true},
    {"colCategoria", "Categoria", 250, false},
    {"colAttivita", "Attività svolta", 350, false},
    {"colOraInizio", "Ora inizio", 120, false},
    {"colOraFine", "Ora fine", 120, false},
    {"colTotOre", "Totale ore", 120, false},
    {"colCompensoOra", "Compenso orario", 180, false},
    {"colTotDovuto", "Totale dovuto", 180, false},
    {"colNomeProg", "Nome progetto", 250, false},
    {"colCodiceProg", "Codice identificativo", 200, false},
    {"colAmbito", "Ambito", 250, false},
    {"colPostazione", "Postazione di lavoro", 250, false},
    {"colMateriali", "Materiali e strumenti utilizzati", 350, false},
    {"colNote", "Note", 350, false},
    {"colIncompleto", "Lavoro incompleto", 150, false},
};

void expectGrid(ExportWindow* x, std::span<const ColumnSpec> expected) {
    ExportGridModel* model = x->model();
    ASSERT_EQ(model->columnCount(), int(expected.size()));
    for (int c = 0; c < int(expected.size()); ++c) {
        const ColumnSpec& e = expected[std::size_t(c)];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(model->headerData(c, Qt::Horizontal, ExportGridModel::ColumnNameRole).toString(), e.name);
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), QString::fromUtf8(e.header));
        EXPECT_EQ(x->grdRecords->columnWidth(c), e.width);
        if (model->rowCount() > 0) {
            EXPECT_EQ(bool(model->flags(model->index(0, c)) & Qt::ItemIsEditable), !e.readOnly);
        }
    }
    EXPECT_TRUE(x->grdRecords->alternatingRowColors());
    for (int r = 0; r < model->rowCount(); ++r)
        EXPECT_EQ(x->grdRecords->rowHeight(r), 21);
}

QString cell(ExportWindow* x, int row, const char* column) {
    const int c = x->model()->column(QString::fromLatin1(column));
    EXPECT_GE(c, 0) << column;
    return x->model()->index(row, c).data().toString();
}

// What a spreadsheet reading the file shows: its text as HTML in Windows-1252.
QString shownText(const QByteArray& bytes) {
    QTextDocument document;
    document.setHtml(QString::fromLatin1(bytes));
    return document.toPlainText();
}

class ExportWindowTest : public AppFixture {
protected:
    QString inFolder(const char* name) const {
        return QDir(folder.path()).filePath(QString::fromLatin1(name));
    }
    QString registryXls() const { return inFolder("Anagrafica_Lavoratori.xls"); }
    QString workXls() const { return inFolder("Lavori.xls"); }
    static QString quoted(const QString& path) { return QLatin1Char('"') + path + QLatin1Char('"'); }

    void appendWorker(const QString& surname, const QString& name,
                      std::initializer_list<std::pair<W::Field, QString>> fields = {}) {
        Record r(W::layout);
        r[W::Cognome] = surname;
        r[W::Nome] = name;
        for (const auto& [field, value] : fields)
            r[field] = value;
        ASSERT_TRUE(archive::append(employeeArchivePath(folder.path()), r).ok());
    }
    void appendWork(const QString& year, const QString& surname, const QString& amount, bool incomplete) {
        Record r(L::layout);
        r[L::Cognome] = surname;
        r[L::Nome] = QStringLiteral("Mario");
        r[L::Data] = QStringLiteral("03/03/") + year;
        r[L::Attivita] = QStringLiteral("Potatura");
        r[L::TotDovuto] = amount;
        r[L::Incompleto] = incomplete ? QStringLiteral("Sì") : QStringLiteral("No");
        ASSERT_TRUE(archive::append(workArchivePath(folder.path(), year), r).ok());
    }

    // Runs @p body against the export window that the registry's Esporta opens, then leaves it by Esci.
    template <typename X>
    void runExport(QWidget* caller, CommandButton* command, const std::function<void(X*)>& body) {
        app->showWindow(caller);
        activate(caller);
        withWindow<X>(command, [&](X* x) {
            body(x);
            EXPECT_TRUE(x->isVisible()); // exporting leaves the window open
            click(x->cmdEsci);
            EXPECT_FALSE(x->isVisible());
        });
    }
    void registryExport(const std::function<void(TfrmExpIstruttori*)>& body) {
        auto* registry = app->window<TfrmIstruttori>();
        runExport<TfrmExpIstruttori>(registry, registry->cmdEsporta, body);
    }
    void workExport(const QString& year, const std::function<void(TfrmExpLavori*)>& body) {
        auto* work = app->window<TfrmLavori>();
        work->openYear(workArchivePath(folder.path(), year), year);
        runExport<TfrmExpLavori>(work, work->cmdEsporta, body);
    }
};

} // namespace

TEST_F(ExportWindowTest, RegistryExportShowsTheArchiveAndWritesItAsTyped) {
    appendWorker(QStringLiteral("Rossi"), QStringLiteral("Mario"),
                 {{W::CodFisc, "RSSMRA80A01H501U"},
                  {W::DataNasc, "01/02/1980"},
                  {W::Familiari, "Lunedì mattina"},
                  {W::Codice, "Giardiniere"},
                  {W::Note, "Prezzo < 10 & sconto > 5"},
                  {W::Zona, "non esportato"}});
    appendWorker(QStringLiteral("Bianchi"), QString());
    registryExport([&](TfrmExpIstruttori* x) {
        EXPECT_EQ(x->objectName(), "TfrmExpIstruttori");
        EXPECT_EQ(x->windowTitle(), " Esporta archivio lavoratori in Microsoft Excel");
        EXPECT_EQ(x->panInfo->text(), "Esportazione archivio in Microsoft Excel.");
        ASSERT_EQ(x->model()->rowCount(), 2);
        expectGrid(x, kRegistryGrid);
        EXPECT_EQ(cell(x, 0, "colNum"), "1");
        EXPECT_EQ(cell(x, 1, "colNum"), "2");
        EXPECT_EQ(cell(x, 0, "colDipendente"), "Rossi Mario");
        EXPECT_EQ(cell(x, 1, "colDipendente"), "Bianchi ");
        EXPECT_EQ(cell(x, 0, "colDataNasc"), "01/02/1980");
        EXPECT_EQ(cell(x, 0, "colCodice"), "Giardiniere");
        EXPECT_EQ(cell(x, 0, "colNote"), "Prezzo < 10 & sconto > 5");

        click(x->cmdEsporta);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{kAskedExport, kAskedOpen}));
        EXPECT_EQ(fake->opened, QStringList{quoted(registryXls())});
    });
    const QByteArray bytes = fileBytes(registryXls());
    EXPECT_TRUE(bytes.startsWith("<html xmlns:o="));
    EXPECT_TRUE(bytes.endsWith("</table></body></html>"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_EQ(bytes.count("<tr>"), 3);
    EXPECT_TRUE(bytes.contains("<x:Name>Anagrafica Lavoratori</x:Name>"));
    // the exported width, not the 120 of the grid
    EXPECT_TRUE(bytes.contains("font-weight: bold;\" width=200>Data di nascita</td>"));
    // accented letters are single bytes, in the titles and in the values
    EXPECT_TRUE(bytes.contains("width=300>Giorni e orari disponibilit\xE0</td>"));
    EXPECT_TRUE(bytes.contains(">Luned\xEC mattina</td>"));
    EXPECT_TRUE(bytes.contains("<tr><td style=\"text-align: left;\">Bianchi</td>"));
    EXPECT_FALSE(bytes.contains("non esportato"));
    // the note reads in the spreadsheet exactly as it was typed
    EXPECT_TRUE(bytes.contains(">Prezzo &lt; 10 &amp; sconto &gt; 5</td></tr>"));
    EXPECT_TRUE(shownText(bytes).contains("Prezzo < 10 & sconto > 5"));
    EXPECT_TRUE(shownText(bytes).contains(QStringLiteral("Lunedì mattina")));
}

TEST_F(ExportWindowTest, AnsweringNoStopsTheCommandAtThatQuestion) {
    struct Case {
        const char* what;
        std::deque<bool> answers;
        std::vector<ShownMessage> asked;
        bool written;
    };
    const Case cases[] = {
        {"no to exporting", {false}, {kAskedExport}, false},
        {"no to opening", {true, false}, {kAskedExport, kAskedOpen}, true},
    };
    appendWorker(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(registryXls());
        fake->answers = c.answers;
        registryExport([&](TfrmExpIstruttori* x) {
            click(x->cmdEsporta);
            EXPECT_EQ(fake->takeMessages(), c.asked);
        });
        EXPECT_EQ(QFile::exists(registryXls()), c.written);
        EXPECT_TRUE(fake->opened.isEmpty());
    }
}

TEST_F(ExportWindowTest, AnEmptyArchiveGivesAnEmptyGridAndTheHeaderRowOnly) {
    const QString archive = employeeArchivePath(folder.path());
    ASSERT_FALSE(QFile::exists(archive));
    registryExport([&](TfrmExpIstruttori* x) {
        EXPECT_EQ(x->model()->rowCount(), 0);
        EXPECT_EQ(x->model()->columnCount(), 26);
        click(x->cmdEsporta);
    });
    EXPECT_TRUE(QFile::exists(archive)); // created empty
    const QByteArray bytes = fileBytes(registryXls());
    EXPECT_EQ(bytes.count("<tr>"), 1);
    EXPECT_TRUE(bytes.endsWith("width=300>Note</td></tr></table></body></html>"));
}

TEST_F(ExportWindowTest, EditsInTheGridChangeTheExportButNeverTheArchive) {
    appendWorker(QStringLiteral("Rossi"), QStringLiteral("Mario"),
                 {{W::CodFisc, "RSSMRA80A01H501U"}, {W::Iva, "01234567890"}, {W::Note, "vecchia"}});
    const Record before = *archive::read(employeeArchivePath(folder.path()), 1, W::layout);
    registryExport([&](TfrmExpIstruttori* x) {
        ExportGrid* grid = x->grdRecords;
        auto editCell = [&](const char* column) {
            const QModelIndex index = x->model()->index(0, x->model()->column(QString::fromLatin1(column)));
            grid->scrollTo(index);
            QApplication::processEvents();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
            QApplication::processEvents();
            return qobject_cast<QLineEdit*>(QApplication::focusWidget());
        };
        // A read-only column opens no editor.
        EXPECT_EQ(editCell("colCodFisc"), nullptr);
        EXPECT_EQ(cell(x, 0, "colCodFisc"), "RSSMRA80A01H501U");

        QLineEdit* editor = editCell("colNote");
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        typeText(editor, QStringLiteral("nuova: più <urgente>"));
        key(editor, Qt::Key_Return);
        EXPECT_EQ(cell(x, 0, "colNote"), QStringLiteral("nuova: più <urgente>"));

        // A cell still being edited counts as typed when the export starts.
        editor = editCell("colIva");
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        typeText(editor, QStringLiteral("99999999999"));
        click(x->cmdEsporta);
        EXPECT_EQ(cell(x, 0, "colIva"), "99999999999");
    });
    const QByteArray bytes = fileBytes(registryXls());
    EXPECT_TRUE(bytes.contains(">99999999999</td>"));
    EXPECT_TRUE(bytes.contains(">nuova: pi\xF9 &lt;urgente&gt;</td></tr>"));
    EXPECT_FALSE(bytes.contains("vecchia"));
    EXPECT_EQ(*archive::read(employeeArchivePath(folder.path()), 1, W::layout), before);

    // A new window starts again from the archive.
    registryExport([&](TfrmExpIstruttori* x) { EXPECT_EQ(cell(x, 0, "colNote"), "vecchia"); });
}

TEST_F(ExportWindowTest, AFileThatCannotBeWrittenGivesTheFailureMessageNeverSuccess) {
    appendWorker(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    // Running as root, permissions stop nothing: a folder stands where the file goes.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Anagrafica_Lavoratori.xls")));
    registryExport([&](TfrmExpIstruttori* x) {
        click(x->cmdEsporta);
        EXPECT_EQ(fake->takeMessages(),
                  (std::vector<ShownMessage>{kAskedExport, {MessageKind::Error, kFailed}}));
    });
    EXPECT_TRUE(fake->opened.isEmpty());
}

TEST_F(ExportWindowTest, WorkExportWritesTheOpenYearAndEachExportOverwritesLavoriXls) {
    appendWork(QStringLiteral("2025"), QStringLiteral("Rossi"), QStringLiteral("125,50"), true);
    appendWork(QStringLiteral("2025"), QStringLiteral("Verdi"), QStringLiteral("80,00"), false);
    appendWork(QStringLiteral("2026"), QStringLiteral("Neri"), QStringLiteral("42,00"), false);

    workExport(QStringLiteral("2025"), [&](TfrmExpLavori* x) {
        EXPECT_EQ(x->objectName(), "TfrmExpLavori");
        EXPECT_EQ(x->windowTitle(), " Esporta registro lavori in Microsoft Excel");
        EXPECT_EQ(x->panInfo->text(), "Esportazione archivio in Microsoft Excel.");
        ASSERT_EQ(x->model()->rowCount(), 2);
        expectGrid(x, kWorkGrid);
        EXPECT_EQ(cell(x, 0, "colLavoratore"), "Rossi Mario");
        EXPECT_EQ(cell(x, 0, "colData"), "03/03/2025");
        EXPECT_EQ(cell(x, 0, "colTotDovuto"), "125,50");
        EXPECT_EQ(cell(x, 0, "colIncompleto"), QStringLiteral("Sì"));
        EXPECT_EQ(cell(x, 1, "colIncompleto"), "No");
        click(x->cmdEsporta);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{kAskedExport, kAskedOpen}));
    });
    QByteArray bytes = fileBytes(workXls());
    EXPECT_EQ(bytes.count("<tr>"), 3);
    EXPECT_TRUE(bytes.contains("<x:Name>Registro Lavori</x:Name>"));
    EXPECT_TRUE(bytes.contains("<tr><td style=\"text-align: left; font-weight: bold;\" width=200>"
                               "Data prestazione</td>"));
    EXPECT_TRUE(bytes.contains(">Rossi Mario</td>"));
    EXPECT_TRUE(bytes.contains(">125,50</td>"));
    EXPECT_TRUE(bytes.contains(">S\xEC</td></tr><tr>"));
    EXPECT_TRUE(bytes.endsWith(">No</td></tr></table></body></html>"));

    workExport(QStringLiteral("2026"), [&](TfrmExpLavori* x) {
        ASSERT_EQ(x->model()->rowCount(), 1);
        click(x->cmdEsporta);
    });
    bytes = fileBytes(workXls());
    EXPECT_EQ(bytes.count("<tr>"), 2);
    EXPECT_TRUE(bytes.contains("<x:Name>Registro Lavori</x:Name>"));
    EXPECT_TRUE(bytes.contains(">Neri Mario</td>"));
    EXPECT_FALSE(bytes.contains("Rossi"));

    // A year with no file yet: created empty, the header row only.
    workExport(QStringLiteral("2027"), [&](TfrmExpLavori* x) {
        EXPECT_EQ(x->model()->rowCount(), 0);
        click(x->cmdEsporta);
    });
    EXPECT_TRUE(QFile::exists(workArchivePath(folder.path(), QStringLiteral("2027"))));
    EXPECT_EQ(fileBytes(workXls()).count("<tr>"), 1);
    EXPECT_EQ(fake->opened, QStringList(3, quoted(workXls())));
}

// The workbook: chosen in the window, remembered in the settings file for every export window, written
// from the grid with typed cells; a failure is told as for the .xls.
TEST_F(ExportWindowTest, TheWorkbookFormatIsChosenInTheWindowAndRemembered) {
    appendWork(QStringLiteral("2025"), QStringLiteral("Rossi"), QStringLiteral("125,50"), true);
    const QString workbook = inFolder("Lavori.xlsx");
    workExport(QStringLiteral("2025"), [&](TfrmExpLavori* x) {
        // The first time, the .xls.
        EXPECT_EQ(x->optFormatoXlsx->text(), "Excel 2007 e successivi (.xlsx)");
        EXPECT_EQ(x->optFormatoXls->text(), "Excel 97-2003 (.xls)");
        EXPECT_TRUE(x->optFormatoXls->isChecked());
        EXPECT_FALSE(x->optFormatoXlsx->isChecked());
        click(x->optFormatoXlsx);
        EXPECT_TRUE(x->optFormatoXlsx->isChecked());
        x->model()->setData(x->model()->index(0, x->model()->column(QStringLiteral("colNote"))),
                            QStringLiteral("corretta nella griglia"));
        click(x->cmdEsporta);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{kAskedExport, kAskedOpen}));
    });
    EXPECT_TRUE(QFile::exists(workbook));
    EXPECT_FALSE(QFile::exists(workXls()));
    EXPECT_EQ(fake->opened, QStringList{quoted(workbook)});
    EXPECT_TRUE(fileBytes(inFolder("Impostazioni.ini")).contains("formato=xlsx"));

    if (canReadWorkbooks()) {
        const QJsonArray rows = readWorkbook(workbook)["rows"].toArray();
        ASSERT_EQ(rows.size(), 2);
        QStringList header;
        for (const QJsonValue cell : rows[0].toArray())
            header << cell.toObject()["value"].toString();
        auto at = [&](const char* title) { return rows[1].toArray()[header.indexOf(title)].toObject(); };
        EXPECT_EQ(at("Cognome e nome lavoratore")["value"], "Rossi Mario");
        EXPECT_EQ(at("Data prestazione")["value"], "03/03/2025");
        EXPECT_EQ(at("Data prestazione")["type"], "d");
        EXPECT_EQ(at("Totale dovuto")["value"], 125.5);
        EXPECT_EQ(at("Note")["value"], "corretta nella griglia");
        EXPECT_EQ(at("Lavoro incompleto")["value"], QStringLiteral("Sì"));
    }

    // Every export window starts from the choice remembered; going back to the .xls is remembered too.
    registryExport([&](TfrmExpIstruttori* x) {
        EXPECT_TRUE(x->optFormatoXlsx->isChecked());
        click(x->optFormatoXls);
    });
    workExport(QStringLiteral("2025"), [&](TfrmExpLavori* x) { EXPECT_TRUE(x->optFormatoXls->isChecked()); });

    // A workbook that cannot be written: the failure message, never the question to open it.
    ASSERT_TRUE(QFile::remove(workbook));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Lavori.xlsx")));
    workExport(QStringLiteral("2025"), [&](TfrmExpLavori* x) {
        click(x->optFormatoXlsx);
        click(x->cmdEsporta);
        EXPECT_EQ(fake->takeMessages(),
                  (std::vector<ShownMessage>{kAskedExport, {MessageKind::Error, kFailed}}));
    });
    EXPECT_TRUE(QFileInfo(workbook).isDir());
    EXPECT_FALSE(QFile::exists(workbook + QStringLiteral(".parziale")));
}

TEST_F(ExportWindowTest, StatusLineDescribesTheCommandsAndEmptiesOverTheRest) {
    registryExport([&](TfrmExpIstruttori* x) {
        // The window is wider than the test screen: the mouse moves are sent to the widgets themselves.
        auto over = [&](QWidget* target, QPoint at = QPoint()) {
            const QPointF local = at.isNull() ? target->rect().center() : at;
            QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            return x->panInfo->text();
        };
        EXPECT_EQ(over(x->cmdEsporta), "Esporta l'archivio in formato Microsoft Excel.");
        EXPECT_EQ(over(x->grdRecords->viewport()), "");
        EXPECT_EQ(over(x->cmdGuida), "Visualizza la pagina della guida sensibile al contesto.");
        EXPECT_EQ(over(x->findChild<QWidget*>("shpGruppo1")), "");
        EXPECT_EQ(over(x->cmdEsci), "Esci da questo ambiente di lavoro.");
        EXPECT_EQ(over(x->findChild<QWidget*>("panGriglia"), QPoint(4, 4)), "");
    });
}

TEST_F(ExportWindowTest, GuidaShowsEachExportsOwnHelpPage) {
    auto expectPage = [this](HelpPage page) {
        fake->modalHandlers.push_back([page](QDialog* d) {
            auto* help = qobject_cast<TfrmGuida*>(d);
            ASSERT_NE(help, nullptr);
            EXPECT_EQ(help->lblTitolo->text(), helpTitle(page));
            d->reject();
        });
    };
    registryExport([&](TfrmExpIstruttori* x) {
        expectPage(HelpPage::RegistryExport);
        click(x->cmdGuida);
        EXPECT_TRUE(fake->modalHandlers.empty());
    });
    workExport(QStringLiteral("2026"), [&](TfrmExpLavori* x) {
        expectPage(HelpPage::WorkExport);
        click(x->cmdGuida);
        EXPECT_TRUE(fake->modalHandlers.empty());
    });
}
