#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/archive/cp1252.h"
#include "core/attachments/attachments.h"
#include "support/faults.h"
#include "support/files.h"

using namespace orvelia;
using orvelia::test::fileBytes;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    return fileBytes(path, "(missing)");
}

// A source that yields some bytes and then fails, as a file on a failing disk does.
class FailingSource : public QIODevice {
public:
    explicit FailingSource(QByteArray head)
        : m_head(std::move(head)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (m_head.isEmpty())
            return -1;
        const qint64 n = std::min<qint64>(max, m_head.size());
        std::memcpy(data, m_head.constData(), std::size_t(n));
        m_head.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_head;
};

class AttachmentStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }
    QTemporaryDir dir;
};

} // namespace

TEST(AttachmentNames, OnlyAPlainNameNamesAFileInTheFolder) {
    struct Case {
        const char* name;
        bool plain;
    };
    const Case cases[] = {
        {"contratto.pdf", true},
        {"Carta d'identità fronte.jpg", true},
        {"a..b.pdf", true}, // dots inside a name lead nowhere
        {"..pdf", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../Brenzo.pro", false},
        {"..\\Brenzo.pro", false},
        {"sub/x.pdf", false},
        {"/etc/passwd", false},
        {"C:\\Documenti\\contratto.pdf", false},
        {"C:contratto.pdf", false},
        {"\\\\server\\share\\x.pdf", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPlainFileName(QString::fromUtf8(c.name)), c.plain) << c.name;
    EXPECT_FALSE(isPlainFileName(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
}

TEST(AttachmentNames, PathsLieInsideTheProgramFolder) {
    EXPECT_EQ(attachmentFolder(QStringLiteral("/opt/orvelia")), "/opt/orvelia/Documenti_Allegati");
    EXPECT_EQ(attachmentPath(QStringLiteral("/opt/orvelia"), QStringLiteral("x.pdf")),
              "/opt/orvelia/Documenti_Allegati/x.pdf");
}

TEST_F(AttachmentStoreTest, StoredNamesAreOnesTheRecordKeepsExactly) {
    writeFile(path("____ 1.png"), "another worker's picture");
    struct Case {
        QString chosen;
        QString stored;
    };
    const QString longBase = QString(300, u'n');
    const Case cases[] = {
        {QStringLiteral("contratto firmato.pdf"), QStringLiteral("contratto firmato.pdf")},
        {QStringLiteral("ricevuta € 100 àèìòù.pdf"), QStringLiteral("ricevuta € 100 àèìòù.pdf")},
        {QStringLiteral("документ.pdf"), QStringLiteral("________.pdf")},
        {QStringLiteral("  nota.txt "), QStringLiteral("nota.txt")},
        {QStringLiteral("foto 1.png"), QStringLiteral("foto 1.png")},
        // A changed name never stands for a document already there.
        {QStringLiteral("ФОТО 1.png"), QStringLiteral("____ 1 (2).png")},
        {longBase + QStringLiteral(".pdf"), QString(246, u'n') + QStringLiteral(".pdf")},
    };
    for (const Case& c : cases) {
        const QString stored = storedAttachmentName(c.chosen, dir.path());
        EXPECT_EQ(stored, c.stored) << c.chosen.toStdString();
        EXPECT_LE(stored.size(), kMaxAttachmentNameBytes);
        EXPECT_EQ(cp1252::decode(cp1252::encode(stored)), stored); // kept byte for byte
    }
}

TEST_F(AttachmentStoreTest, FolderIsCreatedWithItsParentsOrReportedWhenSomethingIsInTheWay) {
    const QString program = path(QStringLiteral("a/b"));
    EXPECT_EQ(ensureAttachmentFolder(program), AttachmentError::None);
    EXPECT_TRUE(QFileInfo(attachmentFolder(program)).isDir());
    EXPECT_EQ(ensureAttachmentFolder(program), AttachmentError::None); // already there

    writeFile(path(QStringLiteral("Documenti_Allegati")), "not a folder");
    EXPECT_EQ(ensureAttachmentFolder(dir.path()), AttachmentError::Folder);
}

TEST_F(AttachmentStoreTest, CopyReplacesTheWholeFile) {
    QByteArray big(200 * 1024 + 7, '\0'); // several reads
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 31);
    writeFile(path("source.bin"), big);
    writeFile(path("stored.bin"), QByteArray(500 * 1024, 'x')); // longer than the new copy
    EXPECT_EQ(copyFileReplacing(path("source.bin"), path("stored.bin")), AttachmentError::None);
    EXPECT_EQ(readFile(path("stored.bin")), big);
    EXPECT_EQ(readFile(path("source.bin")), big);
    EXPECT_EQ(entries(), (QStringList{"source.bin", "stored.bin"}));

    // The stored file chosen again onto itself keeps its bytes.
    EXPECT_EQ(copyFileReplacing(path("stored.bin"), path("stored.bin")), AttachmentError::None);
    EXPECT_EQ(readFile(path("stored.bin")), big);

    writeFile(path("empty"), QByteArray());
    EXPECT_EQ(copyFileReplacing(path("empty"), path("stored.bin")), AttachmentError::None);
    EXPECT_EQ(readFile(path("stored.bin")), QByteArray());
}

TEST_F(AttachmentStoreTest, AFailedCopyLeavesTheStoredFileAsItWas) {
    writeFile(path("stored.pdf"), "the document stored before");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    struct Case {
        const char* why;
        std::function<AttachmentError()> copy;
        AttachmentError expected;
    };
    const Case cases[] = {
        {"source fails while read",
         [&] {
             FailingSource source(QByteArray(100 * 1024, 'n'));
             return copyReplacing(source, path("stored.pdf"));
         },
         AttachmentError::Source},
        {"source is a folder", [&] { return copyFileReplacing(path("folder"), path("stored.pdf")); },
         AttachmentError::Source},
        {"source is missing", [&] { return copyFileReplacing(path("missing.pdf"), path("stored.pdf")); },
         AttachmentError::Source},
        {"the copy cannot be brought to the disk",
         [&] {
             writeFile(path("source.pdf"), "a new document");
             test::ScopedFaults faults([](sys::FileOp op, const QString&) {
                 return op == sys::FileOp::Flush ? sys::Fault{sys::Fault::Fail} : sys::Fault{};
             });
             const AttachmentError error = copyFileReplacing(path("source.pdf"), path("stored.pdf"));
             QFile::remove(path("source.pdf"));
             return error;
         },
         AttachmentError::Write},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.copy(), c.expected);
        EXPECT_EQ(readFile(path("stored.pdf")), "the document stored before");
        EXPECT_EQ(entries(), (QStringList{"folder", "stored.pdf"})); // no temporary file left behind
    }

    // A target that cannot be written: a folder of that name, or a folder that does not exist.
    EXPECT_EQ(copyFileReplacing(path("stored.pdf"), path("folder")), AttachmentError::Write);
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_EQ(copyFileReplacing(path("stored.pdf"), path("none/x.pdf")), AttachmentError::Write);
    EXPECT_EQ(entries(), (QStringList{"folder", "stored.pdf"}));
    EXPECT_TRUE(QDir(path("folder")).isEmpty());
}
