#include <gtest/gtest.h>

#include "support/printers.h"

#include <vector>

#include <QDir>
#include <QTemporaryDir>

#include "core/archive/layout.h"
#include "core/archive/paths.h"
#include "core/archive/recordfile.h"
#include "core/lists/lines.h"
#include "core/lists/lookup.h"
#include "core/lists/quickfind.h"

using namespace orvelia;
using namespace orvelia::lists;

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

struct OrderCase {
    const char16_t* first;
    const char16_t* second;
    int expected; // -1: first comes before second, 0: they rank together
};

} // namespace

TEST(ListOrder, ComparesCharacterCodesWithSmallLettersAsCapitals) {
    const OrderCase cases[] = {
        {u"bianchi Anna", u"Rossi Mario", -1}, // a small initial sorts among the capitals
        {u"ROSSI MARIO", u"rossi mario", 0},   // a-z are A-Z
        {u"Rossi", u"Rossi Mario", -1},        // a beginning comes first
        {u"", u"A", -1},                       // the empty line first of all
        {u"Rossi Mario", u"Rossi, Mario", -1}, // blank 32 before comma 44
        {u"abc", u"[abc", -1},                 // folded letters (41-5A) come before '[' (5B)
        {u"Zeta", u"_zeta", -1},               // and before '_' (5F), which follows 'Z'
        {u"e", u"\u00C9", -1},                 // accented capitals keep their own code (C9)
        {u"\u00C9", u"\u00E9", -1},            // and are not folded onto the small ones (E9)
        {u"\u20AC 5", u"\u00E0 5", -1},        // euro sign is 80 in the code page, before a grave (E0)
        {u"\u2122", u"\u0100", -1},            // a character outside the code page follows every byte
        {u"02/03/2026", u"15/01/2026", -1},    // dates sort by their text, day first
        {u" Rossi", u"Rossi", -1},             // a leading blank sorts first
    };
    for (const OrderCase& c : cases) {
        const QString a = QString::fromUtf16(c.first);
        const QString b = QString::fromUtf16(c.second);
        SCOPED_TRACE(a.toStdString() + " | " + b.toStdString());
        EXPECT_EQ(sign(compareLines(a, b)), c.expected);
        EXPECT_EQ(sign(compareLines(b, a)), -c.expected);
    }
}

TEST(ListOrder, SortingAndInsertingAgree) {
    const QStringList added = {QStringLiteral("Rossi Mario"),   QStringLiteral("bianchi Anna"),
                               QStringLiteral("Rossi"),         QStringLiteral("ROSSI MARIO"),
                               QStringLiteral("Verdi Luca"),    QStringLiteral("\u00C8 Rossi"),
                               QStringLiteral("Bianchi Carlo"), QStringLiteral("rossi mario")};
    const QStringList expected = {QStringLiteral("bianchi Anna"), QStringLiteral("Bianchi Carlo"),
                                  QStringLiteral("Rossi"),        QStringLiteral("Rossi Mario"),
                                  QStringLiteral("ROSSI MARIO"),  QStringLiteral("rossi mario"),
                                  QStringLiteral("Verdi Luca"),   QStringLiteral("\u00C8 Rossi")};
    QStringList sorted = added;
    sortLines(sorted);
    EXPECT_EQ(sorted, expected);

    // One at a time, each line goes after the lines that rank with it.
    QStringList inserted;
    for (const QString& line : added)
        insertSorted(inserted, line);
    EXPECT_EQ(inserted, expected);
    EXPECT_EQ(sortedPosition(expected, QStringLiteral("ROSSI")), 3);
}

TEST(ListLines, FitTextPadsAndCuts) {
    struct Case {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        {QStringLiteral("Rossi"), 8, QStringLiteral("Rossi   ")},
        {QStringLiteral("Rossi Mario"), 5, QStringLiteral("Rossi")},
        {QStringLiteral("Verdi"), 5, QStringLiteral("Verdi")},
        {QString(), 3, QStringLiteral("   ")},
        {QStringLiteral("Abc"), 0, QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitText(c.text, c.width), c.expected) << c.text.toStdString() << " " << c.width;
    EXPECT_EQ(lowerAscii(QStringLiteral("ROSSI \u00C8 Nicol\u00D2")),
              QStringLiteral("rossi \u00C8 nicol\u00D2"));
    EXPECT_EQ(foundCountText(12), QStringLiteral("Il presente riepilogo contiene 12 schede."));
}

namespace {

struct FindStep {
    const char16_t* typed;
    qsizetype selected; // the selection before the press: -1 none
    qsizetype expected; // the selection after it
    bool found;
};

void runSteps(const QStringList& lines, const std::vector<FindStep>& steps) {
    QuickFind find;
    int n = 0;
    for (const FindStep& s : steps) {
        const QString typed = QString::fromUtf16(s.typed);
        SCOPED_TRACE("step " + std::to_string(++n) + " key '" + typed.toStdString() + "'");
        const QuickFind::Result r = find.next(lines, s.selected, typed);
        EXPECT_EQ(r.selection, s.expected);
        EXPECT_EQ(r.found, s.found);
        EXPECT_EQ(find.key(), lowerAscii(typed));
    }
}

} // namespace

TEST(QuickFind, SameKeyMovesOnAndWrapsNewKeyRestarts) {
    const QStringList lines = {
        QStringLiteral("Alfa rossi"),    // 0
        QStringLiteral("Beta"),          // 1
        QStringLiteral("Gamma ROSSI"),   // 2
        QStringLiteral("Delta Rossini"), // 3
        QStringLiteral("Epsilon"),       // 4
    };
    runSteps(lines, {
                        {u"rossi", -1, 0, true}, // no selection: the first line, tested first
                        {u"rossi", 0, 2, true},  // the same key goes on after the selection
                        {u"ROSSI", 2, 3, true},  // capitals are the same key
                        {u"rossi", 3, 0, true},  // wraps round to the first line
                        {u"beta", 0, 1, true},   // a new key restarts from the first line
                        {u"alfa", 4, 0, true},   // ... which is selected when it holds the key
                        {u"zeta", 0, 0, false},  // nowhere: the selection stays, silently
                        {u"zeta", 3, 3, false},
                        {u"", 3, 3, false},       // an empty key is in no line
                        {u"", -1, 0, false},      // with nothing selected the first line is
                        {u"epsilon", 4, 4, true}, // a new key found only on the selected line
                        {u"epsilon", 4, 4, true}, // the same key tests the selected line last
                        {u"beta", 9, 1, true},    // a selection past the end counts as none
                    });
}

TEST(QuickFind, KeyIsMatchedAsTyped) {
    const QStringList lines = {
        QStringLiteral("Rossi Mario  Note: perch\u00E9"), // 0
        QStringLiteral("Mario Rossi  Note: PERCH\u00C9"), // 1
        QStringLiteral("Verdi Mariolina"),                // 2
    };
    runSteps(lines, {
                        {u"perch\u00C9", -1, 1, true}, // an accented capital is not its small letter
                        {u"perch\u00C9", 1, 1, true},
                        {u"PERCH\u00E9", 1, 0, true}, // nor the other way round
                        {u" rossi", 0, 1, true},      // a leading blank must be in the line too
                        {u" rossi", 1, 1, true},
                        {u"mario ", 1, 0, true}, // a trailing blank as well: Mariolina never
                        {u"mario ", 0, 1, true},
                        {u"mario ", 1, 0, true},
                        {u"MARIO", 0, 0, true}, // a new key (capitals taken as small letters)
                        {u"mario", 0, 1, true}, // ... is the same key as in small letters
                        {u"mario", 1, 2, true},
                    });
}

TEST(QuickFind, EmptyListKeepsTheKey) {
    QuickFind find;
    find.next({QStringLiteral("Rossi")}, -1, QStringLiteral("Rossi"));
    const QuickFind::Result r = find.next({}, -1, QStringLiteral("Verdi"));
    EXPECT_EQ(r.selection, -1);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(find.key(), QStringLiteral("rossi"));
    find.clear();
    EXPECT_TRUE(find.key().isEmpty());
}

namespace {

class LineLookupTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString archivePath() const { return employeeArchivePath(dir.path()); }

    void add(const QString& surname, const QString& name, const QString& email) {
        Record r(TSchedaLavoratore::layout);
        r[TSchedaLavoratore::Cognome] = surname;
        r[TSchedaLavoratore::Nome] = name;
        r[TSchedaLavoratore::Email] = email;
        ASSERT_TRUE(archive::append(archivePath(), r).ok());
    }

    // A line in the manner of the list windows: a padded column, then the rest.
    static QString lineOf(const RecordView& r) {
        return fitText(r[TSchedaLavoratore::Cognome] + u' ' + r[TSchedaLavoratore::Nome], 20) +
               QStringLiteral("  Note: ") + r[TSchedaLavoratore::Note];
    }
};

} // namespace

TEST_F(LineLookupTest, TheLastRecordOfIdenticalLinesWins) {
    add(QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("primo@example.it"));
    add(QStringLiteral("Bianchi"), QStringLiteral("Anna"), QString());
    add(QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("secondo@example.it"));
    add(QStringLiteral("Verdi"), QStringLiteral("Luca"), QString());

    std::vector<std::pair<qint64, QString>> loaded;
    const auto found = findRecordOfLine(archivePath(), TSchedaLavoratore::layout,
                                        QStringLiteral("  Rossi Mario           Note:"), lineOf,
                                        [&](qint64 number, const RecordView& r) {
                                            loaded.emplace_back(number, r[TSchedaLavoratore::Email]);
                                        });
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*found, std::optional<qint64>(3));
    const std::vector<std::pair<qint64, QString>> expected = {{1, QStringLiteral("primo@example.it")},
                                                              {3, QStringLiteral("secondo@example.it")}};
    EXPECT_EQ(loaded, expected);
}

TEST_F(LineLookupTest, ComparesTrimmedLinesExactly) {
    add(QStringLiteral("Bianchi"), QStringLiteral("Anna"), QString());
    struct Case {
        QString chosen;
        std::optional<qint64> expected;
    } cases[] = {
        {QStringLiteral("Bianchi Anna          Note: "), 1},
        {QStringLiteral("Bianchi Anna          Note:"), 1},
        {QStringLiteral("BIANCHI ANNA          Note:"), std::nullopt}, // case counts here
        {QStringLiteral("Bianchi Anna Note:"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const Case& c : cases) {
        const auto found = findRecordOfLine(archivePath(), TSchedaLavoratore::layout, c.chosen, lineOf);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(*found, c.expected) << c.chosen.toStdString();
    }
}

TEST_F(LineLookupTest, MissingArchiveIsCreatedAndUnreachableOneFails) {
    int calls = 0;
    const auto none = findRecordOfLine(archivePath(), TSchedaLavoratore::layout, QStringLiteral("Rossi"),
                                       lineOf, [&](qint64, const RecordView&) { ++calls; });
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none->has_value());
    EXPECT_TRUE(QFileInfo::exists(archivePath()));

    const QString unreachable = dir.filePath(QStringLiteral("manca/Brenzo.pro"));
    const auto failed =
        findRecordOfLine(unreachable, TSchedaLavoratore::layout, QStringLiteral("Rossi"), lineOf);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.error(), ArchiveError::Open);
    EXPECT_EQ(calls, 0);
}
