#include <gtest/gtest.h>

#include "support/files.h"
#include "support/printers.h"
#include "support/processes.h"
#include "support/faults.h"

#include <optional>
#include <vector>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/access/inistore.h"
#include "core/access/password.h"

using namespace orvelia;
using orvelia::test::fileBytes;

namespace {

// "PAROLAINIZIALE" scrambled. The first two pairs by hand: the key starts at
// 2957 = 0x0B8D, so 'P' 0x50 XOR 0x0B = 0x5B; then the key becomes
// ((0x5B + 2957) x 47129 + 52807) mod 65536 = 143701999 mod 65536 = 47087 = 0xB7EF,
// so 'A' 0x41 XOR 0xB7 = 0xF6.
const QString kInitialHex = QStringLiteral("5BF62629B4785A41EDAF95196A6B");
const QString kInitial = QStringLiteral("PAROLAINIZIALE");

bool putBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

QString fromCodes(std::initializer_list<char16_t> codes) {
    QString s;
    for (const char16_t c : codes)
        s += QChar(c);
    return s;
}

// Every code from 1 to 255 once: the longest password that can be stored.
QString allCodes() {
    QString s;
    for (char16_t c = 1; c <= 255; ++c)
        s += QChar(c);
    return s;
}

QByteArray storeWith(const QString& hex) {
    return "[Accesso]\r\nValore=" + hex.toLatin1() + "\r\n";
}

} // namespace

TEST(PasswordScramble, InitialPasswordGivesKnownDigits) {
    EXPECT_EQ(scramblePassword(kInitial), kInitialHex);
    EXPECT_EQ(scramblePassword(passwordForComparison(QStringLiteral("  parolainiziale "))), kInitialHex);
}

TEST(PasswordScramble, RoundTripGivesTwoUpperCaseDigitsPerCharacter) {
    const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
    const std::vector<QString> texts = {
        QString(),
        QStringLiteral("A"),
        kInitial,
        QStringLiteral("\u00E0"),
        QStringLiteral("\u00C0"),
        QStringLiteral(" a b "),
        QString(QChar(0)),
        QString(255, QLatin1Char('Z')),
        allCodes(),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString hex = scramblePassword(text);
        EXPECT_EQ(hex.size(), 2 * text.size());
        EXPECT_TRUE(upperHex.match(hex).hasMatch()) << hex.toStdString();
        EXPECT_EQ(unscramblePassword(hex), text);
    }
}

TEST(PasswordScramble, AccentedLettersKeepTheirCase) {
    // 0xE0 XOR 0x0B and 0xC0 XOR 0x0B.
    EXPECT_EQ(scramblePassword(QStringLiteral("\u00E0")), QStringLiteral("EB"));
    EXPECT_EQ(scramblePassword(QStringLiteral("\u00C0")), QStringLiteral("CB"));
    EXPECT_EQ(passwordForComparison(QStringLiteral("\u00E0b")), QStringLiteral("\u00E0B"));
}

TEST(PasswordScramble, CodesAbove255KeepOnlyTheirLowByte) {
    EXPECT_EQ(scramblePassword(fromCodes({0x0141, 0x20AC})), scramblePassword(fromCodes({0x41, 0xAC})));
}

TEST(PasswordUnscramble, TakesPairsFromTheStart) {
    struct Case {
        QString hex;
        std::optional<QString> text;
    };
    const std::vector<Case> cases = {
        {QString(), QString()},
        {QStringLiteral("5"), QString()},
        {kInitialHex + QLatin1Char('7'), kInitial},
        {kInitialHex.toLower(), kInitial},
        {QStringLiteral("5bF6"), QStringLiteral("PA")},
        {QStringLiteral("5BF6G"), QStringLiteral("PA")}, // the single last character is never looked at
        {QStringLiteral("5G"), std::nullopt},
        {QStringLiteral("5BFx"), std::nullopt},
        {QStringLiteral(" 5B"), std::nullopt},
        {QStringLiteral("5B F6"), std::nullopt},
        {QStringLiteral("+5"), std::nullopt},
        {QStringLiteral("0x"), std::nullopt},
        {QStringLiteral("\uFF15B"), std::nullopt}, // a full-width digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex.toStdString());
        EXPECT_EQ(unscramblePassword(c.hex), c.text);
    }
}

TEST(PasswordComparison, TrimsAndUpperCasesOnlyAtoZ) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("parolainiziale"), kInitial},
        {QStringLiteral(" \tParolaIniziale  "), kInitial},
        {QStringLiteral("caff\u00E8 1-z"), QStringLiteral("CAFF\u00E8 1-Z")},
        {QStringLiteral("   "), QString()},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(passwordForComparison(typed), expected) << typed.toStdString();
}

TEST(PasswordRefusal, RefusesWhatCouldNotBeStoredExactly) {
    const QString a255(255, QLatin1Char('a'));
    const std::vector<std::pair<QString, std::optional<QString>>> cases = {
        {QStringLiteral("parola"), std::nullopt},
        {QStringLiteral("caff\u00E8\u00FF"), std::nullopt},
        {a255, std::nullopt},
        {QStringLiteral("  ") + a255 + QStringLiteral(" "), std::nullopt}, // blanks around are not stored
        {allCodes(), std::nullopt},
        {a255 + QLatin1Char('a'), kPasswordLengthMessage},
        {fromCodes({u'a', 0x0141}), kPasswordCharactersMessage},
        {QStringLiteral("\u20AC"), kPasswordCharactersMessage},
        {QStringLiteral("\U0001F600"), kPasswordCharactersMessage},
        {a255 + QStringLiteral("\u20AC"), kPasswordCharactersMessage},
    };
    for (const auto& [password, refusal] : cases) {
        SCOPED_TRACE(password.left(20).toStdString());
        EXPECT_EQ(refusePassword(password), refusal);
    }
    EXPECT_TRUE(kPasswordCharactersMessage.startsWith(QStringLiteral("Attenzione: ")));
    EXPECT_EQ(kPasswordLengthMessage,
              QStringLiteral("Attenzione: la password non pu\u00F2 superare i 255 caratteri."));
}

namespace {

class PasswordStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.path(); }
    QString store() const { return QDir(dir.path()).filePath(QStringLiteral("unins000.dll")); }
};

} // namespace

TEST(FirstAccess, TheReadmeTellsThePasswordTheInstallationStores) {
    // A new user logs in with what the README says, before reading any help.
    QFile readme(QStringLiteral(README_FILE));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.read(4096));
    const QRegularExpression told(QStringLiteral("first-access password is\\s+`([^`]+)`"));
    const QRegularExpressionMatch match = told.match(text);
    ASSERT_TRUE(match.hasMatch());
    EXPECT_EQ(passwordForComparison(match.captured(1)), kInitial);
    EXPECT_TRUE(text.contains(QStringLiteral("Cambia password")));
}

TEST_F(PasswordStoreTest, InitialPasswordIsStoredUpperCasedAndReadBack) {
    ASSERT_EQ(writeStoredPassword(folder(), QStringLiteral(" parolainiziale ")), PasswordError::None);
    EXPECT_EQ(fileBytes(store()), storeWith(kInitialHex));
    const StoredPassword read = readStoredPassword(folder());
    ASSERT_TRUE(read.ok()) << describe(read.error);
    EXPECT_EQ(read.password, kInitial);
}

TEST_F(PasswordStoreTest, ChangedPasswordKeepsAccentedLettersAndLength) {
    const QString chosen = QStringLiteral("caff\u00E8 \u00E0 \u00C0");
    ASSERT_EQ(writeStoredPassword(folder(), chosen), PasswordError::None);
    const QByteArray value = fileBytes(store()).split('=').last().trimmed();
    EXPECT_EQ(value.size(), 2 * chosen.size());
    EXPECT_EQ(value, value.toUpper());
    EXPECT_EQ(readStoredPassword(folder()).password, QStringLiteral("CAFF\u00E8 \u00E0 \u00C0"));

    ASSERT_EQ(writeStoredPassword(folder(), allCodes()), PasswordError::None);
    EXPECT_EQ(readStoredPassword(folder()).password, passwordForComparison(allCodes()));
}

TEST_F(PasswordStoreTest, ReadsWhatTheStoreHolds) {
    struct Case {
        const char* what;
        std::optional<QByteArray> file; // nothing: no file at all
        PasswordError error;
        QString password;
    };
    const QByteArray hex = kInitialHex.toLatin1();
    const std::vector<Case> cases = {
        {"missing file", std::nullopt, PasswordError::None, QString()},
        {"empty file", QByteArray(), PasswordError::None, QString()},
        {"missing section", "[Altro]\r\nValore=" + hex + "\r\n", PasswordError::None, QString()},
        {"missing key", "[Accesso]\r\nAltro=" + hex + "\r\n", PasswordError::None, QString()},
        {"empty value", "[Accesso]\r\nValore=\r\n", PasswordError::None, QString()},
        {"initial", storeWith(kInitialHex), PasswordError::None, kInitial},
        {"lower-case digits", storeWith(kInitialHex.toLower()), PasswordError::None, kInitial},
        {"odd digit", storeWith(kInitialHex + QLatin1Char('C')), PasswordError::None, kInitial},
        {"names in other case, blanks", "[accesso]\nvalore =  " + hex + " \n", PasswordError::None, kInitial},
        {"blanks inside the password", storeWith(scramblePassword(QStringLiteral("  A B \t"))),
         PasswordError::None, QStringLiteral("A B")},
        {"not hexadecimal", "[Accesso]\r\nValore=5BZZ\r\n", PasswordError::NotHex, QString()},
        {"blank between pairs", "[Accesso]\r\nValore=5B F6\r\n", PasswordError::NotHex, QString()},
        {"non-ASCII byte", "[Accesso]\r\nValore=5B\xC3\xA0\r\n", PasswordError::NotHex, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(store());
        if (c.file) {
            ASSERT_TRUE(putBytes(store(), *c.file));
        }
        const StoredPassword read = readStoredPassword(folder());
        EXPECT_EQ(read.error, c.error) << describe(read.error);
        EXPECT_EQ(read.password, c.password);
    }
}

TEST_F(PasswordStoreTest, UnreadableStoreFailsAndIsLeftAlone) {
    // A store that exists but cannot be opened: a folder in its place.
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("unins000.dll")));
    EXPECT_EQ(readStoredPassword(folder()).error, PasswordError::Read);
    EXPECT_EQ(writeStoredPassword(folder(), kInitial), PasswordError::Read);
    EXPECT_TRUE(QFileInfo(store()).isDir());
}

TEST_F(PasswordStoreTest, AChangeIsDoneOnlyOnceItIsOnTheDisk) {
    const QByteArray old = storeWith(kInitialHex);
    ASSERT_TRUE(putBytes(store(), old));
    {
        test::ScopedFaults faults([](sys::FileOp op, const QString&) {
            return op == sys::FileOp::Flush ? sys::Fault{sys::Fault::Fail} : sys::Fault{};
        });
        EXPECT_EQ(writeStoredPassword(folder(), QStringLiteral("nuova")), PasswordError::Write);
    }
    EXPECT_EQ(fileBytes(store()), old);
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("unins000.dll")});
    {
        // The new name is not safe until the folder is on the disk: not reported as done.
        test::ScopedFaults faults([](sys::FileOp op, const QString&) {
            return op == sys::FileOp::FlushFolder ? sys::Fault{sys::Fault::Fail} : sys::Fault{};
        });
        EXPECT_EQ(writeStoredPassword(folder(), QStringLiteral("nuova")), PasswordError::Write);
    }
}

TEST_F(PasswordStoreTest, OnlyARegularFileOfModestSizeIsAStore) {
    // A value of 20 MB, a store of a million lines: refused at once, never read or rewritten.
    for (const QByteArray& huge : {"[Accesso]\r\nValore=" + QByteArray(20 << 20, 'A') + "\r\n",
                                   QByteArray("; riga\r\n").repeated(1000000) + storeWith(kInitialHex)}) {
        ASSERT_TRUE(putBytes(store(), huge));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(readStoredPassword(folder()).error, PasswordError::Read);
        EXPECT_EQ(writeStoredPassword(folder(), kInitial), PasswordError::Read);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(QFileInfo(store()).size(), huge.size());
    }
    // Up to 64 KiB of other lines are kept byte for byte.
    const QByteArray others = QByteArray("; una riga di commento\r\n").repeated(2000);
    ASSERT_TRUE(putBytes(store(), others + storeWith(kInitialHex)));
    EXPECT_EQ(writeStoredPassword(folder(), QStringLiteral("nuova")), PasswordError::None);
    EXPECT_EQ(fileBytes(store()), others + storeWith(scramblePassword(QStringLiteral("NUOVA"))));
    // A pipe in its place is refused without waiting for a writer.
    QFile::remove(store());
    if (!test::makePipe(store()))
        GTEST_SKIP() << "this system makes no named pipes";
    EXPECT_EQ(readStoredPassword(folder()).error, PasswordError::Read);
    EXPECT_EQ(writeStoredPassword(folder(), kInitial), PasswordError::Read);
}

TEST_F(PasswordStoreTest, DanglingLinkInPlaceOfTheStoreFailsAndIsLeftAlone) {
    ASSERT_TRUE(QFile::link(QDir(folder()).filePath(QStringLiteral("altrove")), store()));
    if (!QFileInfo(store()).isSymLink())
        GTEST_SKIP() << "this system makes a shortcut file, which is an ordinary file, not a link";
    EXPECT_EQ(readStoredPassword(folder()).error, PasswordError::Read);
    EXPECT_EQ(writeStoredPassword(folder(), kInitial), PasswordError::Read);
    EXPECT_FALSE(QFileInfo::exists(QDir(folder()).filePath(QStringLiteral("altrove"))));
}

TEST_F(PasswordStoreTest, FolderThatCannotHoldTheStore) {
    const QString plainFile = QDir(folder()).filePath(QStringLiteral("file"));
    ASSERT_TRUE(putBytes(plainFile, "contenuto\r\n"));
    const QString missing = QDir(folder()).filePath(QStringLiteral("manca"));
    for (const QString& where : {plainFile, missing}) {
        SCOPED_TRACE(where.toStdString());
        // Nothing there: the empty password, which no login matches.
        const StoredPassword read = readStoredPassword(where);
        EXPECT_TRUE(read.ok());
        EXPECT_EQ(read.password, QString());
        EXPECT_EQ(writeStoredPassword(where, kInitial), PasswordError::Write);
    }
    EXPECT_EQ(fileBytes(plainFile), QByteArray("contenuto\r\n"));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(PasswordStoreTest, FailedWriteKeepsTheOldStore) {
    const QByteArray old = "; impostazioni\r\n" + storeWith(kInitialHex);
    ASSERT_TRUE(putBytes(store(), old));
    // A file size limit just above the old file makes the longer new file fail while it is written.
    const std::optional<int> code = test::runWithFileSizeLimit(old.size() + 1, [&] {
        const PasswordError error =
            writeStoredPassword(folder(), QStringLiteral("una password molto piu lunga"));
        return error == PasswordError::Write ? 0 : 1;
    });
    if (!code)
        GTEST_SKIP() << test::kNoFileSizeLimit;
    EXPECT_EQ(*code, 0);
    EXPECT_EQ(fileBytes(store()), old);
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("unins000.dll")});
    EXPECT_EQ(readStoredPassword(folder()).password, kInitial);
}

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return QDir(dir.path()).filePath(QStringLiteral("impostazioni.ini")); }
};

} // namespace

TEST_F(IniFileTest, ReadsTheFirstMatchingKey) {
    struct Case {
        QByteArray text;
        QByteArray value;
    };
    const std::vector<Case> cases = {
        {"[Accesso]\r\nValore=AB\r\n", "AB"},
        {"[ACCESSO]\nVALORE=AB", "AB"},
        {"  [ Accesso ]  \r\n\t Valore  =  AB  \r\n", "AB"},
        {"\xEF\xBB\xBF[Accesso]\r\nValore=AB\r\n", "AB"},
        {"[Accesso]\r\nValore=A=B \xE8\r\n", "A=B \xE8"},
        {"Valore=XX\r\n[Accesso]\r\nValore=AB\r\n", "AB"},
        {"[Altro]\r\nValore=XX\r\n[Accesso]\r\nValore=AB\r\n", "AB"},
        {"[Accesso]\r\n;Valore=XX\r\n# Valore=YY\r\nValore=AB\r\n", "AB"},
        {"[Accesso]\r\nValore=AB\r\nValore=CD\r\n", "AB"},
        {"[Accesso]\r\nAltro=1\r\n[Altro]\r\nValore=XX\r\n[accesso]\r\nValore=AB\r\n", "AB"},
        {"", ""},
        {"[Accesso]\r\nValore=\r\n", ""},
        {"[Accesso]\r\nValore\r\n", ""},
        {"[Accesso]\r\nValoreX=AB\r\n", ""},
        {"[Accessorio]\r\nValore=AB\r\n", ""},
        {"[Accesso]\r\n[Altro]\r\nValore=AB", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ini::value(c.text, "Accesso", "Valore"), c.value);
        ASSERT_TRUE(putBytes(path(), c.text));
        const IniRead read = readIniValue(path(), "Accesso", "Valore");
        EXPECT_TRUE(read.ok());
        EXPECT_EQ(read.value, c.value);
    }
}

TEST_F(IniFileTest, MissingFileReadsEmptyButUnreadableOneFails) {
    const IniRead missing = readIniValue(path(), "Accesso", "Valore");
    EXPECT_TRUE(missing.ok());
    EXPECT_EQ(missing.value, QByteArray());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("impostazioni.ini")));
    EXPECT_EQ(readIniValue(path(), "Accesso", "Valore").error, IniError::Read);
}

TEST_F(IniFileTest, WritingChangesOnlyTheValue) {
    struct Case {
        const char* what;
        QByteArray before;
        QByteArray after;
    };
    const QByteArray full = "; impostazioni del programma\r\n"
                            "\r\n"
                            "[Generale]\r\n"
                            "Lingua=it\r\n"
                            "Valore=resta\r\n"
                            "\r\n"
                            "[ACCESSO]\r\n"
                            "# commento\r\n"
                            "Valore=OLD\r\n"
                            "Altro = 1 \r\n"
                            "\r\n"
                            "[Fine]\r\n"
                            "Citt\xC3\xA0=Forl\xEC\r\n";
    QByteArray fullAfter = full;
    fullAfter.replace("Valore=OLD", "Valore=NEW");
    QByteArray lf = full;
    lf.replace("\r\n", "\n");
    QByteArray lfAfter = fullAfter;
    lfAfter.replace("\r\n", "\n");

    const std::vector<Case> cases = {
        {"CRLF file", full, fullAfter},
        {"LF file", lf, lfAfter},
        {"name, '=' and blanks after it kept", "[Accesso]\n  valore =  OLD  \n",
         "[Accesso]\n  valore =  NEW\n"},
        {"last line without break", "[Accesso]\r\nValore=OLD", "[Accesso]\r\nValore=NEW"},
        {"byte order mark", "\xEF\xBB\xBF[Accesso]\r\nValore=OLD\r\n",
         "\xEF\xBB\xBF[Accesso]\r\nValore=NEW\r\n"},
        {"key in a later section of that name", "[Accesso]\r\nA=1\r\n[Altro]\r\n[accesso]\r\nValore=OLD\r\n",
         "[Accesso]\r\nA=1\r\n[Altro]\r\n[accesso]\r\nValore=NEW\r\n"},
        {"missing key before blank lines", "[Accesso]\r\nAltro=1\r\n\r\n\r\n[Fine]\r\n",
         "[Accesso]\r\nAltro=1\r\nValore=NEW\r\n\r\n\r\n[Fine]\r\n"},
        {"missing key after a comment", "[accesso]\n; nota\n\n[Fine]\n",
         "[accesso]\n; nota\nValore=NEW\n\n[Fine]\n"},
        {"missing key in an empty section at the end", "[Altro]\r\nA=1\r\n[Accesso]",
         "[Altro]\r\nA=1\r\n[Accesso]\r\nValore=NEW\r\n"},
        {"missing key, two sections of that name", "[Accesso]\r\nA=1\r\n[Altro]\r\n[Accesso]\r\nB=2\r\n",
         "[Accesso]\r\nA=1\r\nValore=NEW\r\n[Altro]\r\n[Accesso]\r\nB=2\r\n"},
        {"missing section", "[Altro]\nA=1\n", "[Altro]\nA=1\n[Accesso]\nValore=NEW\n"},
        {"missing section, no final break", "[Altro]\r\nA=1",
         "[Altro]\r\nA=1\r\n[Accesso]\r\nValore=NEW\r\n"},
        {"key outside any section is not the one", "Valore=OLD\n", "Valore=OLD\n[Accesso]\nValore=NEW\n"},
        {"only a comment", "; vuoto", "; vuoto\r\n[Accesso]\r\nValore=NEW\r\n"},
        {"empty file", "", "[Accesso]\r\nValore=NEW\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ini::withValue(c.before, "Accesso", "Valore", "NEW"), c.after);
        ASSERT_TRUE(putBytes(path(), c.before));
        ASSERT_EQ(writeIniValue(path(), "Accesso", "Valore", "NEW"), IniError::None);
        EXPECT_EQ(fileBytes(path()), c.after);
        EXPECT_EQ(readIniValue(path(), "Accesso", "Valore").value, QByteArray("NEW"));
    }
}

TEST_F(IniFileTest, WritingCreatesAMissingFile) {
    ASSERT_EQ(writeIniValue(path(), "Accesso", "Valore", "NEW"), IniError::None);
    EXPECT_EQ(fileBytes(path()), QByteArray("[Accesso]\r\nValore=NEW\r\n"));
}
