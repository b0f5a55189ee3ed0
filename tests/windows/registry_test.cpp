#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "core/archive/cp1252.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "framework/commandbar.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/files.h"
#include "support/keys.h"
#include "support/records.h"
#include "support/faults.h"
#include "windows/app/tfrmavvio.h"
#include "windows/registry/tfrmistruttori.h"

using namespace orvelia;
using namespace orvelia::test;
using F = TSchedaLavoratore;

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAdded = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");

class RegistryTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        w = app->window<TfrmIstruttori>();
        ASSERT_NE(w, nullptr);
        openRegistry();
    }
    QString path() const { return employeeArchivePath(folder.path()); }
    qint64 count() const { return *archive::count(path(), F::layout); }
    Record stored(qint64 k) const { return *archive::read(path(), k, F::layout); }
    /// Appends a worker directly to the archive.
    void appendWorker(const QString& surname) {
        Record r(F::layout);
        r[F::Cognome] = surname;
        r[F::Nome] = QStringLiteral("Nome ") + surname;
        r[F::Decorrenza] = QStringLiteral("01/01/2026");
        r[F::Scadenza] = QStringLiteral("31/12/2026");
        r[F::Preavviso] = QStringLiteral("30");
        ASSERT_TRUE(archive::append(path(), r).ok());
    }
    void fillRequired(const QString& surname = QStringLiteral("Rossi")) {
        typeInto(w->txtCognome, surname);
        typeInto(w->txtNome, QStringLiteral("Mario"));
    }

    TfrmIstruttori* w = nullptr;
};

} // namespace

TEST_F(RegistryTest, OpensFromTheMenuAsAnEmptyNewRecord) {
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmIstruttori"});
    EXPECT_EQ(w->windowTitle(), " Orvelia - Anagrafica lavoratori");
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w->txtDecorrenza->text(), "09/12/2026");
    EXPECT_EQ(w->txtScadenza->text(), "09/12/2026");
    EXPECT_EQ(w->txtPreavviso->text(), "0");
    EXPECT_EQ(w->txtTotale->text(), "0,00");
    EXPECT_EQ(w->txtRata->text(), "0,00");
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_TRUE(w->txtCognome->hasFocus());
    EXPECT_EQ(w->panInfo->text(), "Pronto per salvare una nuova scheda...");
}

TEST_F(RegistryTest, EveryShowAndNewResetTheWindow) {
    appendWorker("Bianchi");
    click(w->cmdPrimo);
    ASSERT_EQ(w->txtCognome->text(), "Bianchi");
    w->lblFile01->setText("contratto.pdf");
    w->txtProvNasc->setEditText("RM");
    // leave by the exit command, come back from the menu
    click(w->cmdEsci);
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
    openRegistry();
    EXPECT_EQ(w->txtCognome->text(), "");
    EXPECT_EQ(w->txtProvNasc->currentText(), "");
    EXPECT_EQ(w->txtProvNasc->currentIndex(), -1);
    EXPECT_EQ(w->lblFile01->text(), "");
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_EQ(w->txtPreavviso->text(), "0");

    click(w->cmdPrimo);
    typeInto(w->txtTotale, "12");
    click(w->cmdNuovo);
    EXPECT_EQ(w->txtCognome->text(), "");
    EXPECT_EQ(w->txtTotale->text(), "0,00");
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_TRUE(w->txtCognome->hasFocus());
    EXPECT_EQ(count(), 1); // New touches nothing
}

TEST_F(RegistryTest, TitleBarCloseLeadsBackToTheMenuToo) {
    w->close();
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(RegistryTest, FieldsTakeTheirInputRules) {
    for (QLineEdit* box : {w->txtIva, w->txtCarta, w->txtPreavviso}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->clear();
        typeInto(box, "1a-2. b3");
        EXPECT_EQ(box->text(), "123");
    }
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{w->txtTotale, "1,5", "1,50"}, Case{w->txtTotale, "1,23456", "1,2346"},
                          Case{w->txtRata, "", "0,00"}, Case{w->txtRata, "7a", "7,00"}}) {
        SCOPED_TRACE(c.typed);
        c.box->clear();
        typeInto(c.box, c.typed);
        key(c.box, Qt::Key_Tab);
        EXPECT_EQ(c.box->text(), c.shown);
    }
    typeInto(w->txtCodFisc, "rssmra80a01h501u");
    EXPECT_EQ(w->txtCodFisc->text(), "RSSMRA80A01H501U");
    typeInto(w->txtSesso, "mf");
    EXPECT_EQ(w->txtSesso->text(), "M");
    typeInto(w->txtIban, " it60x");
    EXPECT_EQ(w->txtIban->text(), "IT60X");
    typeInto(w->txtEmail, " mario@rossi.it ");
    EXPECT_EQ(w->txtEmail->text(), "mario@rossi.it");
    // Typing stops at the capacity; Rata takes 15 characters although its field holds 50.
    const std::pair<QLineEdit*, int> limits[] = {{w->txtCognome, 50},    {w->txtFamiliari, 250},
                                                 {w->txtPagamento, 120}, {w->txtRata, 15},
                                                 {w->txtCodice, 30},     {w->txtProvRes->lineEdit(), 2}};
    for (const auto& [box, length] : limits)
        EXPECT_EQ(typedLength(box, length + 3), length) << box->objectName().toStdString();
}

TEST_F(RegistryTest, FocusFramesHaveRoomBesideTheCheckPicturesToo) {
    w->resize(1280, 800);
    QApplication::processEvents();
    for (QLineEdit* box : {w->txtCognome, w->txtCodFisc, w->txtIva, w->txtEmail, w->txtIban, w->txtCarta}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        QApplication::processEvents();
        auto* frame = w->findChild<QWidget*>("eff" + box->objectName().mid(3));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        // The whole frame lies inside what draws it, three pixels round the box.
        EXPECT_TRUE(frame->parentWidget()->rect().contains(frame->geometry()));
        const QRect around(box->mapTo(frame->parentWidget(), QPoint(-3, -3)), box->size() + QSize(6, 6));
        EXPECT_EQ(frame->geometry(), around);
    }
}

TEST_F(RegistryTest, ProvinceBoxesOfferTheListAndUpperCaseWhatIsTyped) {
    ASSERT_EQ(w->txtProvNasc->count(), 112);
    EXPECT_EQ(w->txtProvNasc->itemText(0), "AG");
    EXPECT_EQ(w->txtProvNasc->itemText(111), "VV");
    EXPECT_EQ(w->txtProvRes->itemText(85), "RM");
    typeInto(w->txtProvNasc, "rmx");
    EXPECT_EQ(w->txtProvNasc->currentText(), "RM");
    // The list selection is cleared on entry; what the box shows stays.
    w->txtProvRes->setCurrentIndex(10);
    w->txtCognome->setFocus();
    QApplication::processEvents();
    w->txtProvRes->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->txtProvRes->currentIndex(), -1);
    EXPECT_EQ(w->txtProvRes->currentText(), "BG");
}

TEST_F(RegistryTest, EnterVisitsEveryFieldOnceAndWraps) {
    const QStringList expected = {
        "txtNome",        "txtCodFisc",  "txtSesso",         "txtDataNasc",   "txtComuneNasc",
        "txtProvNasc",    "txtIva",      "txtIndirizzo",     "txtCap",        "txtComuneRes",
        "txtProvRes",     "txtStato",    "txtFamiliari",     "txtRecapito",   "txtTelCasa",
        "txtTelCel",      "txtTelUff",   "txtFax",           "txtEmail",      "txtQualifiche",
        "txtProfessione", "txtIban",     "txtIntestatario",  "txtBanca",      "txtCarta",
        "txtScadeCarta",  "txtProdotti", "txtPagamento",     "txtNote",       "txtTipoDoc",
        "txtNumDoc",      "txtEnteRil",  "txtDataRil",       "txtDataSca",    "txtCodice",
        "txtCategoria",   "txtZona",     "txtAcquisto",      "txtDecorrenza", "txtScadenza",
        "txtPreavviso",   "txtTotale",   "txtFrazionamento", "txtRata",       "txtCognome"};
    w->txtCognome->setFocus();
    QApplication::processEvents();
    QStringList visited;
    for (int i = 0; i < 45; ++i) {
        key(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* f = QApplication::focusWidget();
        // the drop-down lists keep the focus on the list, not on its inner box
        visited << (f ? f->objectName() : QString("(nessuno)"));
    }
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(fake->messages.empty()); // Enter never saves
    EXPECT_EQ(count(), 0);
}

TEST_F(RegistryTest, EmptyArchiveAnswersEveryBrowseCommand) {
    typeInto(w->txtCognome, "Bozza");
    for (CommandButton* command : {w->cmdPrimo, w->cmdUltimo, w->cmdAvanti, w->cmdIndietro}) {
        SCOPED_TRACE(command->objectName().toStdString());
        click(command);
        EXPECT_EQ(messages(), one(MessageKind::Information, kEmpty));
        EXPECT_EQ(w->txtCognome->text(), "Bozza");
        EXPECT_EQ(w->lblPosizione->text(), "");
    }
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(QFileInfo(path()).size(), 0);
}

TEST_F(RegistryTest, SaveAppendsThenOverwritesTheSameRecord) {
    fillRequired();
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_EQ(count(), 1);
    typeInto(w->txtNome, "Giuseppe");
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kUpdated));
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(stored(1)[F::Nome], "MarioGiuseppe");
}

TEST_F(RegistryTest, BrowsingMovesThroughTheArchive) {
    for (const char* s : {"Uno", "Due", "Tre"})
        appendWorker(s);
    // From a new record both Next and Previous show record 1.
    click(w->cmdAvanti);
    EXPECT_EQ(w->txtCognome->text(), "Uno");
    click(w->cmdNuovo);
    click(w->cmdIndietro);
    EXPECT_EQ(w->lblPosizione->text(), "1");
    click(w->cmdIndietro); // on record 1: nothing
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_TRUE(fake->messages.empty());

    click(w->cmdNuovo);
    fillRequired("Quattro");
    click(w->cmdSalva);
    EXPECT_EQ(w->lblPosizione->text(), "4");
    click(w->cmdIndietro);
    EXPECT_EQ(w->txtCognome->text(), "Tre");
    click(w->cmdAvanti);
    EXPECT_EQ(w->txtCognome->text(), "Quattro");
    click(w->cmdAvanti); // on the last: nothing, no message
    EXPECT_EQ(w->lblPosizione->text(), "4");
    click(w->cmdPrimo);
    EXPECT_EQ(w->lblPosizione->text(), "1");
    click(w->cmdUltimo);
    EXPECT_EQ(w->lblPosizione->text(), "4");
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));

    // Edits are dropped by a browse command without a question.
    typeInto(w->txtCognome, "Modificato");
    click(w->cmdIndietro);
    click(w->cmdAvanti);
    EXPECT_EQ(w->txtCognome->text(), "Quattro");
    EXPECT_EQ(stored(4)[F::Cognome], "Quattro");
}

TEST_F(RegistryTest, SaveChecksInOrder) {
    struct Case {
        const char* why;
        std::function<void()> prepare;
        MessageKind kind;
        QString text;
        QWidget* focus;
    };
    const QString dateTail =
        QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare "
                       "una data valida nel formato gg/mm/aaaa.");
    const std::vector<Case> cases = {
        {"surname of blanks", [&] { typeInto(w->txtCognome, "   "); }, MessageKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare il cognome del lavoratore.", w->txtCognome},
        {"no first name", [&] { typeInto(w->txtCognome, "Rossi"); }, MessageKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare il nome del lavoratore.", w->txtNome},
        {"no start date",
         [&] {
             fillRequired();
             w->txtDecorrenza->clear();
             w->txtScadenza->clear();
         },
         MessageKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare la data di decorrenza del contratto di "
         "assunzione.",
         w->txtDecorrenza},
        {"no expiry",
         [&] {
             fillRequired();
             w->txtScadenza->clear();
             w->txtDecorrenza->setText("x");
         },
         MessageKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del contratto di "
         "assunzione.",
         w->txtScadenza},
        {"start does not exist",
         [&] {
             fillRequired();
             w->txtDecorrenza->setText("31/02/2024");
         },
         MessageKind::Plain, "Attenzione: la data di decorrenza del contratto 31/02/2024" + dateTail,
         w->txtDecorrenza},
        {"expiry does not exist",
         [&] {
             fillRequired();
             w->txtScadenza->setText("01-02-2024");
         },
         MessageKind::Plain, "Attenzione: la data di scadenza del contratto 01-02-2024" + dateTail,
         w->txtScadenza},
        {"expiry before start",
         [&] {
             fillRequired();
             w->txtDecorrenza->setText("10/05/2024");
             w->txtScadenza->setText("09/05/2024");
             w->txtNote->setFocus();
         },
         MessageKind::Plain,
         "Attenzione: la data di scadenza del contratto (09/05/2024) non può essere anteriore a quella di "
         "decorrenza (10/05/2024).\n\r\n\rPer poter salvare la scheda è necessario indicare un intervallo di "
         "tempo valido.",
         w->txtNote},
        {"no notice days",
         [&] {
             fillRequired();
             w->txtPreavviso->clear();
         },
         MessageKind::Warning,
         "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso.", w->txtPreavviso},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        click(w->cmdNuovo);
        c.prepare();
        QApplication::processEvents();
        click(w->cmdSalva);
        EXPECT_EQ(messages(), one(c.kind, c.text));
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
        EXPECT_EQ(w->lblPosizione->text(), "");
    }
    EXPECT_FALSE(QFile::exists(path())); // a refused save never opens the archive

    // Equal dates pass, and so do zero notice days.
    click(w->cmdNuovo);
    fillRequired();
    w->txtDecorrenza->setText("10/05/2024");
    w->txtScadenza->setText("10/05/2024");
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
}

TEST_F(RegistryTest, SavedBytesAreTheStoredFormOfWhatWasTyped) {
    typeInto(w->txtCognome, "  D'Angelo  ");
    typeInto(w->txtNome, QStringLiteral("Nicolò"));
    typeInto(w->txtNote, QString(60, u'n'));
    typeInto(w->txtComuneNasc, QStringLiteral("Forlì € Ω"));
    w->txtTotale->clear();
    typeInto(w->txtTotale, "1250,5");
    key(w->txtTotale, Qt::Key_Tab);
    w->lblDesc03->setText("  Carta d'identità ");
    click(w->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(w->txtCognome->text(), "  D'Angelo  "); // the screen keeps what was typed

    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 4043);
    auto field = [&](F::Field i) {
        const FieldSpec& spec = F::kFields[std::size_t(i)];
        const int length = static_cast<unsigned char>(bytes[spec.offset]);
        return bytes.mid(spec.offset, length + 1);
    };
    EXPECT_EQ(field(F::Cognome), QByteArray("\x08"
                                            "D'Angelo"));
    EXPECT_EQ(field(F::Nome), QByteArray("\x06Nicol\xF2"));
    EXPECT_EQ(field(F::ComuneNasc), QByteArray("\x09"
                                               "Forl\xEC \x80 ?"));
    EXPECT_EQ(field(F::Note), QByteArray(1, 60) + QByteArray(60, 'n'));
    EXPECT_EQ(field(F::Totale), QByteArray("\x07"
                                           "1250,50"));
    EXPECT_EQ(field(F::Decorrenza), QByteArray("\x0A"
                                               "09/12/2026"));
    EXPECT_EQ(field(F::Preavviso), QByteArray("\x01"
                                              "0"));
    EXPECT_EQ(field(F::Desc03), QByteArray("\x10") + cp1252::encode(QStringLiteral("Carta d'identità")));
    EXPECT_EQ(field(F::Email), QByteArray("\x00", 1));
}

TEST_F(RegistryTest, AnAmountStillBeingTypedIsSavedAsTheScreenThenShowsIt) {
    fillRequired();
    w->txtTotale->clear();
    typeInto(w->txtTotale, "1,5");
    ASSERT_TRUE(w->txtTotale->hasFocus());
    click(w->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(w->txtTotale->text(), "1,50");
    EXPECT_EQ(stored(1)[F::Totale], "1,50");
}

TEST_F(RegistryTest, ARecordWrittenAsRawBytesLoadsIntoItsFields) {
    QByteArray raw(4043, '\xAA'); // bytes past each text carry no meaning
    auto put = [&](int offset, const QByteArray& text) {
        raw[offset] = char(text.size());
        raw.replace(offset + 1, text.size(), text);
    };
    put(0, "Verdi");
    put(51, "Giovanna");
    put(102, "VRDGNN70A41F205X");
    put(183, "MI");
    put(866, " g.verdi@posta.it ");
    put(2393, "01/03/2020");
    put(2419, "1500,5");
    put(2537, "C:\\Documenti\\contratto.pdf");
    put(3792, "Patente");
    raw[2415] = char(200); // a length byte above the capacity reads as the capacity: "\xAA\xAA\xAA"
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(raw);
    }
    click(w->cmdPrimo);
    EXPECT_EQ(w->lblPosizione->text(), "1");
    EXPECT_EQ(w->txtCognome->text(), "Verdi");
    EXPECT_EQ(w->txtNome->text(), "Giovanna");
    EXPECT_EQ(w->txtCodFisc->text(), "VRDGNN70A41F205X");
    EXPECT_EQ(w->txtProvNasc->currentText(), "MI");
    EXPECT_EQ(w->txtEmail->text(), "g.verdi@posta.it");
    EXPECT_EQ(w->txtDecorrenza->text(), "01/03/2020");
    EXPECT_EQ(w->txtTotale->text(), "1500,5"); // shown as stored, not normalised
    EXPECT_EQ(w->txtPreavviso->text(), QStringLiteral("ªªª"));
    EXPECT_EQ(w->lblFile01->text(), "C:\\Documenti\\contratto.pdf");
    EXPECT_EQ(w->lblDesc03->text(), "Patente");
}

TEST_F(RegistryTest, ARecordFullToEveryCapacityIsShownWholeAndSavedByteForByte) {
    // Rata takes 15 typed characters but holds 50; loaded, shown and saved it must stay whole.
    const Record full = fullRecord(F::layout, {{F::Decorrenza, QStringLiteral("01/01/2026")},
                                               {F::Scadenza, QStringLiteral("31/12/2026")},
                                               {F::Preavviso, QStringLiteral("999")}});
    ASSERT_TRUE(archive::append(path(), full).ok());
    const QByteArray before = fileBytes(path());
    click(w->cmdPrimo);
    for (int i = 0; i < F::FieldCount; ++i) {
        const auto field = F::Field(i);
        EXPECT_EQ(w->fieldText(field), full[field]) << F::kFields[std::size_t(i)].name;
    }
    EXPECT_EQ(w->txtRata->text().size(), 50);
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kUpdated));
    EXPECT_EQ(fileBytes(path()), before);

    // A money box keeps its normalised amount whole where its field holds it.
    w->txtRata->clear();
    typeInto(w->txtRata, "1234567890123456789");
    key(w->txtRata, Qt::Key_Tab);
    EXPECT_EQ(w->txtRata->text(), "123456789012345,00");
}

TEST_F(RegistryTest, ArchiveFailuresShowTheAccessMessage) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Brenzo.pro"));
    click(w->cmdPrimo);
    EXPECT_EQ(messages(), one(MessageKind::Error, kAccess));
    fillRequired();
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Error, kAccess));
    EXPECT_EQ(w->lblPosizione->text(), ""); // still new: a later save tries again
    EXPECT_EQ(w->txtCognome->text(), "Rossi");
}

TEST_F(RegistryTest, AFailedSaveLeavesNothingAndTheNextSaveStoresTheRecordOnce) {
    fillRequired();
    {
        ScopedFaults faults(failFirst(sys::FileOp::Flush, path()));
        click(w->cmdSalva);
    }
    EXPECT_EQ(messages(), one(MessageKind::Error, kAccess));
    EXPECT_EQ(w->lblPosizione->text(), "");
    EXPECT_EQ(count(), 0);
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kAdded));
    EXPECT_EQ(count(), 1);
}

TEST_F(RegistryTest, SavesThatCannotBeMadeSafelyAreToldAsSuch) {
    struct Case {
        const char* what;
        std::function<sys::Fault(sys::FileOp)> fault;
        ShownMessage message;
    };
    const Case cases[] = {
        {"another workstation keeps the archive",
         [](sys::FileOp op) { return op == sys::FileOp::Lock ? sys::Fault{sys::Fault::Busy} : sys::Fault{}; },
         {MessageKind::Warning, kArchiveBusyMessage}},
        {"a failed save that cannot be taken back",
         [](sys::FileOp op) {
             return op == sys::FileOp::Flush || op == sys::FileOp::Resize ? sys::Fault{sys::Fault::Fail}
                                                                          : sys::Fault{};
         },
         {MessageKind::Error, kSaveUncertainMessage}},
    };
    fillRequired();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedFaults faults(
            [&](sys::FileOp op, const QString& file) { return file == path() ? c.fault(op) : sys::Fault{}; });
        click(w->cmdSalva);
        EXPECT_EQ(messages(), std::vector<ShownMessage>{c.message});
        EXPECT_EQ(w->lblPosizione->text(), "");
    }
}

TEST_F(RegistryTest, AFolderThatCannotLockIsToldOnceAndSavesGoOn) {
    archive::takeUnlockedSaveNotice(); // whatever an earlier test left
    fillRequired();
    ScopedFaults faults([](sys::FileOp op, const QString&) {
        return op == sys::FileOp::Lock ? sys::Fault{sys::Fault::Skip} : sys::Fault{};
    });
    click(w->cmdSalva);
    EXPECT_EQ(messages(), (std::vector<ShownMessage>{{MessageKind::Information, kAdded},
                                                     {MessageKind::Plain, kUnlockedSavesMessage}}));
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Information, kUpdated));
    EXPECT_EQ(count(), 1);
}

TEST_F(RegistryTest, ARecordNumberPastTheEndIsNeverWritten) {
    appendWorker("Uno");
    fillRequired();
    w->lblPosizione->setText("5");
    click(w->cmdSalva);
    EXPECT_EQ(messages(), one(MessageKind::Error, kAccess));
    EXPECT_EQ(QFileInfo(path()).size(), 4043);
    click(w->cmdIndietro); // record 4 does not exist either
    EXPECT_EQ(messages(), one(MessageKind::Error, kAccess));
    click(w->cmdAvanti); // past the last: nothing
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(RegistryTest, EmailButtonOpensAMessageToTheTrimmedAddress) {
    typeInto(w->txtEmail, "mario@rossi.it");
    click(w->btnEmail);
    w->txtEmail->clear();
    click(w->btnEmail);
    EXPECT_EQ(fake->opened, (QStringList{"\"mailto:mario@rossi.it\"", "\"mailto:\""}));
}

TEST_F(RegistryTest, StatusLineDescribesCommandsAndEmptiesOverTheBackground) {
    auto over = [&](QWidget* target, QPoint at = QPoint()) {
        QTest::mouseMove(target, at.isNull() ? target->rect().center() : at);
        QApplication::processEvents();
        return w->panInfo->text();
    };
    EXPECT_EQ(over(w->cmdSalva), "Salva la scheda corrente in archivio.");
    EXPECT_EQ(over(w->btnCarta), "Controlla il numero di carta di credito.");
    EXPECT_EQ(over(w->txtCognome), "Controlla il numero di carta di credito."); // a field leaves it
    auto* panel = w->findChild<QWidget*>("panAnagrafica");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(over(panel, QPoint(6, 6)), "");
    EXPECT_EQ(over(w->btnIva), "Controlla il numero di partita IVA.");
    EXPECT_EQ(over(w->findChild<QWidget*>("lblCognome")),
              "Controlla il numero di partita IVA."); // so does a label
    EXPECT_EQ(over(w->cmdEsci), "Esci da questa schermata di lavoro.");
    EXPECT_EQ(over(w->findChild<QWidget*>("shpGruppo1")), "");
    EXPECT_EQ(over(w->cmdNuovo), "Prepara la schermata per la registrazione di una nuova scheda.");
}

#include "windows/checks/tfrmcarta.h"
#include "windows/checks/tfrmcodfisc.h"
#include "windows/checks/tfrmiban.h"
#include "windows/checks/tfrmpartitaiva.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

namespace {
// Records which check window opened and with what, then closes it.
template <typename W> std::function<void(QDialog*)> expectCheck(QLineEdit* W::*field, QString expected) {
    return [field, expected](QDialog* d) {
        auto* check = qobject_cast<W*>(d);
        ASSERT_NE(check, nullptr) << d->objectName().toStdString();
        EXPECT_EQ((check->*field)->text(), expected);
        d->reject();
    };
}
} // namespace

TEST_F(RegistryTest, CheckPicturesOpenTheirChecks) {
    struct Case {
        const char* codFisc;
        std::function<void(QDialog*)> expect;
    };
    const Case cases[] = {
        {"12345678903", expectCheck(&TfrmPartitaIva::txtPartitaIva, "12345678903")},
        {"RSSMRA80A01H501U", expectCheck(&TfrmCodFisc::txtCodFisc, "RSSMRA80A01H501U")},
        {"123A", expectCheck(&TfrmCodFisc::txtCodFisc, "123A")},
        {"", expectCheck(&TfrmCodFisc::txtCodFisc, "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codFisc);
        w->txtCodFisc->setText(c.codFisc);
        fake->modalHandlers.push_back(c.expect);
        click(w->btnCodFisc);
        EXPECT_TRUE(fake->modalHandlers.empty());
    }
    w->txtIva->setText("01234567890");
    fake->modalHandlers.push_back(expectCheck(&TfrmPartitaIva::txtPartitaIva, "01234567890"));
    click(w->btnIva);
    w->txtCarta->setText("4111111111111111");
    fake->modalHandlers.push_back(expectCheck(&TfrmCarta::txtNumero, "4111111111111111"));
    click(w->btnCarta);
    w->txtIban->setText("IT60X0542811101000000123456");
    fake->modalHandlers.push_back(expectCheck(&TfrmIban::txtIban, "IT60X0542811101000000123456"));
    click(w->btnIban);
    EXPECT_TRUE(fake->modalHandlers.empty());
    EXPECT_EQ(w->txtIban->text(), "IT60X0542811101000000123456"); // the checks give nothing back

    // The work window follows the same rule for its codice fiscale.
    auto* work = app->window<TfrmLavori>();
    app->window<TfrmMenuLavori>()->show();
    work->openYear(workArchivePath(folder.path(), "2026"), "2026");
    app->showInsteadOf(w, work);
    work->txtCodFisc->setText("12345678903");
    fake->modalHandlers.push_back(expectCheck(&TfrmPartitaIva::txtPartitaIva, "12345678903"));
    click(work->btnCodFisc);
    work->txtCodFisc->setText("RSSMRA80A01H501U");
    fake->modalHandlers.push_back(expectCheck(&TfrmCodFisc::txtCodFisc, "RSSMRA80A01H501U"));
    click(work->btnCodFisc);
    EXPECT_TRUE(fake->modalHandlers.empty());
}
