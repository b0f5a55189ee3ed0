#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/archive/cp1252.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "framework/commandbar.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "support/looks.h"
#include "support/records.h"
#include "support/faults.h"
#include "windows/app/tfrmavvio.h"
#include "windows/work/tfrmcalendario.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

using namespace orvelia;
using namespace orvelia::test;
using F = TSchedaLavoro;

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAdded = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kStartAfterEnd =
    QStringLiteral("Attenzione: l'ora di inizio lavoro non può essere posteriore a quella di fine lavoro.");

class WorkTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        menu = app->window<TfrmMenuLavori>();
        w = app->window<TfrmLavori>();
        ASSERT_TRUE(menu && w);
    }
    QString path(const QString& year = QStringLiteral("2026")) const {
        return workArchivePath(folder.path(), year);
    }
    static void choose(QComboBox* box, const QString& value) { box->setCurrentText(value); }
    void times(const char* start, const char* end) {
        const QString s = QString::fromLatin1(start), e = QString::fromLatin1(end);
        choose(w->txtDaOre, s.left(2));
        choose(w->txtDaMin, s.right(2));
        choose(w->txtAOre, e.left(2));
        choose(w->txtAMin, e.right(2));
    }
    void fillRequired() {
        typeInto(w->txtCognome, "Rossi");
        typeInto(w->txtNome, "Mario");
        typeInto(w->txtCodFisc, "rssmra80a01h501u");
        typeInto(w->txtAttivita, "Manutenzione del giardino");
    }
    void typeRate(const QString& rate) {
        w->txtCompensoOra->clear();
        typeInto(w->txtCompensoOra, rate);
        key(w->txtCompensoOra, Qt::Key_Return); // Enter leaves for the amount button
    }
    Record stored(qint64 k, const QString& year = QStringLiteral("2026")) const {
        return *archive::read(path(year), k, F::layout);
    }

    TfrmMenuLavori* menu = nullptr;
    TfrmLavori* w = nullptr;
};

} // namespace

TEST_F(WorkTest, YearSelectionLeadsToTheWorkWindowOrBack) {
    openYearSelection();
    EXPECT_EQ(menu->windowTitle(), " Orvelia - Registrazione lavori");
    EXPECT_EQ(menu->txtAnnoPreventivi->text(), "2026");
    EXPECT_TRUE(menu->txtAnnoPreventivi->hasFocus());
    EXPECT_EQ(menu->lblMemory->text(), "avvio");
    // the exit picture goes back to the main menu
    click(menu->imgEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});

    openYearSelection();
    menu->txtAnnoPreventivi->clear();
    typeText(menu->txtAnnoPreventivi, "2a0-2");
    EXPECT_EQ(menu->txtAnnoPreventivi->text(), "202");
    key(menu->txtAnnoPreventivi, Qt::Key_Return); // to "Apri", not pressing it
    EXPECT_TRUE(menu->btnApriPreventivi->hasFocus());
    EXPECT_TRUE(fake->messages.empty());
    click(menu->btnApriPreventivi);
    EXPECT_EQ(messages(),
              one(MessageKind::Warning, "Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    EXPECT_TRUE(menu->txtAnnoPreventivi->hasFocus());
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmMenuLavori"});

    typeText(menu->txtAnnoPreventivi, "5");
    click(menu->btnApriPreventivi);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmLavori"});
    EXPECT_EQ(menu->lblMemory->text(), "lavori");
    EXPECT_EQ(w->windowTitle(), " Orvelia - Registrazione lavori anno 2025");
    EXPECT_EQ(w->lblFile->text(), path("2025"));
    // leaving the work window leads to the main menu, not to the year selection
    click(w->cmdEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(WorkTest, ANewRecordHasItsDefaults) {
    openWorkYear();
    EXPECT_EQ(w->panInfo->text(), "Pronto per archiviare una nuova scheda...");
    typeInto(w->txtCognome, "Bozza");
    w->chkIncompleto->setChecked(true);
    choose(w->txtAOre, "12");
    click(w->cmdNuovo);
    EXPECT_EQ(w->txtCognome->text(), "");
    EXPECT_EQ(w->txtData->text(), "09/12/2026");
    for (QComboBox* box : {w->txtDaOre, w->txtDaMin, w->txtAOre, w->txtAMin})
        EXPECT_EQ(box->currentText(), "00");
    EXPECT_EQ(w->lblOraInizio->text(), "00:00");
    EXPECT_EQ(w->lblOraFine->text(), "00:00");
    EXPECT_EQ(w->txtTotOre->text(), "0");
    EXPECT_EQ(w->txtCompensoOra->text(), "0,00");
    EXPECT_EQ(w->txtTotDovuto->text(), "0,00");
    EXPECT_FALSE(w->chkIncompleto->isChecked());
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_TRUE(w->txtCognome->hasFocus());
    EXPECT_EQ(w->txtDaOre->count(), 24);
    EXPECT_EQ(w->txtAMin->count(), 60);
    EXPECT_EQ(w->txtAMin->itemText(59), "59");
}

TEST_F(WorkTest, ANewYearsFirstBrowseCreatesItsEmptyFile) {
    openWorkYear("2031");
    EXPECT_FALSE(QFile::exists(path("2031")));
    for (CommandButton* command : {w->cmdPrimo, w->cmdUltimo, w->cmdAvanti, w->cmdIndietro}) {
        SCOPED_TRACE(command->objectName().toStdString());
        click(command);
        EXPECT_EQ(messages(), one(MessageKind::Information, kEmpty));
    }
    EXPECT_TRUE(QFile::exists(path("2031")));
    EXPECT_EQ(QFileInfo(path("2031")).size(), 0);
}

TEST_F(WorkTest, HoursAndPayThroughTheWindow) {
    openWorkYear();
    struct Case {
        const char* start;
        const char* end;
        const char* rate;
        const char* rateShown;
        const char* hours;
        const char* amount;
    };
    const Case cases[] = {
        {"08:00", "12:30", "10", "10,00", "4,5", "45,00"},
        {"08:00", "08:20", "30", "30,00", "0,33", "9,90"},
        {"09:15", "17:45", "12,5", "12,50", "8,5", "106,25"},
        {"14:00", "16:40", "15", "15,00", "2,67", "40,05"},
        {"08:00", "09:10", "7,5", "7,50", "1,17", "8,78"},
        {"00:00", "23:59", "999", "999,00", "23,98", "23956,02"},
        {"08:00", "08:00", "10", "10,00", "0", "0,00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        times(c.start, c.end);
        typeRate(c.rate);
        EXPECT_EQ(w->txtCompensoOra->text(), c.rateShown);
        EXPECT_TRUE(w->btnCalcolaDovuto->hasFocus());
        key(w->btnCalcolaDovuto, Qt::Key_Return); // Enter on the button computes
        EXPECT_EQ(w->txtTotOre->text(), c.hours);
        EXPECT_EQ(w->txtTotDovuto->text(), c.amount);
    }
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(WorkTest, RatesAsTypedAndAsShown) {
    openWorkYear();
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"12", "12,00"}, Case{",5", "0,50"}, Case{"5,", "5,00"}, Case{"007", "7,00"},
                          Case{"1,2,3", "0,00"}, Case{"12,345", "12,35"}, Case{"2,675", "2,67"},
                          Case{"", "0,00"}, Case{"1a2-.", "12,00"}}) {
        SCOPED_TRACE(c.typed);
        typeRate(c.typed);
        EXPECT_EQ(w->txtCompensoOra->text(), c.shown);
    }
    // Tab does not leave the rate box
    typeInto(w->txtCompensoOra, "");
    key(w->txtCompensoOra, Qt::Key_Tab);
    EXPECT_TRUE(w->txtCompensoOra->hasFocus());
}

TEST_F(WorkTest, UnreadableRateGivesZerosWithoutAMessage) {
    openWorkYear();
    times("08:00", "12:00");
    w->txtCompensoOra->setText("");
    click(w->btnCalcolaDovuto);
    EXPECT_EQ(w->txtTotOre->text(), "0");
    EXPECT_EQ(w->txtCompensoOra->text(), "0,00");
    EXPECT_EQ(w->txtTotDovuto->text(), "0,00");
    EXPECT_TRUE(w->txtTotOre->hasFocus());
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(WorkTest, StartAfterEnd) {
    openWorkYear();
    times("08:00", "10:00");
    w->txtCompensoOra->setText("10");
    click(w->btnCalcolaOre);
    ASSERT_EQ(w->txtTotOre->text(), "2");
    times("13:00", "08:00");
    click(w->btnCalcolaOre); // warns and keeps the hours
    EXPECT_EQ(messages(), one(MessageKind::Warning, kStartAfterEnd));
    EXPECT_EQ(w->txtTotOre->text(), "2");
    EXPECT_TRUE(w->txtDaOre->hasFocus());
    click(w->btnCalcolaDovuto); // warns, then computes from the hours shown
    EXPECT_EQ(messages(), one(MessageKind::Warning, kStartAfterEnd));
    EXPECT_EQ(w->txtTotDovuto->text(), "20,00");
    fillRequired();
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Warning, kStartAfterEnd));
    EXPECT_TRUE(w->txtDaOre->hasFocus());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(WorkTest, SaveChecksInOrder) {
    openWorkYear();
    const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    struct Step {
        QString text;
        QWidget* focus;
        std::function<void()> mend;
    };
    w->txtData->clear();
    const std::vector<Step> steps = {
        {need + "la data della prestazione lavorativa.", w->txtData, [&] { click(w->impData); }},
        {need + "il cognome del lavoratore.", w->txtCognome, [&] { typeInto(w->txtCognome, "Rossi"); }},
        {need + "il nome del lavoratore.", w->txtNome, [&] { typeInto(w->txtNome, "Mario"); }},
        {need + "il codice fiscale del lavoratore.", w->txtCodFisc, [&] { typeInto(w->txtCodFisc, "RSS"); }},
        {need + "l'attività svolta dal lavoratore.", w->txtAttivita,
         [&] { typeInto(w->txtAttivita, "Pulizie"); }},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text.toStdString());
        click(w->cmdSalva);
        EXPECT_EQ(messages(), one(MessageKind::Warning, s.text));
        EXPECT_EQ(QApplication::focusWidget(), s.focus);
        s.mend();
    }
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
}

TEST_F(WorkTest, SaveAppendsThenOverwritesAndEqualTimesGiveZeroHours) {
    openWorkYear();
    fillRequired();
    times("08:00", "08:00");
    w->txtCompensoOra->setText("10");
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_EQ(w->txtTotOre->text(), "0");
    EXPECT_EQ(stored(1)[F::TotOre], "0");
    times("08:00", "09:00");
    click(w->cmdSalva); // the pay is computed again before the write
    EXPECT_EQ(messages(), one(MessageKind::Information, kUpdated));
    EXPECT_EQ(*archive::count(path(), F::layout), 1);
    EXPECT_EQ(stored(1)[F::TotOre], "1");
    EXPECT_EQ(stored(1)[F::TotDovuto], "10,00");
    EXPECT_EQ(stored(1)[F::CompensoOra], "10,00");
}

TEST_F(WorkTest, AFailedSaveLeavesNothingAndTheNextSaveStoresTheRecordOnce) {
    openWorkYear();
    fillRequired();
    {
        ScopedFaults faults(failFirst(sys::FileOp::Flush, path()));
        click(w->cmdSalva);
    }
    EXPECT_EQ(messages(), one(MessageKind::Error, kArchiveAccessMessage));
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_EQ(*archive::count(path(), F::layout), 0);
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(*archive::count(path(), F::layout), 1);
}

TEST_F(WorkTest, DuplicateMakesASecondShift) {
    openWorkYear();
    click(w->cmdDuplica);
    EXPECT_EQ(messages(), one(MessageKind::Warning,
                              "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                              "questa è stata inserita in archivio."));
    fillRequired();
    times("08:00", "12:00");
    w->txtCompensoOra->setText("12,5");
    typeInto(w->txtNomeProg, "Villa Ada");
    w->chkIncompleto->setChecked(true);
    w->lblFile01->setText("foto.jpg");
    w->lblDesc01->setText("Foto del cantiere");
    click(w->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kAdded));

    click(w->cmdDuplica);
    EXPECT_EQ(messages(),
              one(MessageKind::Information,
                  "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                  "termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(w->txtData->text(), "");
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_EQ(w->lblFile01->text(), "");
    EXPECT_EQ(w->lblDesc01->text(), "");
    EXPECT_EQ(w->txtCognome->text(), "Rossi");
    EXPECT_EQ(w->txtNomeProg->text(), "Villa Ada");
    EXPECT_TRUE(w->chkIncompleto->isChecked());
    EXPECT_TRUE(w->txtData->hasFocus());

    click(w->cmdSalva);
    EXPECT_EQ(messages(),
              one(MessageKind::Warning, "Attenzione: per salvare la scheda è necessario indicare la "
                                        "data della prestazione lavorativa."));
    w->txtData->setText("10/12/2026");
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(w->lblPosizione->text(), "2");
    Record first = stored(1);
    Record second = stored(2);
    EXPECT_EQ(second[F::Data], "10/12/2026");
    for (F::Field f : {F::Data, F::File01, F::Desc01})
        first.at(f) = second.at(f);
    EXPECT_EQ(second[F::File01], "");
    EXPECT_EQ(first, second);
}

TEST_F(WorkTest, EveryFieldIsStoredByteExact) {
    openWorkYear();
    typeInto(w->txtCognome, "  Esposito ");
    typeInto(w->txtNome, QStringLiteral("Nicolò"));
    typeInto(w->txtCodFisc, "spsncl85c12f839k");
    typeInto(w->txtRecapito, "081 555 1234");
    typeInto(w->txtMansione, "Giardiniere");
    typeInto(w->txtCategoria, "Operaio");
    typeInto(w->txtLuogo, "Napoli");
    typeInto(w->txtAttivita, QStringLiteral("Potatura è pulizia"));
    times("09:15", "17:45");
    w->txtCompensoOra->setText("12,5");
    typeInto(w->txtNomeProg, "Parco");
    typeInto(w->txtCodiceProg, "P-01");
    typeInto(w->txtAmbitoProg, "Verde");
    typeInto(w->txtPostazione, "Serra 2");
    typeInto(w->txtMateriali, "Forbici");
    typeInto(w->txtNote, QString(300, u'x'));
    w->chkIncompleto->setChecked(true);
    w->lblFile02->setText("doc.pdf");
    w->lblDesc03->setText("Descrizione");
    click(w->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kAdded));

    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 2913);
    auto field = [&](F::Field i) {
        const FieldSpec& spec = F::kFields[std::size_t(i)];
        return bytes.mid(spec.offset, static_cast<unsigned char>(bytes[spec.offset]) + 1);
    };
    auto text = [](const QString& s) { return QByteArray(1, char(s.size())) + cp1252::encode(s); };
    EXPECT_EQ(field(F::Cognome), text("Esposito"));
    EXPECT_EQ(field(F::Nome), QByteArray("\x06Nicol\xF2"));
    EXPECT_EQ(field(F::CodFisc), text("SPSNCL85C12F839K"));
    EXPECT_EQ(field(F::Recapito), text("081 555 1234"));
    EXPECT_EQ(field(F::Mansione), text("Giardiniere"));
    EXPECT_EQ(field(F::Categoria), text("Operaio"));
    EXPECT_EQ(field(F::Data), text("09/12/2026"));
    EXPECT_EQ(field(F::Luogo), text("Napoli"));
    EXPECT_EQ(field(F::Attivita), text(QStringLiteral("Potatura è pulizia")));
    EXPECT_EQ(field(F::DaOre), text("09"));
    EXPECT_EQ(field(F::DaMin), text("15"));
    EXPECT_EQ(field(F::AOre), text("17"));
    EXPECT_EQ(field(F::AMin), text("45"));
    EXPECT_EQ(field(F::OraInizio), text("09:15"));
    EXPECT_EQ(field(F::OraFine), text("17:45"));
    EXPECT_EQ(field(F::TotOre), text("8,5"));
    EXPECT_EQ(field(F::CompensoOra), text("12,50"));
    EXPECT_EQ(field(F::TotDovuto), text("106,25"));
    EXPECT_EQ(field(F::NomeProg), text("Parco"));
    EXPECT_EQ(field(F::CodiceProg), text("P-01"));
    EXPECT_EQ(field(F::AmbitoProg), text("Verde"));
    EXPECT_EQ(field(F::Postazione), text("Serra 2"));
    EXPECT_EQ(field(F::Materiali), text("Forbici"));
    EXPECT_EQ(field(F::Note), QByteArray(1, char(250)) + QByteArray(250, 'x'));
    EXPECT_EQ(field(F::Incompleto), QByteArray("\x02\x53\xEC"));
    EXPECT_EQ(field(F::File01), QByteArray(1, '\0'));
    EXPECT_EQ(field(F::File02), text("doc.pdf"));
    EXPECT_EQ(field(F::Desc03), text("Descrizione"));

    w->chkIncompleto->setChecked(false);
    click(w->cmdSalva);
    f.seek(0);
    EXPECT_EQ(f.readAll().mid(1404, 3), QByteArray("\x02\x4E\x6F"));
}

TEST_F(WorkTest, ARecordFullToEveryCapacityIsShownWholeAndSavedAsItWas) {
    // The pay is computed again on Save: times, rate, hours and amount take readable values.
    const Record full = fullRecord(F::layout, {{F::Data, QStringLiteral("01/02/2026")},
                                               {F::DaOre, QStringLiteral("08")},
                                               {F::DaMin, QStringLiteral("00")},
                                               {F::AOre, QStringLiteral("09")},
                                               {F::AMin, QStringLiteral("30")},
                                               {F::OraInizio, QStringLiteral("08:00")},
                                               {F::OraFine, QStringLiteral("09:30")},
                                               {F::TotOre, QStringLiteral("1,5")},
                                               {F::CompensoOra, QStringLiteral("10,00")},
                                               {F::TotDovuto, QStringLiteral("15,00")},
                                               {F::Incompleto, QStringLiteral("Sì")}});
    ASSERT_TRUE(archive::append(path(), full).ok());
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    openWorkYear();
    click(w->cmdPrimo);
    for (QLineEdit* box : w->findChildren<QLineEdit*>()) {
        const QByteArray name = box->objectName().mid(3).toLatin1();
        const int i = F::layout.indexOf(name.constData());
        if (i >= 0 && box->parentWidget() != nullptr && !qobject_cast<QComboBox*>(box->parentWidget())) {
            EXPECT_EQ(box->text(), full.at(i)) << box->objectName().toStdString();
        }
    }
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kUpdated));
    f.seek(0);
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(WorkTest, ARecordWrittenAsRawBytesIsDisplayed) {
    QByteArray raw(2 * 2913, '\0');
    auto put = [&](int record, int offset, const QByteArray& text) {
        const int at = record * 2913 + offset;
        raw[at] = char(text.size());
        raw.replace(at + 1, text.size(), text);
    };
    put(0, 0, "Neri");
    put(0, 272, "15/03/2026");
    put(0, 334, "Trasloco");
    put(0, 585, "07");
    put(0, 588, "30");
    put(0, 591, "16");
    put(0, 594, "05");
    put(0, 597, "07:30");
    put(0, 603, "16:05");
    put(0, 609, "8,58");
    put(0, 616, "11,00");
    put(0, 632, "94,38");
    put(0, 1404, "S\xEC");
    put(0, 2160, "Fattura");
    put(1, 0, "Gialli");
    put(1, 585, "7"); // not two digits: shown as it is
    put(1, 1404, "Forse");
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(raw);
    }
    openWorkYear();
    click(w->cmdPrimo);
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_EQ(w->txtCognome->text(), "Neri");
    EXPECT_EQ(w->txtData->text(), "15/03/2026");
    EXPECT_EQ(w->txtDaOre->currentText(), "07");
    EXPECT_EQ(w->txtDaMin->currentText(), "30");
    EXPECT_EQ(w->txtAOre->currentText(), "16");
    EXPECT_EQ(w->txtAMin->currentText(), "05");
    EXPECT_EQ(w->lblOraInizio->text(), "07:30");
    EXPECT_EQ(w->lblOraFine->text(), "16:05");
    EXPECT_EQ(w->txtTotOre->text(), "8,58");
    EXPECT_EQ(w->txtCompensoOra->text(), "11,00");
    EXPECT_EQ(w->txtTotDovuto->text(), "94,38");
    EXPECT_TRUE(w->chkIncompleto->isChecked());
    EXPECT_EQ(w->lblDesc01->text(), "Fattura");

    click(w->cmdAvanti); // "Forse" leaves the box as it was
    EXPECT_EQ(w->txtCognome->text(), "Gialli");
    EXPECT_TRUE(w->chkIncompleto->isChecked());
    EXPECT_EQ(w->txtDaOre->currentText(), "7");
    click(w->btnCalcolaOre); // a time that cannot be read stops with an error
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->takeMessages()[0].kind, MessageKind::Error);
    click(w->cmdNuovo);
    EXPECT_EQ(w->txtDaOre->count(), 24);
}

TEST_F(WorkTest, TimeListsTakeNoKeys) {
    openWorkYear();
    w->txtDaOre->setFocus();
    QApplication::processEvents();
    for (Qt::Key k : {Qt::Key_5, Qt::Key_Down, Qt::Key_End, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space})
        key(w->txtDaOre, k);
    EXPECT_EQ(w->txtDaOre->currentText(), "00");
    EXPECT_TRUE(w->txtDaOre->hasFocus());
}

TEST_F(WorkTest, DateFieldOpensTheCalendar) {
    openWorkYear();
    w->txtData->setFocus();
    QApplication::processEvents();
    key(w->txtData, Qt::Key_Backspace);
    EXPECT_EQ(w->txtData->text(), "");

    // "Annulla" leaves the empty date
    fake->modalHandlers.push_back([](QDialog* d) {
        auto* cal = qobject_cast<TfrmCalendario*>(d);
        ASSERT_NE(cal, nullptr);
        EXPECT_EQ(cal->windowTitle(), " Importazione data");
        EXPECT_EQ(cal->lblMemory->text(), "lavori_data");
        EXPECT_EQ(cal->calAppuntamenti->selectedDate(), QDate(2026, 12, 9));
        click(cal->btnAnnulla);
    });
    key(w->txtData, Qt::Key_A);
    EXPECT_EQ(w->txtData->text(), "");

    // "Importa" without choosing takes today; the key is not typed
    fake->modalHandlers.push_back([](QDialog* d) { click(static_cast<TfrmCalendario*>(d)->btnImportaData); });
    key(w->txtData, Qt::Key_Return);
    EXPECT_EQ(w->txtData->text(), "09/12/2026");

    fake->modalHandlers.push_back([](QDialog* d) {
        auto* cal = static_cast<TfrmCalendario*>(d);
        cal->calAppuntamenti->setSelectedDate(QDate(2026, 2, 28));
        click(cal->btnImportaData);
    });
    key(w->txtData, Qt::Key_7);
    EXPECT_EQ(w->txtData->text(), "28/02/2026");
    EXPECT_TRUE(fake->modalHandlers.empty());
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(WorkTest, CalendarWithAnotherTagDoesNothing) {
    openWorkYear();
    w->txtData->setText("01/01/2026");
    TfrmCalendario cal(w);
    writeCallerTag(&cal, "altro");
    cal.show();
    click(cal.btnImportaData);
    EXPECT_TRUE(cal.isVisible());
    EXPECT_EQ(w->txtData->text(), "01/01/2026");
}

TEST_F(WorkTest, EnterFollowsTheChain) {
    openWorkYear();
    const std::vector<std::pair<QWidget*, QWidget*>> steps = {
        {w->txtCognome, w->txtNome},          {w->txtNome, w->txtCodFisc},
        {w->txtCodFisc, w->txtRecapito},      {w->txtRecapito, w->txtMansione},
        {w->txtMansione, w->txtCategoria},    {w->txtCategoria, w->txtData},
        {w->txtLuogo, w->txtAttivita},        {w->txtAttivita, w->btnCalcolaOre},
        {w->txtTotOre, w->btnCalcolaDovuto},  {w->txtTotDovuto, w->txtNomeProg},
        {w->txtNomeProg, w->txtCodiceProg},   {w->txtCodiceProg, w->txtAmbitoProg},
        {w->txtAmbitoProg, w->txtPostazione}, {w->txtPostazione, w->txtMateriali},
        {w->txtMateriali, w->txtNote},        {w->txtNote, w->txtCognome},
    };
    for (const auto& [from, to] : steps) {
        SCOPED_TRACE(from->objectName().toStdString());
        from->setFocus();
        QApplication::processEvents();
        key(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), to);
    }
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(WorkTest, TabVisitsTheFieldsInTheOrderOfTheRecord) {
    const QStringList expected = {
        "txtCognome",       "txtNome",        "txtCodFisc",   "txtRecapito",   "txtMansione",
        "txtCategoria",     "txtData",        "txtLuogo",     "txtAttivita",   "txtDaOre",
        "txtDaMin",         "txtAOre",        "txtAMin",      "btnCalcolaOre", "txtTotOre",
        "btnCalcolaDovuto", "txtCompensoOra", "txtTotDovuto", "txtNomeProg",   "txtCodiceProg",
        "txtAmbitoProg",    "txtPostazione",  "txtMateriali", "txtNote",       "chkIncompleto"};
    QStringList visited;
    QWidget* at = w->txtCognome;
    do {
        if (expected.contains(at->objectName()) && !visited.contains(at->objectName()))
            visited << at->objectName();
        at = at->nextInFocusChain();
    } while (at != w->txtCognome);
    EXPECT_EQ(visited, expected);
}

TEST_F(WorkTest, FocusColours) {
    openWorkYear();
    w->txtLuogo->setFocus();
    QApplication::processEvents();
    const QColor aliceBlue(0xF0, 0xF8, 0xFF), beige(0xF5, 0xF5, 0xDC);
    EXPECT_EQ(test::groundOf(w->txtLuogo), QColor(Qt::yellow));
    EXPECT_EQ(test::groundOf(w->txtNote), aliceBlue);
    EXPECT_EQ(test::groundOf(w->txtTotOre), beige);
    EXPECT_TRUE(w->txtTotOre->isReadOnly());
    EXPECT_TRUE(w->txtData->isReadOnly());
    w->txtTotOre->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(test::groundOf(w->txtTotOre), beige);
    EXPECT_EQ(test::groundOf(w->txtLuogo), aliceBlue);
}
