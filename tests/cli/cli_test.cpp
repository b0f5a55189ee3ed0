// orvelia-cli run as a separate process on folders written byte by byte.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/fixtures.h"
#include "support/files.h"
#include "support/processes.h"

using namespace fixtures;

namespace {

struct Outcome {
    int code = -1;
    QStringList out; // standard output, line by line
    QString err;     // standard error as one text
};

std::string cp(const char* utf8) {
    return QString::fromUtf8(utf8).toLatin1().toStdString();
}

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const std::vector<RawRecord>& records, const std::string& tail = {}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const RawRecord& r : records)
            file.write(r.bytes().data(), qint64(r.bytes().size()));
        file.write(tail.data(), qint64(tail.size()));
    }

    Outcome cli(QStringList args) const {
        QProcess process;
        process.start(QStringLiteral(ORVELIA_CLI),
                      QStringList{QStringLiteral("--cartella"), dir.path()} + args);
        Outcome run;
        if (!process.waitForFinished(60000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        QString out = QString::fromUtf8(process.readAllStandardOutput());
        if (out.endsWith(u'\n'))
            out.chop(1);
        run.out = out.isEmpty() ? QStringList() : out.split(u'\n');
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // A register of 2025: three workers, one record of another year, two activities equal but for case.
    void writeRegister2025() {
        const std::string rossi[] = {"Rossi", "Mario", "RSSMRA80A01H501U", "333 1234567"};
        const std::string bianchi[] = {"Bianchi", "Anna", "BNCNNA85M41F205Z", "02 7654321"};
        auto of = [](const std::string(&w)[4], Values more) {
            RawRecord r = work(more);
            r.set("Cognome", w[0]).set("Nome", w[1]).set("CodFisc", w[2]).set("Recapito", w[3]);
            return r;
        };
        write(QStringLiteral("2025.lav"),
              {
                  of(rossi,
                     {{"Data", "03/02/2025"}, {"Attivita", "Montaggio scaffali"}, {"TotDovuto", "45,00"}}),
                  of(bianchi, {{"Data", "15/02/2025"},
                               {"Attivita", "Carico merci"},
                               {"TotDovuto", "37,50"},
                               {"Incompleto", "S\xEC"}}),
                  of(rossi,
                     {{"Data", "10/03/2025"}, {"Attivita", "Pulizia magazzino"}, {"TotDovuto", "12,30"}}),
                  work({{"Cognome", "Verdi"},
                        {"Nome", "Luca"},
                        {"CodFisc", "VRDLCU70A01L219X"},
                        {"Data", "28/12/2024"},
                        {"Attivita", "Inventario"},
                        {"TotDovuto", "100,00"}}),
                  of(bianchi, {{"Data", "20/02/2025"},
                               {"Attivita", "carico merci"},
                               {"TotDovuto", "0,10"},
                               {"Incompleto", "S\xEC"}}),
                  of(rossi, {{"Data", "01/01/2025"},
                             {"Attivita", cp("Attività di formazione")},
                             {"TotDovuto", "20,20"}}),
              });
    }
};

// A column of a list line: the text cut or filled with blanks to its width.
QString col(const char* text, int width) {
    return QString::fromUtf8(text).leftJustified(width, u' ', true);
}

// The summary line of the windows: the amount always starts at character 145.
QString summaryLine(const char* activity, const char* date, const char* worker, const char* cf,
                    const char* tel, const char* amount) {
    return col(activity, 44) + QStringLiteral(" Data: ") + col(date, 10) + QStringLiteral("  ") +
           col(worker, 28) + QStringLiteral("  C.F. ") + col(cf, 16) + QStringLiteral("  Tel. ") +
           col(tel, 14) + QStringLiteral("  Tot. € ") + QString::fromUtf8(amount);
}

const QString kFormazione = summaryLine("Attività di formazione", "01/01/2025", "Rossi Mario",
                                        "RSSMRA80A01H501U", "333 1234567", "20,20");
const QString kCarico1 =
    summaryLine("Carico merci", "15/02/2025", "Bianchi Anna", "BNCNNA85M41F205Z", "02 7654321", "37,50");
const QString kCarico2 =
    summaryLine("carico merci", "20/02/2025", "Bianchi Anna", "BNCNNA85M41F205Z", "02 7654321", "0,10");
const QString kMontaggio = summaryLine("Montaggio scaffali", "03/02/2025", "Rossi Mario", "RSSMRA80A01H501U",
                                       "333 1234567", "45,00");
const QString kPulizia =
    summaryLine("Pulizia magazzino", "10/03/2025", "Rossi Mario", "RSSMRA80A01H501U", "333 1234567", "12,30");

QStringList closing(const char* interval, const char* total) {
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            QStringLiteral("INTERVALLO SELEZIONATO:    ") + QString::fromUtf8(interval),
            QStringLiteral("TOTALE COMPENSI:           € ") + QString::fromUtf8(total)};
}

} // namespace

TEST(CliFixtures, RecordsHaveTheSizeOfTheFormat) {
    EXPECT_EQ(RawRecord(kWorkerFields).bytes().size(), 4043u);
    EXPECT_EQ(RawRecord(kWorkFields).bytes().size(), 2913u);
}

TEST_F(CliTest, SummaryListsTheIntervalInListOrderWithItsTotal) {
    writeRegister2025();
    ASSERT_EQ(kMontaggio.indexOf(QStringLiteral("45,00")), 144);
    struct Case {
        QStringList args;
        QStringList expected;
    } cases[] = {
        {{"riepilogo", "2025", "01/01", "31/12"},
         QStringList{"Riepilogo compensi   -   C.F. lavoratore:  Tutti i lavoratori", kFormazione, kCarico1,
                     kCarico2, kMontaggio, kPulizia} +
             closing("Dal   01/01/2025   al   31/12/2025", "115,10")},
        // The worker filter: part of the codice fiscale, any letter case; the title shows it trimmed.
        {{"riepilogo", "2025", "01/01", "31/12", "--cf", " rssmra "},
         QStringList{"Riepilogo compensi   -   C.F. lavoratore:  rssmra"} +
             closing("Dal   01/01/2025   al   31/12/2025", "0,00")},
        {{"riepilogo", "2025", "1/1", "31/12", "--cf=rssmra"},
         QStringList{"Riepilogo compensi   -   C.F. lavoratore:  rssmra", kFormazione, kMontaggio, kPulizia} +
             closing("Dal   01/01/2025   al   31/12/2025", "77,50")},
        // Both ends of the interval count; the month may be given by its name.
        {{"riepilogo", "2025", "03/02", "20/febbraio"},
         QStringList{"Riepilogo compensi   -   C.F. lavoratore:  Tutti i lavoratori", kCarico1, kCarico2,
                     kMontaggio} +
             closing("Dal   03/02/2025   al   20/02/2025", "82,60")},
        {{"riepilogo", "2025", "01/06", "30/06"},
         QStringList{"Riepilogo compensi   -   C.F. lavoratore:  Tutti i lavoratori"} +
             closing("Dal   01/06/2025   al   30/06/2025", "0,00")},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.args);
        EXPECT_EQ(run.code, 0) << c.args.join(u' ').toStdString();
        EXPECT_EQ(run.out, c.expected) << c.args.join(u' ').toStdString();
        EXPECT_EQ(run.err, QString()) << c.args.join(u' ').toStdString();
    }
}

TEST_F(CliTest, SummaryRefusesWhatTheCriteriaWindowRefuses) {
    writeRegister2025();
    struct Case {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"riepilogo", "225", "01/01", "31/12"},
         "Attenzione: indicare l'anno solare utilizzando quattro cifre."},
        {{"riepilogo", "20a5", "01/01", "31/12"},
         "Attenzione: indicare l'anno solare utilizzando quattro cifre."},
        {{"riepilogo", "2025", "31/02", "31/12"},
         "Attenzione: la data 31/02/2025 di inizio intervallo non esiste.\n\n"
         "Per poter visualizzare il riepilogo è necessario indicare una data valida."},
        {{"riepilogo", "2025", "31/03", "01/02"},
         "Attenzione: la data di fine intervallo (01/02/2025) non può essere anteriore a quella di inizio "
         "intervallo (31/03/2025).\n\n"
         "Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido."},
        {{"riepilogo", "2025", "0103", "31/12"},
         "Attenzione: indicare la data di inizio dell'intervallo nella forma GG/MM (per esempio 01/03)."},
        {{"riepilogo", "2025", "/03", "31/12"}, nullptr},
        // A month that is neither 1-12 nor a month's name: the form, not a month nobody typed.
        {{"riepilogo", "2026", "01/13", "31/03"},
         "Attenzione: indicare la data di inizio dell'intervallo nella forma GG/MM (per esempio 01/03)."},
        {{"riepilogo", "2026", "01/01", "31/0"},
         "Attenzione: indicare la data di fine dell'intervallo nella forma GG/MM (per esempio 01/03)."},
        {{"riepilogo", "2026", "01/Marzolino", "31/12"},
         "Attenzione: indicare la data di inizio dell'intervallo nella forma GG/MM (per esempio 01/03)."},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.args);
        EXPECT_EQ(run.code, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        if (c.message) {
            EXPECT_EQ(run.err, QString::fromUtf8(c.message) + u'\n') << c.args.join(u' ').toStdString();
        } else {
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("Attenzione: "))) << run.err.toStdString();
        }
    }
}

TEST_F(CliTest, SummaryStoppedByAnUnreadableRecordSaysSoAndKeepsWhatItListed) {
    write(QStringLiteral("2026.lav"), {work({{"Cognome", "Rossi"},
                                             {"Nome", "Mario"},
                                             {"CodFisc", "RSSMRA80A01H501U"},
                                             {"Data", "05/01/2026"},
                                             {"Attivita", "Consegna"},
                                             {"TotDovuto", "10,00"}}),
                                       work({{"Cognome", "Rossi"},
                                             {"Nome", "Mario"},
                                             {"CodFisc", "RSSMRA80A01H501U"},
                                             {"Data", "07/01/2026"},
                                             {"Attivita", "Consegna"},
                                             {"TotDovuto", "dieci"}}),
                                       work({{"Cognome", "Rossi"},
                                             {"Data", "09/01/2026"},
                                             {"Attivita", "Consegna"},
                                             {"TotDovuto", "5,00"}})});
    const Outcome run = cli({"riepilogo", "2026", "01/01", "31/12"});
    EXPECT_EQ(run.code, 1);
    const QStringList expected =
        QStringList{"Riepilogo compensi   -   C.F. lavoratore:  Tutti i lavoratori",
                    summaryLine("Consegna", "05/01/2026", "Rossi Mario", "RSSMRA80A01H501U", "", "10,00"),
                    // The record whose amount cannot be read is listed, then the scan stops.
                    summaryLine("Consegna", "07/01/2026", "Rossi Mario", "RSSMRA80A01H501U", "", "dieci")} +
        closing("Dal gg/mm/aaaa al gg/mm/aaaa", "0,00");
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err,
              QStringLiteral(
                  "Attenzione: il riepilogo è incompleto.\n\nNella scheda numero 2 dell'archivio 2026.lav "
                  "(data 07/01/2026, lavoratore Rossi Mario, C.F. RSSMRA80A01H501U) l'importo dovuto "
                  "\"dieci\" non è un numero (usare la virgola come separatore decimale).\n\nLe schede "
                  "successive non sono state esaminate e il totale non è stato calcolato. Correggere la "
                  "scheda dalla registrazione lavori e ripetere il riepilogo.\n"));
}

TEST_F(CliTest, StatementsOneBlockPerWorkerWithTheSummarysTotals) {
    writeRegister2025();
    const Outcome run = cli({"prospetti", "2025", "01/01", "31/12"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList blocks = run.out.join(u'\n').split(QStringLiteral("\n\n"));
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_TRUE(
        blocks[0].startsWith("PROSPETTO DEI COMPENSI - Bianchi Anna\nDal   01/01/2025   al   31/12/2025"));
    EXPECT_TRUE(blocks[1].startsWith("PROSPETTO DEI COMPENSI - Rossi Mario"));
    // Each worker's total is that of the summary of that worker.
    for (const auto& [block, cf] :
         {std::pair{blocks[0], "BNCNNA85M41F205Z"}, std::pair{blocks[1], "RSSMRA80A01H501U"}}) {
        const QString total =
            cli({"riepilogo", "2025", "01/01", "31/12", "--cf", cf}).out.last().section(u' ', -1);
        EXPECT_TRUE(block.endsWith(QStringLiteral("Totale compensi: € ") + total)) << block.toStdString();
    }
    EXPECT_EQ(cli({"prospetti", "2025", "01/01", "31/12", "--cf", "rssmra"}).out.first(),
              "PROSPETTO DEI COMPENSI - Rossi Mario");
    EXPECT_EQ(cli({"prospetti", "2025", "31/12", "01/01"}).code, 2);
}

TEST_F(CliTest, StatisticsRoundEachMonthToTheEuro) {
    writeRegister2025();
    const Outcome run = cli({"statistiche", "2025"});
    EXPECT_EQ(run.code, 0);
    // January 20,20; February 45 + 37,50 + 0,10 = 82,60; March 12,30; the record of 2024 is left out.
    EXPECT_EQ(run.out, (QStringList{"Gennaio\t20", "Febbraio\t83", "Marzo\t12", "Aprile\t0", "Maggio\t0",
                                    "Giugno\t0", "Luglio\t0", "Agosto\t0", "Settembre\t0", "Ottobre\t0",
                                    "Novembre\t0", "Dicembre\t0"}));
    EXPECT_EQ(run.err, QString());
}

TEST_F(CliTest, StatisticsNameTheRecordsTheyCouldNotUse) {
    const auto rec = [](const char* date, const char* amount) {
        return work({{"Cognome", "Rossi"},
                     {"Nome", "Mario"},
                     {"Data", date},
                     {"Attivita", "Consegna"},
                     {"TotDovuto", amount}});
    };
    write(QStringLiteral("2026.lav"),
          {rec("10/01/2026", "1234,49"), rec("5 gennaio", "10,00"), rec("11/01/2026", "0,51")});
    Outcome run = cli({"statistiche", "2026"});
    EXPECT_EQ(run.code, 1);
    ASSERT_EQ(run.out.size(), 12);
    EXPECT_EQ(run.out[0], QStringLiteral("Gennaio\t1235"));
    EXPECT_EQ(run.err,
              QStringLiteral("Attenzione: le schede seguenti non sono state conteggiate perché la data della "
                             "prestazione non è nella forma gg/mm/aaaa:\n\nscheda n. 2 (data 5 gennaio, "
                             "lavoratore Rossi Mario)\n\nCorreggere la data nel registro dei lavori per "
                             "includerle nelle statistiche.\n"));

    write(QStringLiteral("2027.lav"), {rec("10/01/2027", "10,00"), rec("12/01/2027", "10 euro")});
    run = cli({"statistiche", "2027"});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err,
              QStringLiteral("Attenzione: l'importo dovuto della scheda n. 2 (data 12/01/2027, lavoratore "
                             "Rossi Mario) non è un numero leggibile.\n\nIl calcolo delle statistiche è "
                             "stato interrotto: correggere l'importo nel registro dei lavori e ripetere "
                             "l'operazione.\n"));
}

TEST_F(CliTest, AMissingArchiveIsCreatedEmptyLikeTheProgramDoes) {
    const Outcome run = cli({"incompleti", "2031"});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("2031.lav"))).isFile());
    EXPECT_EQ(QFileInfo(path(QStringLiteral("2031.lav"))).size(), 0);
    EXPECT_EQ(cli({"scadenze"}).code, 0);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Brenzo.pro"))).isFile());
}

namespace {
std::vector<RawRecord> workers() {
    const auto contract = [](Values more) {
        RawRecord r = worker({{"Decorrenza", "01/01/2025"},
                              {"Preavviso", "30"},
                              {"Totale", "1200,00"},
                              {"Rata", "100,00"},
                              {"Acquisto", "Tempo determinato"}});
        for (const auto& [name, value] : more)
            r.set(name, value);
        return r;
    };
    return {
        contract({{"Cognome", "Rossi"},
                  {"Nome", "Mario"},
                  {"CodFisc", "RSSMRA80A01H501U"},
                  {"Recapito", "333 1234567"},
                  {"Codice", "Magazziniere"},
                  {"Scadenza", "31/12/2026"},
                  {"Note", cp("Disponibilità al sabato")}}),
        contract({{"Cognome", "Bianchi"},
                  {"Nome", "Anna"},
                  {"CodFisc", "BNCNNA85M41F205Z"},
                  {"Codice", "Impiegata"},
                  {"Scadenza", "30/06/2027"}}),
        contract({{"Cognome", "Verdi"},
                  {"Nome", cp("Niccolò")},
                  {"CodFisc", "VRDNCC70A01L219X"},
                  {"Codice", "Autista"},
                  {"Scadenza", "01/01/2026"},
                  {"Preavviso", "15"}}),
        contract({{"Cognome", "Neri"}, {"Nome", "Paolo"}, {"Scadenza", "31/02/2026"}}),
    };
}
} // namespace

TEST_F(CliTest, ExpiringContractsOnTheGivenDay) {
    write(QStringLiteral("Brenzo.pro"), workers());
    const Outcome run = cli({"--oggi", "10/12/2026", "scadenze"});
    EXPECT_EQ(run.code, 1);
    const auto line = [](const char* name, const char* tel, const char* expiry) {
        return col(name, 30) + QStringLiteral("  Tel. ") + col(tel, 12) + QStringLiteral("  Scad. ") +
               col(expiry, 10) + QStringLiteral("  Tot. € ") + col("1200,00", 12) +
               QStringLiteral("  Rata: € ") + col("100,00", 12) + QStringLiteral("  Tipo: Tempo determinato");
    };
    EXPECT_EQ(run.out, (QStringList{line("Rossi Mario", "333 1234567", "31/12/2026"),
                                    line("Verdi Niccolò", "", "01/01/2026")}));
    EXPECT_EQ(run.err,
              QStringLiteral(
                  "Attenzione: non è stato possibile valutare la scadenza delle schede in posizione 4.\n"));
    // A month earlier only the expired contract is due.
    EXPECT_EQ(cli({"scadenze", "--oggi=30/11/2026"}).out.size(), 1);
}

TEST_F(CliTest, IdentityDocumentsDueWithTheDaysAsked) {
    write(QStringLiteral("Brenzo.pro"),
          {worker({{"Cognome", "Rossi"},
                   {"Nome", "Mario"},
                   {"TipoDoc", "Passaporto"},
                   {"NumDoc", "YA1"},
                   {"DataSca", "20/12/2026"}}),
           worker({{"Cognome", "Bianchi"},
                   {"Nome", "Anna"},
                   {"TipoDoc", "Patente"},
                   {"NumDoc", "U1"},
                   {"DataSca", "01/12/2026"}}),
           worker({{"Cognome", "Verdi"}, {"Nome", "Ugo"}, {"DataSca", "31/02/2027"}}),
           worker({{"Cognome", "Neri"}, {"Nome", "Lia"}, {"DataSca", "30/01/2027"}})});
    const auto line = [](const char* state, const char* name, const char* type, const char* number,
                         const char* expiry, const char* days) {
        return QString::fromUtf8(state) + col(name, 30) + QStringLiteral("  Doc. ") + col(type, 20) +
               QStringLiteral("  N. ") + col(number, 16) + QStringLiteral("  Scad. ") + col(expiry, 10) +
               QStringLiteral("  Giorni: ") + QString::fromUtf8(days);
    };
    Outcome run = cli({"--oggi", "09/12/2026", "scadenze", "--documenti"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              (QStringList{line("Scaduto ", "Bianchi Anna", "Patente", "U1", "01/12/2026", "   -8"),
                           line("Valido  ", "Rossi Mario", "Passaporto", "YA1", "20/12/2026", "   11")}));
    EXPECT_EQ(run.err,
              QStringLiteral("Attenzione: non \u00E8 stato possibile leggere la data di scadenza del "
                             "documento delle schede in posizione 3.\n"));
    EXPECT_EQ(cli({"--oggi", "09/12/2026", "scadenze", "--documenti", "--giorni", "60"}).out.size(), 3);
    EXPECT_EQ(cli({"--oggi", "09/12/2026", "scadenze", "--documenti", "--giorni=0"}).out.size(), 1);
    for (const char* days : {"-1", "366", "trenta"}) {
        run = cli({"scadenze", "--documenti", "--giorni", days});
        EXPECT_EQ(run.code, 2) << days;
        EXPECT_EQ(run.err, QStringLiteral(
                               "Attenzione: indicare con --giorni un numero intero di giorni da 0 a 365.\n"));
    }
    run = cli({"scadenze", "--giorni", "10"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, QStringLiteral("Attenzione: l'opzione --giorni vale solo con --documenti.\n"));
}

TEST_F(CliTest, EmployeeSearchFiltersAsTheSearchWindow) {
    write(QStringLiteral("Brenzo.pro"), workers());
    const auto line = [](const char* name, const char* cf, const char* job, const char* tel,
                         const char* note) {
        return col(name, 28) + QStringLiteral("  C.F. ") + col(cf, 16) + QStringLiteral("  Mans. ") +
               col(job, 24) + QStringLiteral("  Tel. ") + col(tel, 14) + QStringLiteral("  Note: ") +
               QString::fromUtf8(note);
    };
    const QString rossi =
        line("Rossi Mario", "RSSMRA80A01H501U", "Magazziniere", "333 1234567", "Disponibilità al sabato");
    const QString verdi = line("Verdi Niccolò", "VRDNCC70A01L219X", "Autista", "", "");
    struct Case {
        QStringList args;
        QStringList expected;
    } cases[] = {
        {{"cerca-lavoratori", "--cognome", "ROSS"}, {rossi}},
        {{"cerca-lavoratori", "--note", "disponibilità"}, {rossi}},
        // A filter of blanks only takes no part; every other one must hit.
        {{"cerca-lavoratori", "--nome", "   ", "--cognome", "verdi"}, {verdi}},
        {{"cerca-lavoratori", "--cognome", "i", "--mansione", "aut"}, {verdi}},
        {{"cerca-lavoratori", "--cognome", "rossi "}, {}},
        {{"cerca-lavoratori", "--codice-fiscale", "H501"}, {rossi}},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out, c.expected) << c.args.join(u' ').toStdString();
    }
    EXPECT_EQ(cli({"cerca-lavoratori"}).out.size(), 4);
}

TEST_F(CliTest, WorkListsOfTheYear) {
    writeRegister2025();
    const auto workLine = [](const QString& summary) { return summary; };
    Outcome run = cli({"incompleti", "2025"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, (QStringList{workLine(kCarico1), workLine(kCarico2)}));
    run = cli({"cerca-lavori", "2025", "--attivita", "MERCI", "--data", "/02/"});
    EXPECT_EQ(run.out, (QStringList{kCarico1, kCarico2}));
    run = cli({"cerca-lavori", "2025", "--codice-fiscale", "rss", "--attivita", "a"});
    EXPECT_EQ(run.out, (QStringList{kFormazione, kMontaggio, kPulizia}));
    EXPECT_EQ(cli({"cerca-lavori", "2025"}).out.size(), 6);
    EXPECT_EQ(cli({"incompleti", "25"}).code, 2);
}

TEST_F(CliTest, ExportsWriteTheSpreadsheetAndPrintItsPath) {
    write(QStringLiteral("Brenzo.pro"), workers());
    Outcome run = cli({"esporta-lavoratori"});
    EXPECT_EQ(run.code, 0);
    const QString file = QFileInfo(path(QStringLiteral("Anagrafica_Lavoratori.xls"))).absoluteFilePath();
    // The path is written as the system writes paths.
    EXPECT_EQ(run.out, QStringList{QDir::toNativeSeparators(file)});
    QFile sheet(file);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray bytes = sheet.readAll();
    EXPECT_TRUE(bytes.contains("Anagrafica Lavoratori"));
    EXPECT_TRUE(bytes.contains("Cognome e nome</td>"));
    // One row per record, Windows-1252 text, no line breaks.
    EXPECT_EQ(bytes.count("<tr>"), 1 + 4);
    EXPECT_TRUE(bytes.contains("<td style=\"text-align: left;\">Verdi Niccol\xF2</td>"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_TRUE(bytes.endsWith("</html>"));

    writeRegister2025();
    run = cli({"esporta-lavori", "2025"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, QStringList{QDir::toNativeSeparators(
                           QFileInfo(path(QStringLiteral("Lavori.xls"))).absoluteFilePath())});

    // A file that cannot be written is reported, not passed off as exported.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("Lavori.xls"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Lavori.xls")));
    run = cli({"esporta-lavori", "2025"});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\n"
                                      "Accertarsi che il file di Excel non sia già aperto.\n"));
}

TEST_F(CliTest, ExportsWriteTheWorkbookWhenAsked) {
    writeRegister2025();
    const Outcome run = cli({"esporta-lavori", "2025", "--formato", "xlsx"});
    EXPECT_EQ(run.code, 0);
    const QString file = QFileInfo(path(QStringLiteral("Lavori.xlsx"))).absoluteFilePath();
    EXPECT_EQ(run.out, QStringList{QDir::toNativeSeparators(file)});
    // A workbook is a zip file; the .xls was not written.
    QFile book(file);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_TRUE(book.read(2) == "PK");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Lavori.xls"))));

    const Outcome workers = cli({"esporta-lavoratori", "--formato=xlsx"});
    EXPECT_EQ(workers.code, 0);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Anagrafica_Lavoratori.xlsx"))));
}

TEST_F(CliTest, BackupAndRestoreForScheduledJobs) {
    writeRegister2025();
    QTemporaryDir copies;
    // No folder given and none chosen in the program: refused.
    Outcome run = cli({"copia-sicurezza"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err,
              QStringLiteral("Attenzione: indicare con --destinazione la cartella in cui fare la copia di "
                             "sicurezza (nel programma non ne \u00E8 stata scelta nessuna).\n"));

    run = cli({"copia-sicurezza", "--destinazione", copies.path()});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList made = QDir(copies.path()).entryList({QStringLiteral("Orvelia-copia-*.zip")});
    ASSERT_EQ(made.size(), 1);
    const QString zip = QDir(copies.path()).filePath(made.front());
    EXPECT_EQ(run.out, (QStringList{QStringLiteral("Copia di sicurezza completata."), QString(),
                                    QStringLiteral("File: ") + QDir::toNativeSeparators(zip),
                                    QStringLiteral("Archivi: 1, con 6 schede in tutto."),
                                    QStringLiteral("Documenti allegati: 0.")}));

    // Restoring over the data asks for --sostituisci; with it, the copy of what was there is made first.
    run = cli({"ripristina", zip});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(
        run.err.endsWith(QStringLiteral("Per sostituirli usare --sostituisci: prima di sostituirli viene "
                                        "fatta una copia dei dati presenti, accanto al file da "
                                        "ripristinare.\n")))
        << run.err.toStdString();
    const QByteArray register2025 = orvelia::test::fileBytes(path(QStringLiteral("2025.lav")));
    QFile::resize(path(QStringLiteral("2025.lav")), 2913);
    run = cli({"ripristina", zip, "--sostituisci"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(orvelia::test::fileBytes(path(QStringLiteral("2025.lav"))), register2025);
    EXPECT_EQ(QDir(copies.path()).entryList({QStringLiteral("Orvelia-copia-*.zip")}).size(), 2);

    // Something that is not a copy: refused, nothing changed.
    QFile other(QDir(copies.path()).filePath(QStringLiteral("altro.zip")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("non una copia");
    other.close();
    run = cli({"ripristina", other.fileName(), "--sostituisci"});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(
        run.err.startsWith(QStringLiteral("Attenzione: il file \"%1\" \u00E8 danneggiato o incompleto.")
                               .arg(QDir::toNativeSeparators(other.fileName()))))
        << run.err.toStdString();
    EXPECT_EQ(orvelia::test::fileBytes(path(QStringLiteral("2025.lav"))), register2025);
}

TEST_F(CliTest, AFileSizeLimitIsAWriteFailureNotTheEndOfTheProgram) {
    // The export outgrows the limit: the program itself must turn that into its message.
    writeRegister2025();
    const auto run = orvelia::test::runProgramWithFileSizeLimit(
        QStringLiteral(ORVELIA_CLI), {QStringLiteral("--cartella"), dir.path(), "esporta-lavori", "2025"},
        200);
    if (!run)
        GTEST_SKIP() << orvelia::test::kNoFileSizeLimit;
    ASSERT_TRUE(run->exited) << "ended by signal " << run->code;
    EXPECT_EQ(run->code, 3);
    EXPECT_EQ(run->err, QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\n"
                                       "Accertarsi che il file di Excel non sia già aperto.\n"));
}

TEST_F(CliTest, VerifyNamesWhatStandsWhereAnArchiveShouldBe) {
    const QString unreadable = QStringLiteral("%1: l'archivio non può essere letto (non è un file, o non è "
                                              "accessibile).");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Brenzo.pro")));
    Outcome run = cli({"verifica"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.contains(unreadable.arg("Brenzo.pro"))) << run.out.join(u'\n').toStdString();
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("Brenzo.pro")));
    // A broken link, where the system makes links, and a pipe, where it makes pipes.
    if (QFile::link(path(QStringLiteral("altrove.lav")), path(QStringLiteral("2025.lav"))) &&
        QFileInfo(path(QStringLiteral("2025.lav"))).isSymLink()) {
        run = cli({"verifica"});
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.out.contains(unreadable.arg("2025.lav")));
    }
    QFile::remove(path(QStringLiteral("2025.lav")));
    if (orvelia::test::makePipe(path(QStringLiteral("2026.lav")))) {
        run = cli({"verifica"});
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.out.contains(unreadable.arg("2026.lav")));
    }
}

TEST_F(CliTest, AHugeSparseYearFileIsReadNotReservedFor) {
    // Eight terabytes of nothing: the summary stops at its first record, which has no date.
    {
        QFile year(path(QStringLiteral("2026.lav")));
        ASSERT_TRUE(year.open(QIODevice::WriteOnly));
        if (!year.resize(qint64(1) << 43))
            GTEST_SKIP() << "this file system makes no sparse file so large";
    }
    const Outcome run = cli({"riepilogo", "2026", "01/01", "31/12"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Attenzione: il riepilogo è incompleto.")));
}

TEST_F(CliTest, ChecksGiveTheMessageOfTheCheckWindow) {
    struct Case {
        const char* kind;
        const char* value;
        int code;
        const char* out;
        const char* err; // the beginning of the refusal
    } cases[] = {
        {"codice-fiscale", "rssmra80a01h501u", 0, "Il codice fiscale digitato è VALIDO.", ""},
        {"codice-fiscale", "RSSMRA80A01H501A", 1, nullptr, ""},
        {"codice-fiscale", "RSSMRA80", 2, nullptr, "Attenzione: "},
        {"partita-iva", "1234567890", 2, nullptr, "Attenzione: "},
        {"iban", "IT60X0542811101000000123456", 0, "L'IBAN digitato è VALIDO.", ""},
        {"iban", "IT61X0542811101000000123456", 1, nullptr, ""},
        {"carta", "4111 1111 1111 1111", 0, nullptr, ""},
        {"carta", "4111 1111 1111 1112", 1,
         "Attenzione: il numero digitato risulta ERRATO!\n\nNon è quindi possibile fornire informazioni "
         "relative al "
         "tipo di carta di credito.",
         ""},
        {"carta", "   ", 2, nullptr, "Attenzione: "},
        {"bancomat", "123", 2, nullptr, "Attenzione: il tipo di controllo \"bancomat\" non esiste."},
    };
    for (const Case& c : cases) {
        const Outcome run = cli({"controlla", c.kind, c.value});
        EXPECT_EQ(run.code, c.code) << c.kind << ' ' << c.value;
        if (c.out) {
            EXPECT_EQ(run.out.join(u'\n'), QString::fromUtf8(c.out)) << c.kind << ' ' << c.value;
        }
        EXPECT_EQ(run.out.isEmpty(), c.code == 2) << c.kind << ' ' << c.value;
        // Verdicts go to standard output, refusals to standard error.
        EXPECT_EQ(run.err.isEmpty(), c.code != 2) << run.err.toStdString();
        if (c.code == 2) {
            EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.err))) << run.err.toStdString();
        }
    }
}

TEST_F(CliTest, VerifyNamesEveryFaultByFileAndPosition) {
    std::vector<RawRecord> people = workers();
    people.pop_back(); // the contract with an expiry that does not exist
    people[1].set("Nome", "").setLengthByte("Note", 251);
    write(QStringLiteral("Brenzo.pro"), people);
    write(QStringLiteral("2025.lav"),
          {work({{"Cognome", "Rossi"},
                 {"Nome", "Mario"},
                 {"CodFisc", "RSSMRA80A01H501U"},
                 {"Data", "03/02/2025"},
                 {"Attivita", "Consegna"},
                 {"TotDovuto", "40,00"}}),
           work({{"Cognome", "Rossi"},
                 {"Nome", "Mario"},
                 {"CodFisc", "RSSMRA80A01H501U"},
                 {"Data", "30/02/2025"},
                 {"Attivita", "Consegna"},
                 {"TotDovuto", "quaranta"},
                 {"Incompleto", "Si"}})},
          std::string(100, 'x'));
    write(QStringLiteral("2024.lav"), {});
    write(QStringLiteral("appunti.lav"), {}); // not a year register
    const Outcome run = cli({"verifica"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(
        run.out,
        (QStringList{
            "Brenzo.pro: 3 schede intere.",
            "  Brenzo.pro, scheda 2: il campo Note dichiara 251 caratteri, oltre la sua capacità di 250.",
            "  Brenzo.pro, scheda 2: il campo Nome è vuoto.",
            "2024.lav: 0 schede intere.",
            "2025.lav: 2 schede intere e una scheda troncata di 100 byte in coda.",
            "  2025.lav, scheda 2: il campo Data (\"30/02/2025\") non è una data valida.",
            "  2025.lav, scheda 2: il campo TotDovuto (\"quaranta\") non è un importo leggibile.",
            "  2025.lav, scheda 2: il campo Incompleto vale \"Si\" invece di \"Sì\" o \"No\".",
            "Esito: 6 anomalie rilevate.",
        }));
    EXPECT_EQ(run.err, QString());

    // Sound archives; nothing is created.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("2025.lav"))));
    write(QStringLiteral("Brenzo.pro"), {workers()[0]});
    const Outcome sound = cli({"verifica"});
    EXPECT_EQ(sound.code, 0);
    EXPECT_EQ(sound.out, (QStringList{"Brenzo.pro: 1 schede intere.", "2024.lav: 0 schede intere.",
                                      "Esito: gli archivi sono integri."}));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("2025.lav"))));
}

TEST_F(CliTest, VerifyCreatesNothingInAnEmptyFolder) {
    const Outcome run = cli({"verifica"});
    EXPECT_EQ(run.code, 0);
    ASSERT_EQ(run.out.size(), 1);
    EXPECT_TRUE(run.out[0].startsWith(QStringLiteral("Nessun archivio nella cartella ")));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(CliTest, WrongRequestsAreRefusedInItalian) {
    struct Case {
        QStringList args;
        const char* firstLine;
    } cases[] = {
        {{}, "Attenzione: indicare un comando."},
        {{"stampa"}, "Attenzione: il comando \"stampa\" non esiste."},
        {{"statistiche"}, "Attenzione: argomenti errati per il comando statistiche."},
        {{"statistiche", "2025", "2026"}, "Attenzione: argomenti errati per il comando statistiche."},
        {{"cerca-lavori", "2025", "--cf", "x"},
         "Attenzione: il comando cerca-lavori non prevede l'opzione --cf."},
        {{"cerca-lavoratori", "--cognome"}, "Attenzione: manca il valore dell'opzione --cognome."},
        {{"--oggi", "31/02/2026", "scadenze"}, "Attenzione: la data 31/02/2026 non esiste."},
        {{"esporta-lavori", "2025", "--formato", "ods"},
         "Attenzione: il formato \"ods\" non esiste. Indicare xls (Excel 97-2003) o xlsx (Excel 2007 e "
         "successivi)."},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.args);
        EXPECT_EQ(run.code, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.section(u'\n', 0, 0), QString::fromUtf8(c.firstLine)) << run.err.toStdString();
    }
    QProcess process;
    process.start(
        QStringLiteral(ORVELIA_CLI),
        {QStringLiteral("--cartella"), dir.filePath(QStringLiteral("manca")), QStringLiteral("scadenze")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .startsWith(QStringLiteral("Attenzione: la cartella ")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("manca"))));

    process.start(QStringLiteral(ORVELIA_CLI), {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* command :
         {"riepilogo", "statistiche", "scadenze", "incompleti", "cerca-lavoratori", "cerca-lavori",
          "esporta-lavoratori", "esporta-lavori", "controlla", "verifica"})
        EXPECT_TRUE(help.contains(QStringLiteral("\n  %1").arg(QString::fromLatin1(command)))) << command;
}
