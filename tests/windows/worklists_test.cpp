#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/work/worklines.h"
#include "framework/commandbar.h"
#include "framework/listview.h"
#include "framework/report.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "support/windows.h"
#include "windows/common/listwindow.h"
#include "windows/work/tfrmlavincompleti.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmtrovalavori.h"

using namespace orvelia;
using namespace orvelia::test;
using F = TSchedaLavoro;

namespace {

const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

struct Work {
    const char* activity;
    const char* date;
    const char* surname;
    const char* name;
    const char* total;
    QString incomplete;
    const char* note = "";
};

Record record(const Work& w) {
    Record r(F::layout);
    r[F::Attivita] = QString::fromUtf8(w.activity);
    r[F::Data] = QString::fromUtf8(w.date);
    r[F::Cognome] = QString::fromUtf8(w.surname);
    r[F::Nome] = QString::fromUtf8(w.name);
    r[F::CodFisc] = QStringLiteral("RSSMRA80A01H501U");
    r[F::Recapito] = QStringLiteral("333 1234567");
    r[F::TotDovuto] = QString::fromUtf8(w.total);
    r[F::Incompleto] = w.incomplete;
    r[F::Note] = QString::fromUtf8(w.note);
    r[F::DaOre] = QStringLiteral("08");
    r[F::DaMin] = QStringLiteral("00");
    r[F::AOre] = QStringLiteral("12");
    r[F::AMin] = QStringLiteral("30");
    return r;
}

class WorkListsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        w = app->window<TfrmLavori>();
        ASSERT_TRUE(w);
    }
    void openYear(const std::vector<Work>& records) {
        for (const Work& r : records)
            ASSERT_TRUE(archive::append(path(), record(r)).ok());
        openWorkYear();
    }
    QString path() const { return workArchivePath(folder.path(), QStringLiteral("2026")); }

    TfrmLavori* w = nullptr;
};

const std::vector<Work> kYear = {
    {"Potatura siepi", "15/03/2026", "Rossi", "Mario", "45,00", kYes, "prima"},
    {"Manutenzione giardino", "02/04/2026", "Bianchi", "Anna", "30,00", kNo},
    {"Manutenzione giardino", "01/05/2026", "De Rossi Neri", "Luca", "20,00", QStringLiteral("Si")},
    {"Potatura siepi", "15/03/2026", "Rossi", "Mario", "45,00", kNo, "seconda"},
    {"Pulizia vetrate", "10/03/2026", "Verdi", "Ugo", "12,00", kYes},
    {"Pulizia vetrate", "09/11/2026", "Rossi", "Eva", "15,00", QStringLiteral("s\u00EC")},
};

} // namespace

TEST_F(WorkListsTest, SearchFiltersListsAndLoadsTheLaterOfIdenticalRecords) {
    openYear(kYear);
    withWindow<TfrmTrovaLavori>(w->cmdTrova, [&](TfrmTrovaLavori* d) {
        EXPECT_EQ(d->windowTitle(), " Trova prestazioni lavorative in archivio");
        EXPECT_EQ(d->lblMemory->text(), "lavori");
        EXPECT_TRUE(d->panAvvio->isVisible());
        EXPECT_FALSE(d->panContainer->isVisible());
        EXPECT_FALSE(d->lblAttendere->isVisible());
        EXPECT_TRUE(d->txtData->hasFocus());
        EXPECT_TRUE(d->findChild<QWidget*>("effData")->isVisible());

        // Enter goes round the ten boxes; only the focused box is framed.
        QLineEdit* const chain[] = {d->txtData,       d->txtLuogo, d->txtAttivita, d->txtPostazione,
                                    d->txtCognome,    d->txtNome,  d->txtCodFisc,  d->txtMansione,
                                    d->txtCodiceProg, d->txtNote,  d->txtData};
        for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
            key(chain[i], Qt::Key_Return);
            EXPECT_TRUE(chain[i + 1]->hasFocus()) << chain[i]->objectName().toStdString();
            const QString frame = QStringLiteral("eff") + chain[i + 1]->objectName().mid(3);
            EXPECT_TRUE(d->findChild<QWidget*>(frame)->isVisible()) << frame.toStdString();
            EXPECT_FALSE(
                d->findChild<QWidget*>(QStringLiteral("eff") + chain[i]->objectName().mid(3))->isVisible());
        }

        // A surname typed with a trailing blank counts as a filter but misses "Rossi" at the field's end;
        // it still finds "De Rossi Neri". The wait line shows while the button is down.
        typeText(d->txtCognome, QStringLiteral("rossi "));
        QTest::mousePress(d->btnCerca, Qt::LeftButton, {}, d->btnCerca->rect().center());
        EXPECT_TRUE(d->lblAttendere->isVisible());
        QTest::mouseRelease(d->btnCerca, Qt::LeftButton, {}, d->btnCerca->rect().center());
        QApplication::processEvents();
        EXPECT_EQ(d->lblConta->text(), "1");
        EXPECT_TRUE(d->panContainer->isVisible());
        EXPECT_FALSE(d->panAvvio->isVisible());
        EXPECT_TRUE(d->txtTrova->hasFocus());
        ASSERT_EQ(d->lstRecords->count(), 1);
        EXPECT_TRUE(d->lstRecords->lines().at(0).contains("De Rossi Neri Luca"));
        EXPECT_EQ(d->lblTrovate->text(), "Il presente riepilogo contiene 1 schede.");
        d->reject();
    });

    // A blank-only box and a date part: every record of March, sorted by activity then date text.
    withWindow<TfrmTrovaLavori>(w->cmdTrova, [&](TfrmTrovaLavori* d) {
        EXPECT_TRUE(d->panAvvio->isVisible()); // a fresh window each time
        EXPECT_EQ(d->txtCognome->text(), "");
        typeText(d->txtData, QStringLiteral("/03/"));
        typeText(d->txtNote, QStringLiteral("   "));
        click(d->btnCerca);
        EXPECT_EQ(d->lblConta->text(), "1");
        ASSERT_EQ(d->lstRecords->count(), 3);
        EXPECT_TRUE(d->lstRecords->lines().at(0).startsWith("Potatura siepi"));
        EXPECT_EQ(d->lstRecords->lines().at(0), d->lstRecords->lines().at(1));
        EXPECT_TRUE(d->lstRecords->lines().at(2).startsWith("Pulizia vetrate"));
        EXPECT_EQ(d->lblTrovate->text(), "Il presente riepilogo contiene 3 schede.");

        // Quick find, then a double-click on either identical line loads the later record.
        typeText(d->txtTrova, QStringLiteral("VERDI"));
        key(d->txtTrova, Qt::Key_Return);
        EXPECT_TRUE(d->btnTrova->hasFocus());
        EXPECT_EQ(d->lstRecords->selectedRow(), 0); // Enter only moves the focus
        click(d->btnTrova);
        EXPECT_EQ(d->lstRecords->selectedRow(), 2);
        doubleClickRow(d->lstRecords, 0);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->lstRecords->count(), 0); // closing empties the list
    });
    EXPECT_EQ(w->lblPosizione->text(), "4");
    EXPECT_EQ(w->txtNote->text(), "seconda");
    EXPECT_EQ(w->txtCognome->text(), "Rossi");
    EXPECT_EQ(w->txtDaOre->currentText(), "08");
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(WorkListsTest, SearchPrintsTheListAndCloses) {
    openYear(kYear);
    report::Capture capture;
    fake->printFile = folder.filePath(QStringLiteral("stampa.pdf"));
    withWindow<TfrmTrovaLavori>(w->cmdTrova, [&](TfrmTrovaLavori* d) {
        typeText(d->txtAttivita, QStringLiteral("GIARDINO"));
        click(d->btnCerca);
        ASSERT_EQ(d->lstRecords->count(), 2);
        click(d->btnStampa);
        ASSERT_EQ(capture.printed.size(), 1u);
        const report::Page& page = capture.printed[0].pages.at(0);
        EXPECT_EQ(page.text(listprint::kTitleMemo)->text, "Riepilogo prestazioni lavorative");
        EXPECT_EQ(page.text(listprint::kDataMemo)->lines(), d->lstRecords->lines());
        EXPECT_TRUE(d->isVisible()); // printing leaves the list on screen
        click(d->btnChiudi);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(fake->messages.empty());
    EXPECT_EQ(w->lblPosizione->text(), "");
}

TEST_F(WorkListsTest, SearchFailuresAndEmptyResults) {
    openYear({});
    // An empty year lists nothing; the quick find says it does not apply.
    withWindow<TfrmTrovaLavori>(w->cmdTrova, [&](TfrmTrovaLavori* d) {
        click(d->btnCerca);
        EXPECT_EQ(d->lblTrovate->text(), "Il presente riepilogo contiene 0 schede.");
        typeText(d->txtTrova, QStringLiteral("x"));
        click(d->btnTrova);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kEmptyList}}));
        // A double-click with no line closes the window without a word.
        QTest::mouseDClick(d->lstRecords->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QApplication::processEvents();
        EXPECT_FALSE(d->isVisible());
    });

    // A year file that cannot be opened: the access message, and the criteria stay on screen.
    w->lblFile->setText(folder.filePath(QStringLiteral("manca/2026.lav")));
    withWindow<TfrmTrovaLavori>(w->cmdTrova, [&](TfrmTrovaLavori* d) {
        click(d->btnCerca);
        EXPECT_EQ(fake->takeMessages(),
                  (std::vector<ShownMessage>{{MessageKind::Error, kArchiveAccessMessage}}));
        EXPECT_TRUE(d->panAvvio->isVisible());
        EXPECT_FALSE(d->lblAttendere->isVisible());
        click(d->btnAnnulla);
        EXPECT_FALSE(d->isVisible());
    });
}

TEST_F(WorkListsTest, IncompleteListHoldsOnlySiAndLoadsTheLaterEqualRecord) {
    openYear(kYear);
    w->chkIncompleto->setChecked(true);
    report::Capture capture;
    fake->printFile = folder.filePath(QStringLiteral("stampa.pdf"));
    withWindow<TfrmLavIncompleti>(w->cmdIncompleti, [&](TfrmLavIncompleti* d) {
        EXPECT_EQ(d->windowTitle(), " Riepilogo lavori incompleti");
        EXPECT_TRUE(d->txtTrova->hasFocus());
        // Records 1 and 5 say "Sì"; "No", "Si" and "sì" are not listed.
        ASSERT_EQ(d->lstRecords->count(), 2);
        EXPECT_TRUE(d->lstRecords->lines().at(0).contains("Rossi Mario"));
        EXPECT_TRUE(d->lstRecords->lines().at(1).contains("Verdi Ugo"));

        click(d->btnStampa);
        ASSERT_EQ(capture.printed.size(), 1u);
        const report::Page& page = capture.printed[0].pages.at(0);
        EXPECT_EQ(page.text(listprint::kTitleMemo)->text, "Riepilogo lavori incompleti");
        EXPECT_EQ(page.text(listprint::kDataMemo)->lines(), d->lstRecords->lines());

        // The complete record 4 has the same line as the incomplete record 1, and lies later.
        doubleClickRow(d->lstRecords, rowOf(d->lstRecords, "Rossi Mario"));
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(w->lblPosizione->text(), "4");
    EXPECT_EQ(w->txtNote->text(), "seconda");
    EXPECT_FALSE(w->chkIncompleto->isChecked());
    EXPECT_TRUE(fake->messages.empty());

    // Saved without the flag, a record leaves the list the next time it opens.
    Record done = record(kYear[4]);
    done[F::Incompleto] = kNo;
    ASSERT_EQ(archive::overwrite(path(), 5, done), ArchiveError::None);
    withWindow<TfrmLavIncompleti>(w->cmdIncompleti, [&](TfrmLavIncompleti* d) {
        EXPECT_EQ(d->lstRecords->lines(), QStringList{work::workLine(record(kYear[0]))});
        d->reject();
    });
}

TEST_F(WorkListsTest, IncompleteListOfAnEmptyYear) {
    openYear({{"Pulizia", "01/02/2026", "Rossi", "Mario", "1,00", kNo}});
    withWindow<TfrmLavIncompleti>(w->cmdIncompleti, [&](TfrmLavIncompleti* d) {
        EXPECT_EQ(d->lstRecords->count(), 0);
        click(d->btnTrova);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kEmptyList}}));
        click(d->btnChiudi);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(w->lblPosizione->text(), "");
}
