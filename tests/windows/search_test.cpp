#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/archive/recordfile.h"
#include "core/registry/employeelines.h"
#include "framework/commandbar.h"
#include "framework/listview.h"
#include "framework/report.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "support/windows.h"
#include "windows/common/listwindow.h"
#include "windows/app/tfrmavvio.h"
#include "core/system/settings.h"
#include "windows/registry/tfrmdarinnovare.h"
#include "windows/registry/tfrmdocumentiscadenza.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/registry/tfrmtrovaistruttori.h"
#include "windows/reports/tfrmmenuriepilogopagamenti.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

using namespace orvelia;
using namespace orvelia::test;
using F = TSchedaLavoratore;

namespace {

const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");

struct Worker {
    const char* surname;
    const char* name;
    const char* codFisc = "";
    const char* job = "";
    const char* expiry = "31/12/2027";
    const char* notice = "30";
    const char* email = "";
};

Record record(const Worker& w) {
    Record r(F::layout);
    r[F::Cognome] = QString::fromUtf8(w.surname);
    r[F::Nome] = QString::fromUtf8(w.name);
    r[F::CodFisc] = QString::fromUtf8(w.codFisc);
    r[F::Codice] = QString::fromUtf8(w.job);
    r[F::Categoria] = QStringLiteral("Operaio");
    r[F::Recapito] = QStringLiteral("333 1234567");
    r[F::Email] = QString::fromUtf8(w.email);
    r[F::Decorrenza] = QStringLiteral("01/01/2026");
    r[F::Scadenza] = QString::fromUtf8(w.expiry);
    r[F::Preavviso] = QString::fromUtf8(w.notice);
    r[F::Totale] = QStringLiteral("1200,00");
    r[F::Rata] = QStringLiteral("100,00");
    r[F::Acquisto] = QStringLiteral("Tempo determinato");
    r[F::File01] = QStringLiteral("contratto.pdf");
    return r;
}

class SearchTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        registryWindow = app->window<TfrmIstruttori>();
        ASSERT_TRUE(registryWindow);
    }
    void write(const std::vector<Worker>& workers) {
        for (const Worker& w : workers)
            ASSERT_TRUE(archive::append(path(), record(w)).ok());
    }
    QString path() const { return employeeArchivePath(folder.path()); }
    void withSearch(const std::function<void(TfrmTrovaIstruttori*)>& body) {
        withWindow<TfrmTrovaIstruttori>(registryWindow->cmdTrova, body);
    }
    void withExpiring(const std::function<void(TfrmDaRinnovare*)>& body) {
        withWindow<TfrmDaRinnovare>(registryWindow->cmdScaduti, body);
    }

    TfrmIstruttori* registryWindow = nullptr;
};

} // namespace

TEST_F(SearchTest, OpensOnTheCriteriaAndListsTheMatchesSorted) {
    write({{"Rossi", "Mario", "RSSMRA80A01H501U", "Giardiniere"},
           {"bianchi", "Anna", "", "Giardiniera"},
           {"Verdi", "Ugo", "", "Autista"},
           {"Rossetti", "Lia", "", "Autista"}});
    openRegistry();
    withSearch([&](TfrmTrovaIstruttori* d) {
        EXPECT_EQ(d->windowTitle(), " Trova lavoratori in archivio");
        EXPECT_EQ(d->lblMemory->text(), "istruttori");
        EXPECT_TRUE(d->panAvvio->isVisible());
        EXPECT_FALSE(d->panContainer->isVisible());
        EXPECT_FALSE(d->lblAttendere->isVisible());
        EXPECT_EQ(d->lblAttendere->text(), "Ricerca schede in corso. Attendere...");
        EXPECT_TRUE(d->txtCognome->hasFocus());
        EXPECT_EQ(d->lblConta->text(), "0");

        // Enter walks the ten boxes round and never searches.
        const std::vector<QLineEdit*> chain = {d->txtCognome,  d->txtNome, d->txtCodice,    d->txtCategoria,
                                               d->txtCodFisc,  d->txtIva,  d->txtFamiliari, d->txtProdotti,
                                               d->txtAcquisto, d->txtNote};
        for (std::size_t i = 0; i < chain.size(); ++i) {
            ASSERT_TRUE(chain[i]->hasFocus()) << i;
            auto* frame = d->findChild<QWidget*>("eff" + chain[i]->objectName().mid(3));
            ASSERT_NE(frame, nullptr) << i;
            EXPECT_TRUE(frame->isVisible()) << i;
            key(chain[i], Qt::Key_Return);
            EXPECT_FALSE(frame->isVisible()) << i;
        }
        EXPECT_TRUE(d->txtCognome->hasFocus());
        EXPECT_TRUE(d->panAvvio->isVisible());

        typeText(d->txtCodice, QStringLiteral("GIARD"));
        QTest::mousePress(d->btnCerca, Qt::LeftButton);
        EXPECT_TRUE(d->lblAttendere->isVisible());
        QTest::mouseRelease(d->btnCerca, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(d->lblConta->text(), "1");
        EXPECT_TRUE(d->panContainer->isVisible());
        EXPECT_FALSE(d->panAvvio->isVisible());
        EXPECT_TRUE(d->txtTrova->hasFocus());
        ASSERT_EQ(d->lstRecords->count(), 2);
        EXPECT_TRUE(
            d->lstRecords->lines().at(0).startsWith("bianchi Anna")); // small letters sort as capitals
        EXPECT_TRUE(d->lstRecords->lines().at(1).startsWith("Rossi Mario"));
        EXPECT_EQ(d->lblTrovate->text(), "Il presente riepilogo contiene 2 schede.");

        typeText(d->txtTrova, QStringLiteral("rossi"));
        EXPECT_EQ(d->lstRecords->selectedRow(), 0);
        key(d->txtTrova, Qt::Key_Return); // Enter goes to Trova without pressing it
        EXPECT_TRUE(d->btnTrova->hasFocus());
        EXPECT_EQ(d->lstRecords->selectedRow(), 0);
        key(d->btnTrova, Qt::Key_Return); // a second Enter presses it, as Apri and Controlla
        EXPECT_EQ(d->lstRecords->selectedRow(), 1);
        click(d->btnChiudi);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->lstRecords->count(), 0);
    });
    EXPECT_EQ(registryWindow->lblPosizione->text(), ""); // Chiudi sends nothing back
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(SearchTest, NoFilterListsEverybodyAndATrailingBlankIsPartOfTheKey) {
    write({{"Rossi", "Mario"}, {"De Rossi", "Anna"}, {"Bianchi", "Ugo"}});
    openRegistry();
    struct Case {
        const char* typed;
        QStringList surnames;
    };
    const Case cases[] = {
        {"", {"Bianchi Ugo", "De Rossi Anna", "Rossi Mario"}},
        {"ROSSI", {"De Rossi Anna", "Rossi Mario"}},
        {"de ", {"De Rossi Anna"}},
        {"rossi ", {}}, // the stored surname ends there: nothing follows it
        {" rossi", {"De Rossi Anna"}},
    };
    for (const Case& c : cases) {
        withSearch([&](TfrmTrovaIstruttori* d) {
            typeText(d->txtCognome, QString::fromUtf8(c.typed));
            click(d->btnCerca);
            QStringList names;
            for (const QString& line : d->lstRecords->lines())
                names << line.left(28).trimmed();
            EXPECT_EQ(names, c.surnames) << c.typed;
            EXPECT_EQ(d->lblTrovate->text(),
                      QString("Il presente riepilogo contiene %1 schede.").arg(c.surnames.size()));
            click(d->btnChiudi);
        });
    }
}

TEST_F(SearchTest, AnArchiveThatCannotBeOpenedKeepsTheCriteria) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Brenzo.pro"));
    openRegistry();
    withSearch([&](TfrmTrovaIstruttori* d) {
        click(d->btnCerca);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Error, kAccess}}));
        EXPECT_TRUE(d->panAvvio->isVisible());
        EXPECT_FALSE(d->lblAttendere->isVisible());
        click(d->btnAnnulla);
    });
}

TEST_F(SearchTest, IdenticalLinesLoadTheLaterRecordIntoTheRegistry) {
    write({{"Verdi", "Ugo"},
           {"Rossi", "Mario", "RSSMRA80A01H501U", "", "31/12/2027", "30", "primo@example.it"},
           {"Bianchi", "Anna"},
           {"Rossi", "Mario", "RSSMRA80A01H501U", "", "30/06/2027", "15", "secondo@example.it"}});
    openRegistry();
    withSearch([&](TfrmTrovaIstruttori* d) {
        typeText(d->txtCognome, QStringLiteral("rossi"));
        click(d->btnCerca);
        ASSERT_EQ(d->lstRecords->count(), 2);
        EXPECT_EQ(d->lstRecords->lines().at(0), d->lstRecords->lines().at(1));
        doubleClickRow(d->lstRecords, 0);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(registryWindow->lblPosizione->text(), "4");
    EXPECT_EQ(registryWindow->txtEmail->text(), "secondo@example.it");
    EXPECT_EQ(registryWindow->txtScadenza->text(), "30/06/2027");
    EXPECT_EQ(registryWindow->txtPreavviso->text(), "15");
    EXPECT_EQ(registryWindow->txtAcquisto->text(), "Tempo determinato");
    EXPECT_EQ(registryWindow->lblFile01->text(), "contratto.pdf");
    EXPECT_EQ(registryWindow->recordOnScreen(), *archive::read(path(), 4, F::layout));
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(SearchTest, ADoubleClickWithNoLineSelectedClosesSilently) {
    write({{"Rossi", "Mario"}});
    openRegistry();
    withSearch([&](TfrmTrovaIstruttori* d) {
        click(d->btnCerca);
        d->lstRecords->selectRow(-1);
        QTest::mouseDClick(d->lstRecords->viewport(), Qt::LeftButton, {},
                           QPoint(20, d->lstRecords->viewport()->height() - 5));
        QApplication::processEvents();
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(registryWindow->lblPosizione->text(), "");
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(SearchTest, TheWorkWindowReceivesSixFieldsOnly) {
    write({{"Rossi", "Mario", "RSSMRA80A01H501U", "Giardiniere"}});
    auto* work = app->window<TfrmLavori>();
    auto* main = app->window<TfrmAvvio>();
    auto* years = app->window<TfrmMenuLavori>();
    app->showWindow(main);
    click(main->btnLavori);
    activate(years);
    years->txtAnnoPreventivi->clear();
    typeText(years->txtAnnoPreventivi, QStringLiteral("2026"));
    click(years->btnApriPreventivi);
    activate(work);
    typeInto(work->txtAttivita, QStringLiteral("Potatura"));
    typeInto(work->txtCognome, QStringLiteral("Altro"));

    withWindow<TfrmTrovaIstruttori>([&] { click(work->impLavoratore); },
                                    [&](TfrmTrovaIstruttori* d) {
                                        EXPECT_EQ(d->lblMemory->text(), "lavori");
                                        click(d->btnCerca);
                                        doubleClickRow(d->lstRecords, 0);
                                    });
    EXPECT_EQ(work->txtCognome->text(), "Rossi");
    EXPECT_EQ(work->txtNome->text(), "Mario");
    EXPECT_EQ(work->txtCodFisc->text(), "RSSMRA80A01H501U");
    EXPECT_EQ(work->txtRecapito->text(), "333 1234567");
    EXPECT_EQ(work->txtMansione->text(), "Giardiniere");
    EXPECT_EQ(work->txtCategoria->text(), "Operaio");
    EXPECT_EQ(work->txtAttivita->text(), "Potatura");
    EXPECT_EQ(work->lblPosizione->text(), "");
}

TEST_F(SearchTest, TheSummaryCriteriaReceiveTheCodiceFiscaleOnly) {
    write({{"Rossi", "Mario", "RSSMRA80A01H501U"}});
    // The summary criteria window opens the search from its codice fiscale picture.
    auto* criteria = app->window<TfrmMenuRiepilogoPagamenti>();
    app->showWindow(criteria);
    criteria->txtAnno->setText(QStringLiteral("2026"));
    fake->modalHandlers.push_back([&](QDialog* dialog) {
        auto* d = qobject_cast<TfrmTrovaIstruttori*>(dialog);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(callerTag(d), "riep_pagamenti");
        click(d->btnCerca);
        doubleClickRow(d->lstRecords, 0);
    });
    click(criteria->impCodFisc);
    EXPECT_TRUE(fake->modalHandlers.empty());
    EXPECT_EQ(criteria->txtTipologia->text(), "RSSMRA80A01H501U");
    EXPECT_EQ(criteria->txtAnno->text(), "2026");
    EXPECT_EQ(registryWindow->txtCodFisc->text(), "");
    EXPECT_EQ(app->window<TfrmLavori>()->txtCodFisc->text(), "");
}

TEST_F(SearchTest, PrintsTheListUnderItsTitle) {
    write({{"Rossi", "Mario"}, {"Bianchi", "Anna"}});
    openRegistry();
    report::Capture capture;
    fake->printFile = QDir(folder.path()).filePath("lista.pdf");
    withSearch([&](TfrmTrovaIstruttori* d) {
        click(d->btnCerca);
        click(d->btnStampa);
        ASSERT_EQ(capture.printed.size(), 1u);
        const report::Page& page = capture.printed[0].pages.at(0);
        EXPECT_EQ(page.text(listprint::kTitleMemo)->text, "Riepilogo lavoratori in archivio");
        EXPECT_EQ(page.text(listprint::kDataMemo)->lines(), d->lstRecords->lines());
        EXPECT_TRUE(d->isVisible());
        click(d->btnChiudi);
    });
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(SearchTest, ExpiringContractsFromTheFirstDayOfNotice) {
    // Today is 09/12/2026.
    write({{"Dieci", "Giorni", "", "", "19/12/2026", "10"},
           {"Nove", "Giorni", "", "", "19/12/2026", "9"},
           {"Oggi", "Zero", "", "", "09/12/2026", "0"},
           {"Scaduto", "Da tempo", "", "", "01/03/2020", "0"},
           {"Lontano", "Anno", "", "", "31/12/2027", "30"}});
    openRegistry();
    report::Capture capture;
    fake->printFile = QDir(folder.path()).filePath("scadenze.pdf");
    withExpiring([&](TfrmDaRinnovare* d) {
        EXPECT_EQ(d->windowTitle(), " Riepilogo contratti in scadenza o scaduti");
        EXPECT_TRUE(d->txtTrova->hasFocus());
        QStringList names;
        for (const QString& line : d->lstRecords->lines())
            names << line.left(30).trimmed();
        EXPECT_EQ(names, (QStringList{"Dieci Giorni", "Oggi Zero", "Scaduto Da tempo"}));
        EXPECT_EQ(d->lstRecords->lines().at(0),
                  registry::expiryLine(record({"Dieci", "Giorni", "", "", "19/12/2026", "10"})));
        click(d->btnStampa);
        ASSERT_EQ(capture.printed.size(), 1u);
        const report::Page& page = capture.printed[0].pages.at(0);
        EXPECT_EQ(page.text(listprint::kTitleMemo)->text, "Riepilogo contratti in scadenza o scaduti");
        EXPECT_EQ(page.text(listprint::kDataMemo)->lines(), d->lstRecords->lines());

        doubleClickRow(d->lstRecords, rowOf(d->lstRecords, "Oggi"));
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->lstRecords->count(), 0);
    });
    EXPECT_EQ(registryWindow->lblPosizione->text(), "3");
    EXPECT_EQ(registryWindow->txtCognome->text(), "Oggi");
    EXPECT_EQ(registryWindow->txtScadenza->text(), "09/12/2026");
    EXPECT_TRUE(fake->messages.empty());
}

TEST_F(SearchTest, DamagedRecordsDoNotHideTheContractsAfterThem) {
    write({{"Primo", "Scaduto", "", "", "01/12/2026", "0"},
           {"Guasto", "Data", "", "", "31/02/2026", "0"},
           {"Guasto", "Preavviso", "", "", "01/12/2026", "tre"},
           {"Ultimo", "Scaduto", "", "", "01/12/2026", "0"}});
    openRegistry();
    withExpiring([&](TfrmDaRinnovare* d) {
        EXPECT_EQ(
            fake->takeMessages(),
            (std::vector<ShownMessage>{{MessageKind::Plain,
                                        "Attenzione: non è stato possibile valutare la scadenza delle schede "
                                        "in posizione 2, 3."}}));
        ASSERT_EQ(d->lstRecords->count(), 2);
        EXPECT_TRUE(d->lstRecords->lines().at(0).startsWith("Primo Scaduto"));
        EXPECT_TRUE(d->lstRecords->lines().at(1).startsWith("Ultimo Scaduto"));
        click(d->btnChiudi);
    });
}

TEST_F(SearchTest, AnEmptyArchiveGivesAnEmptyExpiryList) {
    openRegistry();
    withExpiring([&](TfrmDaRinnovare* d) {
        EXPECT_EQ(d->lstRecords->count(), 0);
        click(d->btnTrova);
        EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{{MessageKind::Plain, kEmptyList}}));
        click(d->btnChiudi);
    });
    EXPECT_TRUE(QFile::exists(path())); // created empty
}

TEST_F(SearchTest, IdentityDocumentsDueListTheExpiredFirstAndFollowTheDays) {
    // Today is 09/12/2026.
    const struct {
        const char* surname;
        const char* type;
        const char* number;
        const char* expiry;
    } documents[] = {
        {"Abate", "Passaporto", "YA1234567", "20/12/2026"},            // in 11 days
        {"Zucca", "Carta d'identit\u00E0", "CA00001AA", "01/12/2026"}, // expired 8 days ago
        {"Vuoto", "", "", ""},                                         // no document date: not listed
        {"Guasto", "Patente", "U1X", "31/02/2027"},                    // fails the date check
        {"Lontano", "Passaporto", "YB7654321", "30/01/2027"},          // in 52 days
    };
    for (const auto& d : documents) {
        Record r = record({d.surname, "Anna"});
        r[F::TipoDoc] = QString::fromUtf8(d.type);
        r[F::NumDoc] = QString::fromUtf8(d.number);
        r[F::DataSca] = QString::fromUtf8(d.expiry);
        ASSERT_TRUE(archive::append(path(), r).ok());
    }
    openRegistry();
    withWindow<TfrmDocumentiScadenza>(registryWindow->cmdDocumenti, [&](TfrmDocumentiScadenza* d) {
        EXPECT_EQ(d->windowTitle(), " Documenti in scadenza");
        EXPECT_EQ(
            fake->takeMessages(),
            (std::vector<ShownMessage>{{MessageKind::Plain,
                                        "Attenzione: non \u00E8 stato possibile leggere la data di scadenza "
                                        "del documento delle schede in posizione 4."}}));
        EXPECT_EQ(d->spnGiorni->value(), 30);
        EXPECT_EQ(d->lstRecords->lines(),
                  (QStringList{
                      registry::documentLine("Zucca", "Anna", "Carta d'identit\u00E0", "CA00001AA",
                                             "01/12/2026", -8),
                      registry::documentLine("Abate", "Anna", "Passaporto", "YA1234567", "20/12/2026", 11)}));
        // More days: the list follows, and the days are remembered.
        d->spnGiorni->setValue(60);
        fake->takeMessages();
        EXPECT_EQ(d->lstRecords->count(), 3);
        EXPECT_TRUE(d->lstRecords->lines().at(2).startsWith("Valido  Lontano Anna"));
        EXPECT_EQ(settings::value(folder.path(), QStringLiteral("documenti/giorni"), QString()), "60");

        doubleClickRow(d->lstRecords, rowOf(d->lstRecords, "Zucca"));
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(registryWindow->lblPosizione->text(), "2");
    EXPECT_EQ(registryWindow->txtCognome->text(), "Zucca");
    EXPECT_EQ(registryWindow->txtDataSca->text(), "01/12/2026");
    // The next opening starts from the days remembered.
    withWindow<TfrmDocumentiScadenza>(registryWindow->cmdDocumenti, [&](TfrmDocumentiScadenza* d) {
        EXPECT_EQ(d->spnGiorni->value(), 60);
        EXPECT_EQ(d->lstRecords->count(), 3);
        click(d->btnChiudi);
    });
}
