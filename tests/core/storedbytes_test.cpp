// The paths that work on the stored bytes of large archives give what the
// paths over decoded texts give.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <QByteArray>

#include "core/archive/cp1252.h"
#include "core/archive/dates.h"
#include "core/archive/layout.h"
#include "core/archive/text.h"
#include "core/lists/lines.h"
#include "core/reports/summary.h"
#include "core/work/worklines.h"
#include "support/printers.h"

using namespace orvelia;

TEST(StoredBytes, DatesReadAsTheDateCheckReadsThem) {
    const char* texts[] = {"03/02/2025",  " 03/02/2025\t", "3/2/2025",   "03/02/25",    "31/02/2025",
                           "29/02/2024",  "29/02/2025",    "00/01/2025", "01/13/2025",  "01/01/0000",
                           "01/01/0001",  "01-01-2025",    "",           "  ",          "03/02",
                           "03/02/2025/", "0a/02/2025",    "99/99/9999", "03 /02/2025", "03/02/2025\x01"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const QByteArray bytes(text);
        EXPECT_EQ(parseStoredDate(bytes, 2026), parseDate(trimText(cp1252::decode(bytes)), 2026));
    }
}

TEST(StoredBytes, ColumnsAreTrimmedCutAndFilled) {
    QByteArray out;
    cp1252::appendColumn(out, " \tRossi  ", 8);
    cp1252::appendColumn(out, "abcdefghij", 4);
    cp1252::appendColumn(out, "   ", 2);
    EXPECT_EQ(out, QByteArray("Rossi   abcd  "));
    EXPECT_EQ(cp1252::trimmed("\x01 Sì \x20"), QByteArrayView("Sì"));
}

TEST(StoredBytes, WorkLineOfTheBytesIsTheLineOfTheWindows) {
    using F = TSchedaLavoro;
    Record r(F::layout);
    r[F::Attivita] =
        QStringLiteral("  Attività di formazione con un titolo più lungo di quarantaquattro caratteri");
    r[F::Data] = QStringLiteral("03/02/2025");
    r[F::Cognome] = QStringLiteral("Dell'Acqua Boncompagni Ludovisi");
    r[F::Nome] = QStringLiteral("Niccolò");
    r[F::CodFisc] = QStringLiteral("DLLNCC80A01H501X");
    r[F::TotDovuto] = QStringLiteral("1234,50");
    std::vector<char> bytes(std::size_t(F::layout.size));
    r.encode(bytes.data());
    const RecordView view(F::layout, bytes.data());
    const QString line = work::workLine(view);
    EXPECT_EQ(line.indexOf(QStringLiteral("1234,50")), 144);
    EXPECT_TRUE(
        line.startsWith(QStringLiteral("Attività di formazione con un titolo più lun Data: 03/02/2025  "
                                       "Dell'Acqua Boncompagni Ludov  C.F. DLLNCC80A01H501X  Tel. ")));
    EXPECT_TRUE(line.endsWith(QStringLiteral("  Tot. € 1234,50")));
    QByteArray raw;
    work::appendWorkLine(raw, view);
    EXPECT_EQ(cp1252::decode(raw), line);
}

TEST(StoredBytes, ABlockOfLinesSortsAsTheListsSort) {
    // Random lines over a small alphabet, so that long common beginnings and equal lines are frequent.
    std::mt19937 random(7);
    const QByteArray alphabet("aAbB \xE0\xC0\x80zZ[_,");
    for (int round = 0; round < 20; ++round) {
        lists::LineBlock block;
        QStringList texts;
        for (int i = 0; i < 300; ++i) {
            // Often a long common beginning, so that lines agree over more than sixteen characters.
            QByteArray line =
                QByteArray("Montaggio scaffalature magazzino nord").left(qsizetype(random() % 40));
            const int length = int(random() % 40);
            for (int k = 0; k < length; ++k)
                line.append(alphabet[qsizetype(random() % std::size_t(alphabet.size()))]);
            line.append(QByteArray::number(i % 3)); // equal lines keep the order they were added in
            block.bytes().append(line);
            block.endLine();
            texts << cp1252::decode(line);
        }
        block.sort();
        lists::sortLines(texts);
        ASSERT_EQ(block.count(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i)
            ASSERT_EQ(cp1252::decode(block.line(i).toByteArray()), texts[i])
                << "round " << round << " line " << i;
    }
}

TEST(StoredBytes, LinesWithCharactersOutsideTheCodePageStillSort) {
    QStringList lines = {QStringLiteral("b"), QStringLiteral("\u0100"), QStringLiteral("A"),
                         QStringLiteral("a")};
    lists::sortLines(lines);
    EXPECT_EQ(lines, (QStringList{"A", "a", "b", "\u0100"}));
}

TEST(StoredBytes, LongListsSortedInTwoHalvesKeepTheListOrder) {
    // Long enough to be sorted in two halves at once; few distinct lines, so that equal ones abound.
    std::mt19937 random(11);
    const char* words[] = {"Consegna", "consegna", "Carico", "Pulizia", "Attivit\xE0", "CARICO"};
    lists::LineBlock block;
    QStringList texts;
    for (int i = 0; i < 60000; ++i) {
        QByteArray line(words[random() % 6]);
        line.append(" Data: ").append(QByteArray::number(int(random() % 28) + 1));
        block.bytes().append(line);
        block.endLine();
        texts << cp1252::decode(line);
    }
    QStringList expected = texts;
    std::stable_sort(expected.begin(), expected.end(), lists::lineBefore);
    lists::sortLines(texts);
    EXPECT_EQ(texts, expected);
    block.sort();
    for (qsizetype i = 0; i < expected.size(); ++i)
        ASSERT_EQ(cp1252::decode(block.line(i).toByteArray()), expected[i]) << i;
}
