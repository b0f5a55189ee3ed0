#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "framework/commandbar.h"
#include "framework/report.h"
#include "framework/sheet.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "windows/registry/tfrmanteprimaistruttore.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/registry/tfrmstampaistruttore.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmstampalavoro.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QDateTime kClock(QDate(2026, 3, 5), QTime(8, 7, 6));
const QString kFooter = QStringLiteral("Stampa eseguita in data 05/03/2026 alle ore 08:07:06");

QString longText(const QString& word) {
    QString text;
    for (int i = 0; text.size() < 250; ++i)
        text += word + QString::number(i) + u' ';
    return text.left(250);
}

// The label and value of the row whose value memo is @p memo.
struct Printed {
    QString label;
    QString value;
};
Printed row(const report::Page& page, const QString& memo) {
    const report::PageText* label = page.text(sheet::Sheet::labelMemo(memo));
    const report::PageText* value = page.text(memo);
    return {label ? label->text : QStringLiteral("<no label>"),
            value ? value->text : QStringLiteral("<no value>")};
}

// Texts on the page fit their boxes and no two boxes of different rows overlap.
void expectTidy(const report::Page& page) {
    for (const report::PageText& t : page.texts) {
        EXPECT_LE(sheet::printedWidth(t.style, t.text), sheet::textRoom(t.style, t.rect.width()) + 0.01)
            << t.memo.toStdString();
        for (const report::PageText& other : page.texts) {
            if (&t != &other) {
                EXPECT_FALSE(t.rect.adjusted(0.1, 0.1, -0.1, -0.1).intersects(other.rect))
                    << t.memo.toStdString() << " / " << other.memo.toStdString();
            }
        }
    }
}

class SheetsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        fake->clock = kClock;
        // Whatever is printed goes to a file, never to a printer of this machine.
        fake->printFile = folder.filePath(QStringLiteral("stampa.pdf"));
    }
    /// Clicks @p command of the data window, and @p button of the sheet window it opens.
    void openAndPress(QWidget* command, const char* className, const char* button,
                      const QString& caption = QStringLiteral(" Stampa scheda")) {
        withWindow<QDialog>(command, [&](QDialog* d) {
            EXPECT_EQ(d->objectName(), className);
            EXPECT_EQ(d->windowTitle(), caption);
            auto* pressed = d->findChild<QPushButton*>(QString::fromLatin1(button));
            ASSERT_NE(pressed, nullptr);
            QTest::mouseClick(pressed, Qt::LeftButton);
            EXPECT_FALSE(d->isVisible());
        });
    }

    report::Capture capture;
};

struct EmployeeRow {
    QLineEdit* TfrmIstruttori::*box; // nullptr: a joined row, set apart
    const char* memo;
    const char* label;
    const char* typed;
    const char* printed;
};

// Every row of the employee sheet with what is on screen and what is printed.
const EmployeeRow kEmployeeRows[] = {
    {nullptr, "txtIstruttore", "Cognome e nome:", "", "Rossi Mario"},
    {&TfrmIstruttori::txtCodFisc, "txtCodFisc", "Codice fiscale:", "RSSMRA80A01H501U", "RSSMRA80A01H501U"},
    {&TfrmIstruttori::txtSesso, "txtSesso", "Sesso:", "M", "M"},
    {&TfrmIstruttori::txtDataNasc, "txtDataNasc", "Data di nascita:", "01/01/1980", "01/01/1980"},
    {nullptr, "txtComuneNasc", "Comune di nascita:", "", "Roma RM"},
    {&TfrmIstruttori::txtIva, "txtIva", "Partita IVA:", "01234560967", "01234560967"},
    {&TfrmIstruttori::txtIndirizzo, "txtIndirizzo", "Via e numero civico:", "  Via Po 12  ", "Via Po 12"},
    {&TfrmIstruttori::txtCap, "txtCap", "CAP:", "00100", "00100"},
    {nullptr, "txtComuneRes", "Comune di residenza:", "", "Milano MI"},
    {&TfrmIstruttori::txtStato, "txtStato", "Stato civile:", "Coniugato", "Coniugato"},
    {&TfrmIstruttori::txtFamiliari, "txtFamiliari", "Giorni e orari disponibilità:", "[lun-ven] 9-13 [DATE]",
     "[lun-ven] 9-13 [DATE]"},
    {&TfrmIstruttori::txtRecapito, "txtRecapito", "Telefono preferenziale:", "Cellulare", "Cellulare"},
    {&TfrmIstruttori::txtTelCasa, "txtTelCasa", "Tel. casa:", "06 1234567", "06 1234567"},
    {&TfrmIstruttori::txtTelCel, "txtTelCel", "Tel cellulare:", "333 1234567", "333 1234567"},
    {&TfrmIstruttori::txtTelUff, "txtTelUff", "Tel. ufficio:", "06 7654321", "06 7654321"},
    {&TfrmIstruttori::txtFax, "txtFax", "Fax:", "06 1111111", "06 1111111"},
    {&TfrmIstruttori::txtEmail, "txtEmail", "E-mail:", "mario.rossi@example.it", "mario.rossi@example.it"},
    {&TfrmIstruttori::txtQualifiche, "txtQualifiche", "Qualifica principale:", "Giardiniere", "Giardiniere"},
    {&TfrmIstruttori::txtProfessione, "txtProfessione", "Altri titoli:", "Patente B", "Patente B"},
    {&TfrmIstruttori::txtIban, "txtIban", "IBAN:", "IT60X0542811101000000123456",
     "IT60X0542811101000000123456"},
    {&TfrmIstruttori::txtIntestatario, "txtIntestatario", "Intestatario C/C:", "Mario Rossi", "Mario Rossi"},
    {&TfrmIstruttori::txtBanca, "txtBanca", "Banca:", "Banca di Roma", "Banca di Roma"},
    {&TfrmIstruttori::txtCarta, "txtCarta", "Carta di credito n.", "4111111111111111", "4111111111111111"},
    {&TfrmIstruttori::txtScadeCarta, "txtScadeCarta", "Scadenza carta di credito:", "12/28", "12/28"},
    {&TfrmIstruttori::txtProdotti, "txtProdotti", "Equipaggiamento assegnato:", "Guanti, cesoie",
     "Guanti, cesoie"},
    {&TfrmIstruttori::txtPagamento, "txtPagamento", "Modalità di pagamento:", "Bonifico", "Bonifico"},
    {&TfrmIstruttori::txtNote, "txtNote", "Note:", " Nessuna ", "Nessuna"},
    {&TfrmIstruttori::txtTipoDoc, "txtTipoDoc", "Tipo documento:", "Carta d'identità", "Carta d'identità"},
    {&TfrmIstruttori::txtNumDoc, "txtNumDoc", "Numero documento:", "AX1234567", "AX1234567"},
    {&TfrmIstruttori::txtEnteRil, "txtEnteRil", "Ente di rilascio:", "Comune di Roma", "Comune di Roma"},
    {&TfrmIstruttori::txtDataRil, "txtDataRil", "Data di rilascio:", "02/02/2020", "02/02/2020"},
    {&TfrmIstruttori::txtDataSca, "txtDataSca", "Data di scadenza:", "02/02/2030", "02/02/2030"},
    {&TfrmIstruttori::txtCodice, "txtCodice", "Mansione:", "Manutenzione", "Manutenzione"},
    {&TfrmIstruttori::txtCategoria, "txtCategoria", "Categoria:", "Operaio", "Operaio"},
    {&TfrmIstruttori::txtZona, "txtZona", "Livello:", "3", "3"},
    {&TfrmIstruttori::txtAcquisto, "txtAcquisto", "Tipo di contratto:", "Occasionale", "Occasionale"},
    {&TfrmIstruttori::txtDecorrenza, "txtDecorrenza", "Data assunzione:", "01/01/2026", "01/01/2026"},
    {&TfrmIstruttori::txtScadenza, "txtScadenza", "Prossima scadenza:", "31/12/2026", "31/12/2026"},
    {&TfrmIstruttori::txtTotale, "txtTotale", "Compenso totale: €", "1.200,00", "1.200,00"},
    {&TfrmIstruttori::txtFrazionamento, "txtFrazionamento", "Frazionamento:", "Mensile", "Mensile"},
    {&TfrmIstruttori::txtRata, "txtRata", "Importo rata: €", "100,00", "100,00"},
};

} // namespace

TEST_F(SheetsTest, EmployeeSheetPrintsEveryRowAsItStandsOnScreen) {
    TfrmIstruttori* w = openRegistry();
    // Nothing saved: the sheet comes from the screen only.
    typeInto(w->txtCognome, QStringLiteral("  Rossi "));
    typeInto(w->txtNome, QStringLiteral("Mario  "));
    w->txtComuneNasc->setText(QStringLiteral("Roma"));
    w->txtProvNasc->setCurrentText(QStringLiteral("RM"));
    w->txtComuneRes->setText(QStringLiteral(" Milano"));
    w->txtProvRes->setCurrentText(QStringLiteral("MI"));
    for (const EmployeeRow& r : kEmployeeRows)
        if (r.box)
            (w->*r.box)->setText(QString::fromUtf8(r.typed));
    w->txtPreavviso->setText(QStringLiteral("30"));

    openAndPress(w->cmdStampa, "TfrmStampaIstruttore", "btnStampa");
    EXPECT_TRUE(fake->takeMessages().empty());
    EXPECT_TRUE(capture.previewed.empty());
    ASSERT_EQ(capture.printed.size(), 1u);
    const report::PreparedReport& out = capture.printed[0];
    EXPECT_EQ(out.page.paper, QPageSize::A4);
    EXPECT_EQ(out.page.orientation, QPageLayout::Portrait);
    ASSERT_EQ(out.pages.size(), 1u);
    const report::Page& page = out.pages[0];
    EXPECT_EQ(page.text(sheet::kTitleMemo)->text, "SCHEDA ANAGRAFICA LAVORATORE");
    int rows = 0;
    for (const EmployeeRow& r : kEmployeeRows) {
        SCOPED_TRACE(r.memo);
        const Printed printed = row(page, QString::fromLatin1(r.memo));
        EXPECT_EQ(printed.label, QString::fromUtf8(r.label));
        EXPECT_EQ(printed.value, QString::fromUtf8(r.printed));
        EXPECT_EQ(page.text(QString::fromLatin1(r.memo))->style.family, "Arial");
        ++rows;
    }
    EXPECT_EQ(rows, 41);
    // The rows stand 5 mm apart, in the order of the table.
    for (std::size_t i = 1; i < std::size(kEmployeeRows); ++i) {
        const qreal above = page.text(QString::fromLatin1(kEmployeeRows[i - 1].memo))->rect.top();
        const qreal below = page.text(QString::fromLatin1(kEmployeeRows[i].memo))->rect.top();
        EXPECT_NEAR(below - above, report::fromMillimetres(5), 0.01) << kEmployeeRows[i].memo;
    }
    // Label and value of the 41 rows, the title and the footer: nothing else is printed.
    EXPECT_EQ(page.texts.size(), 41u * 2 + 2);
    EXPECT_EQ(page.text(sheet::kFooterMemo)->text, kFooter);
    expectTidy(page);
    // The window went away and the registry was not written.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(QFile::exists(employeeArchivePath(folder.path())));
    EXPECT_EQ(w->txtCognome->text(), "  Rossi ");
}

TEST_F(SheetsTest, EmployeePreviewJoinsNamesAndTownsWithOneBlank) {
    TfrmIstruttori* w = openRegistry();
    struct Case {
        const char *surname, *name, *birthTown, *birthProvince, *town, *province;
        const char *person, *birthPlace, *residence;
    };
    const Case cases[] = {
        {"Rossi", "Mario", "Roma", "RM", "Milano", "MI", "Rossi Mario", "Roma RM", "Milano MI"},
        {"", "Mario", "Roma", "", "", "", " Mario", "Roma ", " "},
        {"Rossi", "", "", "RM", "Milano", "", "Rossi ", " RM", "Milano "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.person);
        w->txtCognome->setText(QString::fromLatin1(c.surname));
        w->txtNome->setText(QString::fromLatin1(c.name));
        w->txtComuneNasc->setText(QString::fromLatin1(c.birthTown));
        w->txtProvNasc->setCurrentText(QString::fromLatin1(c.birthProvince));
        w->txtComuneRes->setText(QString::fromLatin1(c.town));
        w->txtProvRes->setCurrentText(QString::fromLatin1(c.province));
        const std::size_t before = capture.previewed.size();
        openAndPress(w->cmdAnteprima, "TfrmAnteprimaIstruttore", "btnStampa",
                     QStringLiteral(" Anteprima di stampa"));
        ASSERT_EQ(capture.previewed.size(), before + 1);
        const report::Page& page = capture.previewed.back().pages.at(0);
        EXPECT_EQ(row(page, "txtIstruttore").value, c.person);
        EXPECT_EQ(row(page, "txtComuneNasc").value, c.birthPlace);
        EXPECT_EQ(row(page, "txtComuneRes").value, c.residence);
        EXPECT_EQ(page.text(sheet::kFooterMemo)->text, kFooter);
    }
    EXPECT_EQ(fake->previews, 3);
    EXPECT_TRUE(capture.printed.empty());
}

TEST_F(SheetsTest, EmployeeLongNoteIsCutAtItsBox) {
    TfrmIstruttori* w = openRegistry();
    const QString note = longText(QStringLiteral("annotazione"));
    w->txtNote->setText(note);
    openAndPress(w->cmdStampa, "TfrmStampaIstruttore", "btnStampa");
    ASSERT_EQ(capture.printed.size(), 1u);
    const report::Page& page = capture.printed[0].pages.at(0);
    const report::PageText* printed = page.text(QStringLiteral("txtNote"));
    ASSERT_NE(printed, nullptr);
    EXPECT_LT(printed->text.size(), note.size());
    EXPECT_GT(printed->text.size(), 60);
    EXPECT_TRUE(note.startsWith(printed->text)) << printed->text.toStdString();
    EXPECT_LE(printed->rect.right(), capture.printed[0].page.content().right() + 0.01);
    expectTidy(page);
}

TEST_F(SheetsTest, AnnullaClosesWithoutPrinting) {
    TfrmIstruttori* w = openRegistry();
    openAndPress(w->cmdStampa, "TfrmStampaIstruttore", "btnAnnulla");
    openAndPress(w->cmdAnteprima, "TfrmAnteprimaIstruttore", "btnAnnulla",
                 QStringLiteral(" Anteprima di stampa"));
    TfrmLavori* work = openWorkYear(QStringLiteral("2026"), {"TfrmIstruttori"}); // the registry stays open
    openAndPress(work->cmdStampa, "TfrmStampaLavoro", "btnAnnulla");
    EXPECT_TRUE(capture.printed.empty());
    EXPECT_TRUE(capture.previewed.empty());
    EXPECT_EQ(fake->previews, 0);
    EXPECT_TRUE(fake->takeMessages().empty());
}

TEST_F(SheetsTest, WorkSheetPrintsTheScreenWithLongTextsFitted) {
    TfrmLavori* w = openWorkYear();
    typeInto(w->txtCognome, QStringLiteral("Rossi"));
    typeInto(w->txtNome, QStringLiteral(" Mario"));
    typeInto(w->txtCodFisc, QStringLiteral("rssmra80a01h501u"));
    w->txtLuogo->setText(QStringLiteral(" Sede di Roma [B] "));
    w->txtRecapito->setText(QStringLiteral("333 1234567"));
    w->txtMansione->setText(QStringLiteral("Manutenzione"));
    w->txtCategoria->setText(QStringLiteral("Operaio"));
    const QString activity = longText(QStringLiteral("potatura"));
    const QString materials = longText(QStringLiteral("cesoie"));
    const QString note = longText(QStringLiteral("nota"));
    w->txtAttivita->setText(activity);
    w->txtDaOre->setCurrentText(QStringLiteral("08"));
    w->txtDaMin->setCurrentText(QStringLiteral("30"));
    w->txtAOre->setCurrentText(QStringLiteral("12"));
    w->txtAMin->setCurrentText(QStringLiteral("05"));
    w->txtNomeProg->setText(QStringLiteral("Parchi cittadini"));
    w->txtCodiceProg->setText(QStringLiteral("PC-2026"));
    w->txtAmbitoProg->setText(QStringLiteral("Verde pubblico"));
    w->txtPostazione->setText(QStringLiteral("Villa comunale"));
    w->txtMateriali->setText(materials);
    w->txtNote->setText(note);

    openAndPress(w->cmdStampa, "TfrmStampaLavoro", "btnStampa");
    ASSERT_EQ(capture.printed.size(), 1u);
    ASSERT_EQ(capture.printed[0].pages.size(), 1u);
    EXPECT_EQ(capture.printed[0].page.orientation, QPageLayout::Portrait);
    const report::Page& page = capture.printed[0].pages[0];
    EXPECT_EQ(page.text(sheet::kTitleMemo)->text, "SCHEDA PRESTAZIONE LAVORATIVA");
    EXPECT_EQ(page.text(sheet::kFooterMemo)->text, kFooter);

    struct Expected {
        const char* memo;
        const char* label;
        QString value; // empty: checked below as a fitted long text
    };
    const Expected rows[] = {
        {"txtData", "Data prestazione:", QStringLiteral("05/03/2026")},
        {"txtLuogo", "Sede operativa:", QStringLiteral("Sede di Roma [B]")},
        {"txtLavoratore", "Cognome e nome lavoratore:", QStringLiteral("Rossi Mario")},
        {"txtCodFisc", "Codice fiscale:", QStringLiteral("RSSMRA80A01H501U")},
        {"txtRecapito", "Telefono preferenziale:", QStringLiteral("333 1234567")},
        {"txtMansione", "Mansione:", QStringLiteral("Manutenzione")},
        {"txtCategoria", "Categoria:", QStringLiteral("Operaio")},
        {"txtAttivita", "Attività svolta:", QString()},
        {"txtOraInizio", "Ora inizio:", QStringLiteral("08:30")},
        {"txtOraFine", "Ora fine:", QStringLiteral("12:05")},
        {"txtTotOre", "Totale ore:", QStringLiteral("0")},
        {"txtCompensoOra", "Compenso orario: €", QStringLiteral("0,00")},
        {"txtTotDovuto", "Totale dovuto: €", QStringLiteral("0,00")},
        {"txtNomeProg", "Nome progetto:", QStringLiteral("Parchi cittadini")},
        {"txtCodiceProg", "Codice identificativo:", QStringLiteral("PC-2026")},
        {"txtAmbitoProg", "Ambito:", QStringLiteral("Verde pubblico")},
        {"txtPostazione", "Postazione di lavoro:", QStringLiteral("Villa comunale")},
        {"txtMateriali", "Materiali e strumenti:", QString()},
        {"txtNote", "Note:", QString()},
    };
    for (const Expected& r : rows) {
        SCOPED_TRACE(r.memo);
        const Printed printed = row(page, QString::fromLatin1(r.memo));
        EXPECT_EQ(printed.label, QString::fromUtf8(r.label));
        if (!r.value.isEmpty()) {
            EXPECT_EQ(printed.value, r.value);
        }
    }
    EXPECT_EQ(page.texts.size(), 19u * 2 + 2);
    // The long texts: the smallest type, then cut with an ellipsis, inside their boxes.
    for (const auto& [memo, full] : {std::pair{"txtAttivita", activity}, std::pair{"txtMateriali", materials},
                                     std::pair{"txtNote", note}}) {
        SCOPED_TRACE(memo);
        const report::PageText* t = page.text(QString::fromLatin1(memo));
        EXPECT_EQ(t->style.pointSize, 6);
        EXPECT_TRUE(t->text.endsWith(QStringLiteral("\u2026")));
        EXPECT_TRUE(full.startsWith(t->text.chopped(1)));
    }
    // Labels and short values share the same small type.
    EXPECT_EQ(page.text(QStringLiteral("lblLuogo"))->style.pointSize,
              page.text(QStringLiteral("txtLuogo"))->style.pointSize);
    expectTidy(page);
    EXPECT_FALSE(QFile::exists(workArchivePath(folder.path(), QStringLiteral("2026"))) &&
                 QFile(workArchivePath(folder.path(), QStringLiteral("2026"))).size() > 0);
}

TEST_F(SheetsTest, WorkSheetWithOneNameOnlyPrintsItAfterABlank) {
    TfrmLavori* w = openWorkYear();
    w->txtNome->setText(QStringLiteral("Mario"));
    openAndPress(w->cmdStampa, "TfrmStampaLavoro", "btnStampa");
    ASSERT_EQ(capture.printed.size(), 1u);
    const report::Page& page = capture.printed[0].pages.at(0);
    EXPECT_EQ(row(page, "txtLavoratore").value, " Mario");
    EXPECT_EQ(row(page, "txtOraInizio").value, "00:00");
    EXPECT_EQ(row(page, "txtOraFine").value, "00:00");
}

TEST_F(SheetsTest, BothSheetsRenderToPdf) {
    TfrmIstruttori* registry = openRegistry();
    registry->txtCognome->setText(QStringLiteral("Rossi"));
    registry->txtNome->setText(QStringLiteral("Mario"));
    registry->txtNote->setText(longText(QStringLiteral("annotazione")));
    const QString employeePdf = folder.filePath(QStringLiteral("scheda_lavoratore.pdf"));
    fake->printFile = employeePdf;
    openAndPress(registry->cmdStampa, "TfrmStampaIstruttore", "btnStampa");

    TfrmLavori* work = openWorkYear(QStringLiteral("2026"), {"TfrmIstruttori"}); // the registry stays open
    work->txtCognome->setText(QStringLiteral("Rossi"));
    work->txtNote->setText(longText(QStringLiteral("nota")));
    const QString workPdf = folder.filePath(QStringLiteral("scheda_lavoro.pdf"));
    fake->printFile = workPdf;
    openAndPress(work->cmdStampa, "TfrmStampaLavoro", "btnStampa");

    ASSERT_EQ(capture.printed.size(), 2u);
    EXPECT_EQ(capture.printed[0].pages.size(), 1u);
    EXPECT_EQ(capture.printed[1].pages.size(), 1u);
    for (const QString& path : {employeePdf, workPdf}) {
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = pdf.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_GT(bytes.size(), 5000);
    }
    EXPECT_TRUE(fake->takeMessages().empty());
}
