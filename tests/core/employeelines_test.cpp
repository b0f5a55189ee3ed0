#include <gtest/gtest.h>

#include "support/printers.h"

#include <vector>

#include <QByteArray>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/lists/lines.h"
#include "core/registry/employeelines.h"

using namespace orvelia;
using namespace orvelia::registry;
using F = TSchedaLavoratore;

namespace {

const QDate kToday(2026, 12, 9);

QString blanks(int n) {
    return QString(n, u' ');
}

struct Fields {
    std::vector<std::pair<F::Field, QString>> values;
};

Record worker(const Fields& fields) {
    Record r(F::layout);
    for (const auto& [field, value] : fields.values)
        r[field] = value;
    return r;
}

// A record as it lies in the archive, trimmed and cut by the encoding.
class Stored {
public:
    explicit Stored(const Record& record)
        : m_bytes(F::kSize, '\0') {
        record.encode(m_bytes.data());
    }
    RecordView view() const { return RecordView(F::layout, m_bytes.constData()); }

private:
    QByteArray m_bytes;
};

std::array<QString, 10> filters(std::initializer_list<std::pair<int, QString>> typed) {
    std::array<QString, 10> out;
    for (const auto& [index, text] : typed)
        out[std::size_t(index)] = text;
    return out;
}

enum FilterBox { Cognome, Nome, Codice, Categoria, CodFisc, Iva, Familiari, Prodotti, Acquisto, Note };

} // namespace

TEST(EmployeeLines, SearchLineOfAShortNameWithEmptyColumnsEndsWithTheNoteLabel) {
    const Record r = worker({{{F::Cognome, "Rossi"}, {F::Nome, "Mario"}, {F::CodFisc, "RSSMRA80A01H501U"}}});
    const QString expected = "Rossi Mario" + blanks(17) + "  C.F. RSSMRA80A01H501U" + "  Mans. " +
                             blanks(24) + "  Tel. " + blanks(14) + "  Note: ";
    EXPECT_EQ(searchLine(r), expected);
    EXPECT_EQ(searchLine(Stored(r).view()), expected);
    EXPECT_TRUE(expected.endsWith(": "));
}

TEST(EmployeeLines, ColumnsAreCutButTheLastFieldIsWhole) {
    const QString note = QString(250, u'n');
    const Record r = worker({{{F::Cognome, "Abcdefghijklmnopqrst"},
                              {F::Nome, "Uvwxyzabcdefg"},
                              {F::CodFisc, "  rssmra80a01h501u  "},
                              {F::Codice, QString(30, u'm')},
                              {F::Recapito, "+39 02 1234 5678 90"},
                              {F::Note, note},
                              {F::Scadenza, "01/02/2027"},
                              {F::Totale, "1234567890123,00"},
                              {F::Rata, "10,00"},
                              {F::Acquisto, QString(50, u't')}}});
    const QString line = searchLine(r);
    EXPECT_EQ(line.left(28), "Abcdefghijklmnopqrst Uvwxyza"); // 34 characters cut at 28
    EXPECT_EQ(line.mid(28, 23), "  C.F. rssmra80a01h501u");   // trimmed first
    EXPECT_EQ(line.mid(51, 32), "  Mans. " + QString(24, u'm'));
    EXPECT_EQ(line.mid(83, 21), "  Tel. +39 02 1234 56");
    EXPECT_EQ(line.mid(104), "  Note: " + note);

    const QString expiry = expiryLine(r);
    EXPECT_EQ(expiry.left(30), "Abcdefghijklmnopqrst Uvwxyzabc");
    const QString rest = QStringLiteral("  Tel. +39 02 1234   Scad. 01/02/2027  Tot. € 123456789012"
                                        "  Rata: € 10,00         Tipo: ");
    EXPECT_EQ(expiry.mid(30), rest + QString(50, u't'));
}

TEST(EmployeeLines, ExpiryLineOfAShortRecord) {
    const Record r = worker({{{F::Cognome, "Verdi"},
                              {F::Nome, "Anna"},
                              {F::Scadenza, "19/12/2026"},
                              {F::Totale, "1500,00"},
                              {F::Rata, "500,00"},
                              {F::Acquisto, "Tempo determinato"}}});
    EXPECT_EQ(expiryLine(r), "Verdi Anna" + blanks(20) + "  Tel. " + blanks(12) + "  Scad. 19/12/2026" +
                                 "  Tot. € 1500,00     " + "  Rata: € 500,00      " +
                                 "  Tipo: Tempo determinato");
}

TEST(EmployeeSearchRule, FiltersAsTypedLowerCasedAndAllInUseMustHit) {
    const Record rossi = worker({{{F::Cognome, "De Rossi"},
                                  {F::Nome, "Mario"},
                                  {F::Codice, "Giardiniere"},
                                  {F::Iva, "01234560967"},
                                  {F::Note, "Èlite del reparto"}}});
    const Record bianchi = worker({{{F::Cognome, "Rossini"}, {F::Nome, "Luca"}, {F::Codice, "Autista"}}});
    struct Case {
        const char* what;
        std::array<QString, 10> typed;
        int inUse;
        bool rossiFound;
        bool bianchiFound;
    };
    const Case cases[] = {
        {"no filter lists everybody", filters({}), 0, true, true},
        {"part of a surname", filters({{Cognome, "ross"}}), 1, true, true},
        {"capitals find small letters", filters({{Cognome, "ROSS"}}), 1, true, true},
        {"a leading blank is searched for", filters({{Cognome, " rossi"}}), 1, true, false},
        {"a trailing blank is searched for", filters({{Cognome, "rossi "}}), 1, false, false},
        {"a trailing blank inside the field", filters({{Cognome, "de "}}), 1, true, false},
        {"two filters, both hit", filters({{Cognome, "rossi"}, {Codice, "giard"}}), 2, true, false},
        {"two filters, one misses", filters({{Cognome, "rossini"}, {Codice, "giard"}}), 2, false, false},
        {"the partita IVA filter is a substring too", filters({{Iva, "4560"}}), 1, true, false},
        {"an accented capital does not find the small letter", filters({{Note, "èlite"}}), 1, false, false},
        {"an accented capital finds itself", filters({{Note, "Èlite"}}), 1, true, false},
        {"a box of blanks alone lists everybody", filters({{Nome, "   "}}), 0, true, true},
        // A blank typed by mistake in another box must not list workers of another surname.
        {"a box of blanks does not stand in for a miss", filters({{Codice, "autista"}, {Cognome, " "}}), 1,
         false, true},
        {"a filter on an empty field", filters({{Categoria, "a"}}), 1, false, false},
    };
    const Stored rossiStored(rossi), bianchiStored(bianchi);
    for (const Case& c : cases) {
        const EmployeeSearch search(c.typed);
        EXPECT_EQ(search.filtersInUse(), c.inUse) << c.what;
        EXPECT_EQ(search.matches(rossiStored.view()), c.rossiFound) << c.what;
        EXPECT_EQ(search.matches(bianchiStored.view()), c.bianchiFound) << c.what;
    }
}

TEST(EmployeeSearchRule, SearchesTheWholeArchiveInArchiveOrder) {
    QTemporaryDir dir;
    const QString path = employeeArchivePath(dir.path());
    EXPECT_EQ(*searchEmployees(path, EmployeeSearch(filters({}))),
              QStringList()); // a missing file is created
    for (const char* surname : {"Rossi", "bianchi", "Rossetti"})
        ASSERT_TRUE(archive::append(path, worker({{{F::Cognome, surname}, {F::Nome, "X"}}})).ok());
    const auto found = searchEmployees(path, EmployeeSearch(filters({{Cognome, "Ross"}})));
    ASSERT_TRUE(found.ok());
    ASSERT_EQ(found->size(), 2);
    EXPECT_TRUE(found->at(0).startsWith("Rossi X "));
    EXPECT_TRUE(found->at(1).startsWith("Rossetti X "));
}

TEST(ExpiryRule, DueFromTheFirstDayOfNotice) {
    struct Case {
        QString scadenza;
        QString preavviso;
        ContractState expected;
    };
    const Case cases[] = {
        {"19/12/2026", "10", ContractState::Due},   // ten days away, ten days' notice
        {"19/12/2026", "9", ContractState::NotDue}, // nine days' notice starts tomorrow
        {"09/12/2026", "0", ContractState::Due},    // today
        {"10/12/2026", "0", ContractState::NotDue}, // tomorrow, no notice
        {"01/01/2020", "0", ContractState::Due},    // long expired
        {"08/12/2026", "365", ContractState::Due},
        {"09/03/2027", "90", ContractState::Due}, // across the year end
        {"10/03/2027", "90", ContractState::NotDue},
        {"19/12", "10", ContractState::Due}, // a date without a year is this year's
        {"", "10", ContractState::Unreadable},
        {"31/02/2026", "10", ContractState::Unreadable},
        {"domani", "10", ContractState::Unreadable},
        {"19/12/2026", "", ContractState::Unreadable},
        {"19/12/2026", "1,5", ContractState::Unreadable},
        {"19/12/2026", "dieci", ContractState::Unreadable},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contractState(c.scadenza, c.preavviso, kToday), c.expected)
            << c.scadenza.toStdString() << " " << c.preavviso.toStdString();
}

TEST(ExpiryRule, ADamagedRecordIsNotedAndTheScanGoesOn) {
    QTemporaryDir dir;
    const QString path = employeeArchivePath(dir.path());
    const ExpiringContracts none = expiringContracts(path, kToday);
    EXPECT_EQ(none.error, ArchiveError::None);
    EXPECT_TRUE(none.lines.isEmpty());
    EXPECT_TRUE(none.unreadable.isEmpty());

    const std::vector<Fields> records = {
        {{{F::Cognome, "Primo"}, {F::Scadenza, "01/12/2026"}, {F::Preavviso, "0"}}},
        {{{F::Cognome, "Guasto"}, {F::Scadenza, "xx/12/2026"}, {F::Preavviso, "0"}}},
        {{{F::Cognome, "Lontano"}, {F::Scadenza, "01/12/2027"}, {F::Preavviso, "30"}}},
        {{{F::Cognome, "Senza"}, {F::Scadenza, "01/12/2026"}, {F::Preavviso, ""}}},
        {{{F::Cognome, "Ultimo"}, {F::Scadenza, "10/12/2026"}, {F::Preavviso, "1"}}},
    };
    for (const Fields& f : records)
        ASSERT_TRUE(archive::append(path, worker(f)).ok());
    const ExpiringContracts due = expiringContracts(path, kToday);
    EXPECT_EQ(due.error, ArchiveError::None);
    ASSERT_EQ(due.lines.size(), 2);
    EXPECT_TRUE(due.lines[0].startsWith("Primo "));
    EXPECT_TRUE(due.lines[1].startsWith("Ultimo "));
    EXPECT_EQ(due.unreadable, (QList<qint64>{2, 4}));
}

TEST(DocumentRule, ExpiredAndWithinTheDaysAreListedExpiredFirst) {
    struct Case {
        QString dataSca;
        int days;
        std::optional<qint64> left; // nothing: fails the date check
        bool listed;
    };
    const Case cases[] = {
        {"09/12/2026", 30, 0, true},    // today
        {"08/12/2026", 30, -1, true},   // yesterday
        {"01/01/2020", 0, -2534, true}, // long expired, whatever the days
        {"08/01/2027", 30, 30, true},   // the last day within
        {"09/01/2027", 30, 31, false},  // one day beyond
        {"10/12/2026", 0, 1, false},
        {"19/12", 10, 10, true}, // a date without a year is this year's
        {"31/02/2026", 30, std::nullopt, false},
        {"domani", 30, std::nullopt, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(documentDaysLeft(c.dataSca, kToday), c.left) << c.dataSca.toStdString();
        const Record r = worker({{{F::Cognome, "Rossi"}, {F::Nome, "Anna"}, {F::DataSca, c.dataSca}}});
        EXPECT_EQ(!documentLine(r, kToday, c.days).isEmpty(), c.listed) << c.dataSca.toStdString();
    }
    EXPECT_EQ(documentLine("Rossi", "Anna", "Carta d'identit\u00E0", "CA12345AB", "08/12/2026", -1),
              "Scaduto Rossi Anna" + blanks(20) + "  Doc. Carta d'identit\u00E0" + blanks(4) +
                  "  N. CA12345AB" + blanks(7) + "  Scad. 08/12/2026  Giorni:    -1");
    QStringList lines{documentLine("Abate", "Zeno", "Passaporto", "", "20/12/2026", 11),
                      documentLine("Zucca", "Ada", "Patente", "", "01/12/2026", -8)};
    lists::sortLines(lines);
    EXPECT_TRUE(lines.front().startsWith("Scaduto Zucca Ada")); // the expired first, whatever the name
}

TEST(DocumentRule, EmptyDatesAreLeftOutAndDamagedOnesNamed) {
    QTemporaryDir dir;
    const QString path = employeeArchivePath(dir.path());
    const std::vector<Fields> records = {
        {{{F::Cognome, "Scaduto"}, {F::DataSca, "01/12/2026"}}},
        {{{F::Cognome, "Vuoto"}, {F::DataSca, ""}}},
        {{{F::Cognome, "Guasto"}, {F::DataSca, "31/02/2026"}}},
        {{{F::Cognome, "Lontano"}, {F::DataSca, "01/12/2027"}}},
        {{{F::Cognome, "Vicino"}, {F::DataSca, "20/12/2026"}}},
    };
    for (const Fields& f : records)
        ASSERT_TRUE(archive::append(path, worker(f)).ok());
    const DocumentsDue due = documentsDue(path, kToday, 30);
    EXPECT_EQ(due.error, ArchiveError::None);
    ASSERT_EQ(due.lines.size(), 2);
    EXPECT_TRUE(due.lines[0].startsWith("Scaduto Scaduto "));
    EXPECT_TRUE(due.lines[1].startsWith("Valido  Vicino "));
    EXPECT_TRUE(due.lines[1].endsWith("Giorni:    11"));
    EXPECT_EQ(due.unreadable, QList<qint64>{3});
    EXPECT_EQ(
        unreadableDocumentMessage(due.unreadable),
        "Attenzione: non \u00E8 stato possibile leggere la data di scadenza del documento delle schede in "
        "posizione 3.");
}
