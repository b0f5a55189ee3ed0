#include <gtest/gtest.h>

#include "support/printers.h"

#include <cstring>
#include <random>
#include <vector>

#include "core/archive/cp1252.h"
#include "core/archive/layout.h"
#include "core/archive/shortstring.h"

using namespace orvelia;

namespace {

struct Expected {
    const char* name;
    int capacity;
    int offset;
};

// Offsets as the files of earlier installations have them.
const std::vector<Expected> kWorkerFields = {
    {"Cognome", 50, 0},       {"Nome", 50, 51},
    {"CodFisc", 16, 102},     {"Sesso", 1, 119},
    {"DataNasc", 10, 121},    {"ComuneNasc", 50, 132},
    {"ProvNasc", 2, 183},     {"Iva", 11, 186},
    {"Indirizzo", 50, 198},   {"Cap", 5, 249},
    {"ComuneRes", 50, 255},   {"ProvRes", 2, 306},
    {"Stato", 50, 309},       {"Familiari", 250, 360},
    {"Recapito", 50, 611},    {"TelCasa", 50, 662},
    {"TelCel", 50, 713},      {"TelUff", 50, 764},
    {"Fax", 50, 815},         {"Email", 50, 866},
    {"Qualifiche", 250, 917}, {"Professione", 50, 1168},
    {"Iban", 27, 1219},       {"Intestatario", 50, 1247},
    {"Banca", 50, 1298},      {"Carta", 50, 1349},
    {"ScadeCarta", 10, 1400}, {"Prodotti", 250, 1411},
    {"Pagamento", 120, 1662}, {"Note", 250, 1783},
    {"TipoDoc", 50, 2034},    {"NumDoc", 50, 2085},
    {"EnteRil", 50, 2136},    {"DataRil", 10, 2187},
    {"DataSca", 10, 2198},    {"Codice", 30, 2209},
    {"Categoria", 50, 2240},  {"Zona", 50, 2291},
    {"Acquisto", 50, 2342},   {"Decorrenza", 10, 2393},
    {"Scadenza", 10, 2404},   {"Preavviso", 3, 2415},
    {"Totale", 15, 2419},     {"Frazionamento", 50, 2435},
    {"Rata", 50, 2486},       {"File01", 250, 2537},
    {"File02", 250, 2788},    {"File03", 250, 3039},
    {"Desc01", 250, 3290},    {"Desc02", 250, 3541},
    {"Desc03", 250, 3792},
};

const std::vector<Expected> kWorkFields = {
    {"Cognome", 50, 0},       {"Nome", 50, 51},        {"CodFisc", 16, 102},    {"Recapito", 50, 119},
    {"Mansione", 50, 170},    {"Categoria", 50, 221},  {"Data", 10, 272},       {"Luogo", 50, 283},
    {"Attivita", 250, 334},   {"DaOre", 2, 585},       {"DaMin", 2, 588},       {"AOre", 2, 591},
    {"AMin", 2, 594},         {"OraInizio", 5, 597},   {"OraFine", 5, 603},     {"TotOre", 6, 609},
    {"CompensoOra", 15, 616}, {"TotDovuto", 15, 632},  {"NomeProg", 120, 648},  {"CodiceProg", 30, 769},
    {"AmbitoProg", 50, 800},  {"Postazione", 50, 851}, {"Materiali", 250, 902}, {"Note", 250, 1153},
    {"Incompleto", 2, 1404},  {"File01", 250, 1407},   {"File02", 250, 1658},   {"File03", 250, 1909},
    {"Desc01", 250, 2160},    {"Desc02", 250, 2411},   {"Desc03", 250, 2662},
};

void expectLayout(const RecordLayout& layout, const std::vector<Expected>& expected, int size) {
    ASSERT_EQ(layout.fieldCount(), int(expected.size()));
    EXPECT_EQ(layout.size, size);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(layout.fields[i].name, expected[i].name);
        EXPECT_EQ(layout.fields[i].capacity, expected[i].capacity);
        EXPECT_EQ(layout.fields[i].offset, expected[i].offset);
    }
}

// A text of exactly the capacity, different for every field, with accented letters.
QString fullText(int field, int capacity) {
    const QString alphabet = QStringLiteral("àèéìòù€ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString s;
    for (int i = 0; i < capacity; ++i)
        s += alphabet.at((field * 7 + i) % alphabet.size());
    return s;
}

void expectRoundTripAtCapacity(const RecordLayout& layout) {
    Record r(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        r.at(i) = fullText(i, layout.fields[std::size_t(i)].capacity);
    std::vector<char> bytes(std::size_t(layout.size), '\x55');
    r.encode(bytes.data());
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const FieldSpec& f = layout.fields[std::size_t(i)];
        EXPECT_EQ(static_cast<unsigned char>(bytes[std::size_t(f.offset)]), f.capacity) << f.name;
    }
    EXPECT_EQ(Record::decode(layout, bytes.data()), r);
}

} // namespace

TEST(RecordLayout, EmployeeFieldsSitAtTheirOffsets) {
    expectLayout(TSchedaLavoratore::layout, kWorkerFields, 4043);
}

TEST(RecordLayout, WorkFieldsSitAtTheirOffsets) {
    expectLayout(TSchedaLavoro::layout, kWorkFields, 2913);
}

TEST(RecordLayout, EveryFieldRoundTripsAtItsCapacity) {
    expectRoundTripAtCapacity(TSchedaLavoratore::layout);
    expectRoundTripAtCapacity(TSchedaLavoro::layout);
}

TEST(RecordLayout, IncompleteFlagIsStoredAsWindows1252Bytes) {
    Record r(TSchedaLavoro::layout);
    r[TSchedaLavoro::Incompleto] = QStringLiteral("Sì");
    std::vector<char> bytes(2913);
    r.encode(bytes.data());
    EXPECT_EQ(QByteArray(bytes.data() + 1404, 3), QByteArray("\x02\x53\xEC", 3));
    r[TSchedaLavoro::Incompleto] = QStringLiteral("No");
    r.encode(bytes.data());
    EXPECT_EQ(QByteArray(bytes.data() + 1404, 3), QByteArray("\x02\x4E\x6F", 3));
}

TEST(RecordLayout, IndexOfFindsFieldsByName) {
    EXPECT_EQ(TSchedaLavoratore::layout.indexOf("Rata"), TSchedaLavoratore::Rata);
    EXPECT_EQ(TSchedaLavoro::layout.indexOf("Incompleto"), TSchedaLavoro::Incompleto);
    EXPECT_EQ(TSchedaLavoro::layout.indexOf("Nessuno"), -1);
}

TEST(ShortString, StoresTrimmedCutWindows1252) {
    struct Case {
        const char* why;
        QString text;
        int capacity;
        QByteArray bytes; // length byte and text
    };
    const std::vector<Case> cases = {
        {"blanks around are dropped", QStringLiteral("  Rossi \t"), 50, QByteArray("\x05Rossi")},
        {"control characters too", QStringLiteral("\r\nBianchi\x01"), 50,
         QByteArray("\x07"
                    "Bianchi")},
        {"inner blanks stay", QStringLiteral(" De Luca "), 50,
         QByteArray("\x07"
                    "De Luca")},
        {"60 characters into 50", QString(60, u'x'), 50, QByteArray(1, 50) + QByteArray(50, 'x')},
        {"capacity 1 keeps the first", QStringLiteral("Maschio"), 1, QByteArray("\x01M")},
        {"accents and euro", QStringLiteral("è€"), 10, QByteArray("\x02\xE8\x80")},
        {"outside the code page", QStringLiteral("Ωx😀"), 10, QByteArray("\x03?x?")},
        {"empty", QString(), 5, QByteArray("\x00", 1)},
        {"cut leaves a blank that loading drops", QStringLiteral("ab cd"), 3,
         QByteArray("\x03"
                    "ab ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<char> field(std::size_t(c.capacity + 1), '\x7F');
        encodeShortString(c.text, c.capacity, field.data());
        EXPECT_EQ(QByteArray(field.data(), c.bytes.size()), c.bytes);
        for (std::size_t i = std::size_t(c.bytes.size()); i < field.size(); ++i)
            EXPECT_EQ(field[i], 0) << "byte " << i;
    }
}

TEST(ShortString, LoadingTrimsAndNeverReadsPastTheField) {
    // Length byte 200 in a field of capacity 5: only the 5 bytes of the field count.
    const char field[] = "\xC8  abc";
    EXPECT_EQ(decodeShortString(field, 5), QStringLiteral("abc"));
    const char blanks[] = "\x05 x y ";
    EXPECT_EQ(decodeShortString(blanks, 5), QStringLiteral("x y"));
}

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_EQ(cp1252::decode(QByteArray("\x80\x9C\xE0")), QStringLiteral("€œà"));
}

TEST(RecordDecoding, RandomBytesNeverCrash) {
    std::mt19937 rng(1234);
    for (const RecordLayout* layout : {&TSchedaLavoratore::layout, &TSchedaLavoro::layout}) {
        std::vector<char> bytes(std::size_t(layout->size));
        for (int round = 0; round < 300; ++round) {
            for (char& b : bytes)
                b = char(rng());
            const Record r = Record::decode(*layout, bytes.data());
            for (int i = 0; i < layout->fieldCount(); ++i)
                ASSERT_LE(r.at(i).size(), layout->fields[std::size_t(i)].capacity);
            // Whatever was read can be written back within the record.
            std::vector<char> out(std::size_t(layout->size));
            r.encode(out.data());
        }
    }
}
