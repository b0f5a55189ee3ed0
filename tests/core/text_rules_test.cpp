#include <gtest/gtest.h>

#include "support/printers.h"

#include <random>
#include <string_view>
#include <vector>

#include "core/archive/cp1252.h"
#include "core/archive/dates.h"
#include "core/archive/numbers.h"
#include "core/archive/text.h"

using namespace orvelia;
using namespace std::literals;

TEST(TextRules, TrimRemovesCodesUpTo32AtBothEnds) {
    EXPECT_EQ(trimText(QStringLiteral("  Rossi  ")), "Rossi");
    EXPECT_EQ(trimText(QStringLiteral("\t\r\n\x1F De Luca \x01")), "De Luca");
    EXPECT_EQ(trimText(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0")); // 160 is not <= 32
    EXPECT_EQ(trimText(QStringLiteral("   ")), QString());
}

TEST(TextRules, UpperCasingTouchesOnlyAtoZ) {
    EXPECT_EQ(upperAscii(QStringLiteral("rssmra80a01h501u")), "RSSMRA80A01H501U");
    EXPECT_EQ(upperAscii(QStringLiteral("città è ß")), QStringLiteral("CITTà è ß"));
}

TEST(TextRules, YesNoFlagTexts) {
    EXPECT_EQ(kYes, QString::fromLatin1("S\xEC"));
    EXPECT_EQ(kNo, "No");
}

TEST(DateCheck, ValidAndInvalidTexts) {
    struct Case {
        const char* text;
        int year, month, day; // 0 when invalid
    };
    const std::vector<Case> cases = {
        {"29/02/2024", 2024, 2, 29},
        {"29/02/2023", 0, 0, 0},
        {"31/04/2024", 0, 0, 0},
        {"00/01/2024", 0, 0, 0},
        {"01-02-2024", 0, 0, 0},
        {"1/2/2024", 2024, 2, 1},
        {"01/02/2024/", 2024, 2, 1},
        {"01/02/2024 / ", 2024, 2, 1},
        {"01/02/2024//", 0, 0, 0},
        {"01/02/", 0, 0, 0},
        {"01/02", 2026, 2, 1},
        {" 01/02 ", 2026, 2, 1},
        {"1 / 2 / 2024", 2024, 2, 1},
        {"  09/12/2026  ", 2026, 12, 9},
        {"01/13/2024", 0, 0, 0},
        {"01/00/2024", 0, 0, 0},
        {"29/02/1900", 0, 0, 0},
        {"29/02/2000", 2000, 2, 29},
        {"31/12/9999", 9999, 12, 31},
        {"01/01/0", 2000, 1, 1}, // one digit: windowed
        {"01/01/75", 2075, 1, 1},
        {"01/01/76", 1976, 1, 1},
        {"01/01/00", 2000, 1, 1},
        {"01/01/075", 75, 1, 1}, // three digits: as written
        {"01/01/0001", 1, 1, 1},
        {"01/01/0000", 0, 0, 0},
        {"01/01/20245", 0, 0, 0},     // digits left unread
        {"0001/01/2024", 2024, 1, 1}, // leading zeros
        {"01/01/2024x", 0, 0, 0},
        {"01.01.2024", 0, 0, 0},
        {"", 0, 0, 0},
        {"/01/2024", 0, 0, 0},
        {"01//2024", 0, 0, 0},
        {"1\t/2/2024", 0, 0, 0}, // only blanks may stand between
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto d = parseDate(QString::fromUtf8(c.text), 2026);
        if (c.year == 0) {
            EXPECT_FALSE(d.has_value());
        } else {
            ASSERT_TRUE(d.has_value());
            EXPECT_EQ(*d, QDate(c.year, c.month, c.day));
        }
    }
}

TEST(DateCheck, TwoDigitYearsFollowTheClock) {
    EXPECT_EQ(parseDate("01/01/75", 2030)->year(), 2075);
    EXPECT_EQ(parseDate("01/01/79", 2030)->year(), 2079);
    EXPECT_EQ(parseDate("01/01/80", 2030)->year(), 1980);
    EXPECT_EQ(parseDate("01/01/50", 2000)->year(), 1950);
    EXPECT_EQ(parseDate("01/01/49", 2000)->year(), 2049);
    EXPECT_EQ(parseDate("05/06", 2031)->year(), 2031);
}

TEST(DateCheck, DatesCompareByCalendarDay) {
    EXPECT_EQ(*parseDate("1/2/2024", 2026), *parseDate("01/02/2024", 2026));
    EXPECT_GT(*parseDate("02/01/2024", 2026), *parseDate("31/12/2023", 2026));
}

TEST(DateText, IsDdMmYyyy) {
    EXPECT_EQ(formatDate(QDate(2026, 12, 9)), "09/12/2026");
    EXPECT_EQ(formatDate(QDate(75, 1, 2)), "02/01/0075");
}

TEST(DecimalNumbers, Reading) {
    struct Case {
        const char* text;
        bool readable;
        double value;
    };
    const std::vector<Case> cases = {
        {"12,5", true, 12.5},    {" 7 ", true, 7},    {"-3,25", true, -3.25}, {"+4", true, 4},
        {",", true, 0},          {",5", true, 0.5},   {"5,", true, 5},        {"1E3", true, 1000},
        {"1,5e-2", true, 0.015}, {"2E+2", true, 200}, {"007", true, 7},       {"12.5", false, 0},
        {"12,3,4", false, 0},    {"", false, 0},      {"-", false, 0},        {"E5", false, 0},
        {"5E", false, 0},        {"1 000", false, 0}, {"abc", false, 0},      {"5€", false, 0},
        {"- 5", false, 0},       {"1E999", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto v = parseDecimal(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.readable);
        if (v && c.readable) {
            EXPECT_DOUBLE_EQ(*v, c.value);
        }
    }
}

TEST(DecimalNumbers, BytesAndStoredFieldsReadAsTheirTexts) {
    // The byte reading equals the reading of the same characters, and a stored field reads as its
    // decoded, trimmed text: blanks and control bytes around it, bytes the code page decodes apart.
    // clang-format off
    const std::vector<std::string_view> cases = {
        "12,50", " 1e3", ",", "1.000,00", "-0,5", "12,50x", "", " ", "-", "+,5E-2", "1E", "1e+", "5E+",
        "0012,3400", "- 1", "1 2", "1E999", "\t12,50\r\n", "12,50\x01", "\x00 7"sv, "\x7F+12", "12\x7F",
        "\x80-12", "12\xA0", "\xA0 12", "\x81", "1\xB2", "12,5\xFF", ",,", "E5", "9999999999999999999",
        "1,7976931348623157E308", "  -,5  ",
    };
    // clang-format on
    auto decodedText = [](QByteArrayView bytes) {
        return trimText(cp1252::decode(bytes.data(), int(bytes.size())));
    };
    for (const std::string_view c : cases) {
        const QByteArrayView bytes(c.data(), qsizetype(c.size()));
        SCOPED_TRACE(bytes.toByteArray().toHex(' ').toStdString());
        EXPECT_EQ(parseDecimal(bytes), parseDecimal(QString::fromLatin1(bytes)));
        EXPECT_EQ(parseStoredDecimal(bytes), parseDecimal(decodedText(bytes)));
    }
    EXPECT_EQ(parseStoredDecimal(QByteArrayView("\t 12,50\x1F")), 12.5);
    EXPECT_EQ(parseStoredDecimal(QByteArrayView("\x7F+12,50")), std::nullopt);

    std::mt19937 random(7);
    const QByteArray alphabet("0123456789,,,+-eE. \t\x01\x7F\x80\x81\xA0\xE9");
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes(qsizetype(random() % 10), '\0');
        for (char& b : bytes)
            b = alphabet[qsizetype(random() % std::size_t(alphabet.size()))];
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(parseDecimal(QByteArrayView(bytes)), parseDecimal(QString::fromLatin1(bytes)));
        ASSERT_EQ(parseStoredDecimal(bytes), parseDecimal(decodedText(bytes)));
    }
}

TEST(DecimalNumbers, GeneralForm) {
    struct Case {
        double value;
        const char* text;
    };
    const std::vector<Case> cases = {
        {1250.5, "1250,5"},
        {7, "7"},
        {0.125, "0,125"},
        {1e20, "1E20"},
        {1.5e-7, "1,5E-7"},
        {0, "0"},
        {-2.5, "-2,5"},
        {0.1 + 0.2, "0,3"},                     // 15 significant digits
        {999999999999999.0, "999999999999999"}, // 15 integer digits
        {1e15, "1E15"},                         // 16 integer digits
        {1234567890123456789.0, "1,23456789012346E18"},
        {0.00001, "0,00001"},
        {0.0000099, "9,9E-6"},
        {4.333333333333333, "4,33333333333333"},
        {100, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatGeneral(c.value), QString::fromLatin1(c.text));
    }
}

TEST(DecimalNumbers, RoundingIsHalfUpOfTheBinaryValue) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const std::vector<Case> cases = {
        {2.675, 2, 2.67}, // the double lies just below 2,675
        {8.775, 2, 8.78}, // the double lies just above 8,775
        {3.456, 2, 3.46},  {1234.56789, 4, 1234.5679}, {2.5, 0, 3},
        {1249.5, 0, 1250}, {0.125, 2, 0.13},           {7, 2, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundTo(c.value, c.decimals), c.expected);
    }
}

TEST(MoneyNormalisation, Examples) {
    struct Case {
        const char* text;
        int decimals;
        const char* result;
    };
    const std::vector<Case> cases = {
        {"", 2, "0,00"},       {"   ", 2, "0,00"},
        {"5", 2, "5,00"},      {"5,5", 2, "5,50"},
        {"12,3,4", 2, "0,00"}, {"007", 2, "7,00"},
        {"3,456", 2, "3,46"},  {"2,675", 2, "2,67"},
        {"8,775", 2, "8,78"},  {"1234,56789", 4, "1234,5679"},
        {"3,1", 4, "3,10"},    {"3,12", 4, "3,12"},
        {"3,123", 4, "3,123"}, {"abc", 2, "0,00"},
        {",", 2, "0,00"},      {"1250,50", 2, "1250,50"},
        {" 12 ", 2, "12,00"},  {"0,004", 2, "0,00"},
        {"0,005", 2, "0,01"},  {"1E20", 2, "1E20,00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(normalizeMoney(QString::fromLatin1(c.text), c.decimals), QString::fromLatin1(c.result));
    }
}
