#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/reports/statements.h"
#include "core/reports/summary.h"
#include "support/records.h"

using namespace orvelia;
using W = TSchedaLavoro;
using E = TSchedaLavoratore;

namespace {

const QString kRossi = QStringLiteral("RSSMRA80A01H501U");
const QString kBianchi = QStringLiteral("BNCNNA85M41F205Z");
const QString kVerdi = QStringLiteral("VRDLCU70A01L219X");

class StatementsTest : public ::testing::Test {
protected:
    QString year() const { return workArchivePath(dir.path(), QStringLiteral("2026")); }
    QString registry() const { return employeeArchivePath(dir.path()); }
    void work(const char* activity, const char* date, const QString& cf, const char* amount,
              const char* hours, const char* surname, const char* name) {
        Record r =
            test::workRecord(QString::fromUtf8(activity), QString::fromUtf8(date), cf,
                             QString::fromUtf8(amount), QString::fromUtf8(surname), QString::fromUtf8(name));
        r[W::TotOre] = QString::fromUtf8(hours);
        r[W::OraInizio] = QStringLiteral("08:00");
        r[W::OraFine] = QStringLiteral("12:00");
        r[W::CompensoOra] = QStringLiteral("12,50");
        ASSERT_TRUE(archive::append(year(), r).ok());
    }
    void worker(const char* surname, const QString& cf, const char* iban) {
        Record r(E::layout);
        r[E::Cognome] = QString::fromUtf8(surname);
        r[E::Nome] = QStringLiteral("Registro");
        r[E::CodFisc] = cf;
        r[E::Indirizzo] = QStringLiteral("Via Roma 1");
        r[E::Cap] = QStringLiteral("00100");
        r[E::ComuneRes] = QStringLiteral("Roma");
        r[E::ProvRes] = QStringLiteral("RM");
        r[E::Iban] = QString::fromUtf8(iban);
        ASSERT_TRUE(archive::append(registry(), r).ok());
    }
    summary::Request request(const QString& filter = QString()) const {
        return {year(), QStringLiteral("01/03/2026"), QStringLiteral("31/03/2026"), filter};
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(StatementsTest, OneStatementPerWorkerInDateOrderWithTheSummarysTotals) {
    work("Potatura", "20/03/2026", kRossi, "50,00", "4", "Rossi", "Mario");
    work("Semina", "02/03/2026", kRossi, "12,30", "1,5", "Rossi", "Mario");
    work("Carico", "10/03/2026", kBianchi, "0,10", "0,25", "Bianchi", "Anna");
    work("Fuori periodo", "01/04/2026", kRossi, "99,00", "8", "Rossi", "Mario");
    work("Stesso giorno", "20/03/2026", kRossi, "10,333", "1", "Rossi", "Mario");
    work("Inventario", "15/03/2026", kVerdi, "33,33", "3", "Verdi", "Luca");
    worker("Rossi", kRossi, "IT60X0542811101000000123456");
    worker("Verdi", kVerdi, "");
    worker("Rossi", kRossi, "IT00ALTRA"); // a second record of the same worker: the first one counts

    const statements::Result result = statements::build(request(), 2026, registry());
    ASSERT_TRUE(result.summary.complete());
    ASSERT_EQ(result.statements.size(), 3);
    // By name; the registry's name for the workers it holds.
    EXPECT_EQ(result.statements[0].name, "Bianchi Anna");
    EXPECT_EQ(result.statements[1].name, "Rossi Registro");
    EXPECT_EQ(result.statements[2].name, "Verdi Registro");

    const statements::Statement& bianchi = result.statements[0];
    EXPECT_FALSE(bianchi.inRegistry);
    EXPECT_TRUE(bianchi.address.isEmpty());
    EXPECT_EQ(bianchi.codFisc, kBianchi);

    const statements::Statement& rossi = result.statements[1];
    EXPECT_TRUE(rossi.inRegistry);
    EXPECT_EQ(rossi.address, "Via Roma 1, 00100 Roma (RM)");
    EXPECT_EQ(rossi.iban, "IT60X0542811101000000123456");
    QStringList activities;
    for (const statements::Work& w : rossi.works)
        activities << w.activity;
    EXPECT_EQ(activities,
              (QStringList{"Semina", "Potatura", "Stesso giorno"})); // date order, then archive order
    EXPECT_EQ(rossi.totalHours, "6,50");
    EXPECT_TRUE(result.statements[2].iban.isEmpty());

    // Each total is the summary's total for that worker alone.
    for (const statements::Statement& s : result.statements)
        EXPECT_EQ(s.totalAmount, summary::build(request(s.codFisc), 2026).total) << s.name.toStdString();
    EXPECT_EQ(rossi.totalAmount, "72,633");

    EXPECT_EQ(
        statements::textOf(bianchi, result.summary.interval),
        (QStringList{"PROSPETTO DEI COMPENSI - Bianchi Anna", "Dal   01/03/2026   al   31/03/2026",
                     "Codice fiscale: BNCNNA85M41F205Z",
                     "(lavoratore non presente in anagrafica: dati dalle schede dei lavori)",
                     QStringLiteral("10/03/2026  %1  08:00-12:00  ore   0,25  €/ora    12,50  €       0,10")
                         .arg(QStringLiteral("Carico").leftJustified(40)),
                     "Totale ore: 0,25   Totale compensi: € 0,10"}));

    // One worker, as the summary of one worker.
    const statements::Result one = statements::build(request(QStringLiteral("vrdlcu")), 2026, registry());
    ASSERT_EQ(one.statements.size(), 1);
    EXPECT_EQ(one.statements[0].codFisc, kVerdi);
}

TEST_F(StatementsTest, AnIncompleteSummaryGivesNoStatement) {
    work("Buono", "02/03/2026", kRossi, "10,00", "1", "Rossi", "Mario");
    work("Guasto", "02/03/2026", kRossi, "dieci", "1", "Rossi", "Mario");
    const statements::Result result = statements::build(request(), 2026, registry());
    EXPECT_FALSE(result.summary.complete());
    ASSERT_TRUE(result.summary.unreadable.has_value());
    EXPECT_EQ(result.summary.unreadable->number, 2);
    EXPECT_TRUE(result.statements.isEmpty());
}
