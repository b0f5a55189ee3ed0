#include <gtest/gtest.h>

#include "support/printers.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "core/lists/lookup.h"
#include "core/work/worklines.h"

using namespace orvelia;
using namespace orvelia::work;
using F = TSchedaLavoro;

namespace {

struct Work {
    const char16_t* activity;
    const char16_t* date;
    const char16_t* surname;
    const char16_t* name;
    const char16_t* codFisc = u"";
    const char16_t* phone = u"";
    const char16_t* total = u"";
    const char16_t* incomplete = u"No";
    const char16_t* note = u"";
    const char16_t* place = u"";
};

Record record(const Work& w) {
    Record r(F::layout);
    r[F::Attivita] = QString::fromUtf16(w.activity);
    r[F::Data] = QString::fromUtf16(w.date);
    r[F::Cognome] = QString::fromUtf16(w.surname);
    r[F::Nome] = QString::fromUtf16(w.name);
    r[F::CodFisc] = QString::fromUtf16(w.codFisc);
    r[F::Recapito] = QString::fromUtf16(w.phone);
    r[F::TotDovuto] = QString::fromUtf16(w.total);
    r[F::Incompleto] = QString::fromUtf16(w.incomplete);
    r[F::Note] = QString::fromUtf16(w.note);
    r[F::Luogo] = QString::fromUtf16(w.place);
    return r;
}

// Writes the records one after the other, as the program lays them on the disk.
void writeYear(const QString& path, const std::vector<Record>& records) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes(F::kSize, '\0');
    for (const Record& r : records) {
        r.encode(bytes.data());
        ASSERT_EQ(file.write(bytes), F::kSize);
    }
}

QString lineOf(const Record& r) {
    QByteArray bytes(F::kSize, '\0');
    r.encode(bytes.data());
    return workLine(RecordView(F::layout, bytes.constData()));
}

using Filters = std::array<QString, kSearchFields.size()>;
enum Box { Data, Luogo, Attivita, Postazione, Cognome, Nome, CodFisc, Mansione, CodiceProg, Note };

Filters filters(std::initializer_list<std::pair<Box, const char16_t*>> typed) {
    Filters f;
    for (const auto& [box, text] : typed)
        f[box] = QString::fromUtf16(text);
    return f;
}

} // namespace

TEST(WorkLine, ColumnsArePaddedOrCutAndTheAmountFollowsAsItIs) {
    const Record full = record({u"Potatura siepi", u"05/03/2026", u"Rossi", u"Mario", u"RSSMRA80A01H501U",
                                u"333 1234567", u"123,50"});
    EXPECT_EQ(lineOf(full), QStringLiteral("Potatura siepi") + QString(30, u' ') +
                                QStringLiteral(" Data: 05/03/2026") + QStringLiteral("  Rossi Mario") +
                                QString(17, u' ') + QStringLiteral("  C.F. RSSMRA80A01H501U") +
                                QStringLiteral("  Tel. 333 1234567   ") + QStringLiteral("  Tot. € 123,50"));
    EXPECT_EQ(workLine(full), lineOf(full)); // a decoded record gives the same line

    // Long texts are cut at their column; the amount is never cut or padded.
    Record longer = record({u"", u"", u"", u""});
    longer[F::Attivita] = QString(60, u'A');
    longer[F::Cognome] = QStringLiteral("Dell'Acqua Bianchetti");
    longer[F::Nome] = QStringLiteral("Maria Giovanna");
    longer[F::Recapito] = QStringLiteral("+39 0123 4567890");
    longer[F::TotDovuto] = QStringLiteral("123456789012,45");
    const QString line = lineOf(longer);
    EXPECT_EQ(line.left(51), QString(44, u'A') + QStringLiteral(" Data: "));
    EXPECT_EQ(line.mid(61, 30), QStringLiteral("  Dell'Acqua Bianchetti Maria "));
    EXPECT_TRUE(line.endsWith(QStringLiteral("  Tel. +39 0123 45678  Tot. € 123456789012,45")));
    EXPECT_EQ(line.size(), 44 + 17 + 30 + 23 + 21 + 9 + 15);

    // An empty record still has every column, and the blank worker between the names.
    EXPECT_EQ(lineOf(Record(F::layout)), QString(44, u' ') + QStringLiteral(" Data: ") + QString(12, u' ') +
                                             QString(28, u' ') + QStringLiteral("  C.F. ") +
                                             QString(16, u' ') + QStringLiteral("  Tel. ") +
                                             QString(14, u' ') + QStringLiteral("  Tot. € "));
}

TEST(WorkSearch, EveryFilledFilterMustOccurInItsField) {
    Record r = record({u"Manutenzione del giardino", u"15/03/2026", u"De Rossi", u"Mario"});
    r[F::Luogo] = QStringLiteral("Villa Àurea");
    r[F::Note] = QStringLiteral("cancello  nord");
    r[F::CodiceProg] = QStringLiteral("PRJ-07");
    QByteArray bytes(F::kSize, '\0');
    r.encode(bytes.data());
    const RecordView view(F::layout, bytes.constData());

    struct Case {
        const char* what;
        Filters typed;
        int filled;
        bool listed;
    };
    const Case cases[] = {
        {"no filter lists every record", filters({}), 0, true},
        {"a year in the date box", filters({{Data, u"2026"}}), 1, true},
        {"a month in the date box", filters({{Data, u"/03/"}}), 1, true},
        {"another month", filters({{Data, u"/04/"}}), 1, false},
        {"a part anywhere in the field", filters({{Attivita, u"del giard"}}), 1, true},
        {"capitals and small letters alike", filters({{Cognome, u"DE ROSSI"}, {Nome, u"mArIo"}}), 2, true},
        {"both filters must occur", filters({{Cognome, u"Rossi"}, {Nome, u"Luigi"}}), 2, false},
        {"the box's field only", filters({{Nome, u"Rossi"}}), 1, false},
        {"the last box", filters({{Note, u"nord"}, {CodiceProg, u"prj"}}), 2, true},
        {"a leading blank inside the field", filters({{Cognome, u" rossi"}}), 1, true},
        {"a trailing blank where the field ends", filters({{Cognome, u"Rossi "}}), 1, false},
        {"a trailing blank before another word", filters({{Cognome, u"De "}}), 1, true},
        {"an accented capital is its own letter", filters({{Luogo, u"àurea"}}), 1, false},
        {"an accented capital as typed", filters({{Luogo, u"àUREA"}}), 1, false},
        {"an accented capital matched", filters({{Luogo, u"ÀUREA"}}), 1, true},
        // Blanks only take no part, neither counted nor making up for a box that misses.
        {"blanks only are not a filter", filters({{Note, u"  "}}), 0, true},
        {"blanks only do not make up for a miss", filters({{Note, u"  "}, {Cognome, u"Verdi"}}), 1, false},
    };
    for (const Case& c : cases) {
        const WorkSearch search(c.typed);
        EXPECT_EQ(search.filledCount(), c.filled) << c.what;
        EXPECT_EQ(search.matches(view), c.listed) << c.what;
    }
}

TEST(WorkLists, SearchAndIncompleteListScanTheYearInFileOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2026.lav"));
    const std::vector<Record> year = {
        record({u"Pulizia", u"02/01/2026", u"Rossi", u"Mario", u"", u"", u"10,00", u"S\u00EC"}),
        record({u"Pulizia", u"03/01/2026", u"Bianchi", u"Anna", u"", u"", u"20,00", u"No"}),
        record({u"Giardino", u"04/01/2026", u"Rossi", u"Luca", u"", u"", u"30,00", u"Si"}),
        record({u"Giardino", u"05/01/2026", u"Verdi", u"Ugo", u"", u"", u"40,00", u"s\u00EC"}),
        record({u"Potatura", u"06/01/2026", u"Neri", u"Eva", u"", u"", u"50,00", u""}),
        record({u"Potatura", u"07/01/2026", u"Gialli", u"Ida", u"", u"", u"60,00", u"S\u00EC"}),
    };
    writeYear(path, year);

    const WorkLines rossi = searchWorks(path, WorkSearch(filters({{Cognome, u"rossi"}})));
    EXPECT_EQ(rossi.error, ArchiveError::None);
    EXPECT_EQ(rossi.lines, QStringList({lineOf(year[0]), lineOf(year[2])}));
    EXPECT_EQ(searchWorks(path, WorkSearch(filters({}))).lines.size(), 6);

    // Only "Sì" as it is: not "Si", not "sì", not empty.
    const WorkLines incomplete = incompleteWorks(path);
    EXPECT_EQ(incomplete.error, ArchiveError::None);
    EXPECT_EQ(incomplete.lines, QStringList({lineOf(year[0]), lineOf(year[5])}));

    // An empty year, and a year whose file is missing (it is created empty).
    const QString missing = dir.filePath(QStringLiteral("2027.lav"));
    const WorkLines none = incompleteWorks(missing);
    EXPECT_EQ(none.error, ArchiveError::None);
    EXPECT_TRUE(none.lines.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(missing));
    EXPECT_TRUE(searchWorks(missing, WorkSearch(filters({}))).lines.isEmpty());

    // A file that cannot be opened reports the error.
    EXPECT_NE(searchWorks(dir.filePath(QStringLiteral("manca/2026.lav")), WorkSearch(filters({}))).error,
              ArchiveError::None);
}

TEST(WorkLists, AnIdenticalLineLeadsBackToTheLaterRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2026.lav"));
    Record first = record({u"Pulizia", u"02/01/2026", u"Rossi", u"Mario", u"RSSMRA80A01H501U", u"333",
                           u"10,00", u"S\u00EC", u"prima"});
    Record other = record({u"Pulizia", u"02/01/2026", u"Rossi", u"Maria"});
    Record second = first;
    second[F::Incompleto] = kNo; // a complete record with the same line, later in the file
    second[F::Note] = QStringLiteral("seconda");
    writeYear(path, {first, other, second});

    std::vector<qint64> loaded;
    const auto found = lists::findRecordOfLine(
        path, F::layout, incompleteWorks(path).lines.at(0), [](const RecordView& r) { return workLine(r); },
        [&](qint64 number, const RecordView&) { loaded.push_back(number); });
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value(), 3);
    EXPECT_EQ(loaded, (std::vector<qint64>{1, 3}));
}
