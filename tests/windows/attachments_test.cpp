#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/archive/cp1252.h"
#include "core/archive/recordfile.h"
#include "core/archive/text.h"
#include "framework/commandbar.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/files.h"
#include "support/keys.h"
#include "windows/registry/tfrmallegacartella.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/work/tfrmlavori.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kFolderFailed =
    QStringLiteral("Attenzione: non è stato possibile creare la cartella dei documenti allegati.\r\n\r\n"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                   "programma. Il file non è stato allegato.");
const QString kSourceFailed =
    QStringLiteral("Attenzione: non è stato possibile leggere il file scelto.\r\n\r\n"
                   "Il file non è stato allegato.");
const QString kCopyFailed =
    QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                   "allegati.\r\n\r\nIl file non è stato allegato e i documenti già presenti non sono stati "
                   "modificati.");
const QString kUnsafeName =
    QStringLiteral("Attenzione: il nome del file allegato non è valido.\r\n\r\n"
                   "Il nome di un documento allegato non può indicare un'altra cartella: il file non "
                   "viene aperto.");

// Remembers the title and filter of every file dialog.
class DialogRecordingPlatform : public FakePlatform {
public:
    QString chooseFile(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override {
        dialogs.push_back({caption, filter});
        return FakePlatform::chooseFile(parent, caption, folder, filter);
    }
    std::vector<std::pair<QString, QString>> dialogs;
};

class AttachmentsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        auto platform = std::make_unique<DialogRecordingPlatform>();
        p = platform.get();
        m_fake = Platform::install(std::move(platform));
        ASSERT_TRUE(sources.isValid());
        registry = openRegistry();
    }
    void TearDown() override {
        Platform::install(std::move(m_fake));
        AppFixture::TearDown();
    }

    /// A file to attach, outside the program folder.
    QString source(const QString& name, const QByteArray& bytes, const QString& sub = QString()) {
        QDir dir(sources.path());
        if (!sub.isEmpty()) {
            dir.mkpath(sub);
            dir.cd(sub);
        }
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QString attachmentFolder() const { return QDir(folder.path()).filePath("Documenti_Allegati"); }
    QString stored(const QString& name) const { return QDir(attachmentFolder()).filePath(name); }
    static QByteArray contents(const QString& path) { return fileBytes(path, "(missing)"); }
    QStringList storedNames() const {
        return QDir(attachmentFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    /// A window over the registry with @p tag, shown as its caller shows it.
    std::unique_ptr<TfrmAllegaCartella> open(const QString& tag = QStringLiteral("istruttori")) {
        auto w = std::make_unique<TfrmAllegaCartella>(registry);
        writeCallerTag(w.get(), tag);
        // What the registry takes back, as it connects when it opens the window.
        QObject::connect(
            w.get(), &TfrmAllegaCartella::attachmentsChosen, registry, [this](const QStringList& values) {
                setRegistryLabels({values[0], values[3], values[1], values[4], values[2], values[5]});
            });
        w->show();
        activate(w.get());
        return w;
    }
    void browse(QPushButton* button, const QString& chosen) {
        p->chosenFiles.push_back(chosen);
        click(button);
    }
    void setRegistryLabels(const QStringList& values) {
        const std::array<QLabel*, 6> labels = {registry->lblFile01, registry->lblDesc01, registry->lblFile02,
                                               registry->lblDesc02, registry->lblFile03, registry->lblDesc03};
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i]->setText(values[qsizetype(i)]);
    }
    QStringList registryLabels() const {
        return {registry->lblFile01->text(), registry->lblDesc01->text(), registry->lblFile02->text(),
                registry->lblDesc02->text(), registry->lblFile03->text(), registry->lblDesc03->text()};
    }

    QTemporaryDir sources;
    DialogRecordingPlatform* p = nullptr;
    TfrmIstruttori* registry = nullptr;

private:
    std::unique_ptr<Platform> m_fake;
};

struct SlotControls {
    QLineEdit* file;
    QLineEdit* desc;
    QPushButton* browse;
    QPushButton* open;
    ClickablePicture* clear;
};
std::array<SlotControls, 3> slotsOf(TfrmAllegaCartella& w) {
    return {SlotControls{w.txtFile01, w.txtDesc01, w.btnSfoglia01, w.btnApri01, w.imgCancella01},
            SlotControls{w.txtFile02, w.txtDesc02, w.btnSfoglia02, w.btnApri02, w.imgCancella02},
            SlotControls{w.txtFile03, w.txtDesc03, w.btnSfoglia03, w.btnApri03, w.imgCancella03}};
}

} // namespace

TEST_F(AttachmentsTest, ThreeSlotsWithReadOnlyNamesAndOpenOnlyForANamedSlot) {
    auto w = open();
    EXPECT_EQ(w->objectName(), "TfrmAllegaCartella");
    EXPECT_EQ(w->windowTitle(), " Allega file");
    EXPECT_EQ(w->btnApplica->text(), "Applica e chiudi");
    EXPECT_EQ(w->btnAnnulla->text(), "Annulla");
    EXPECT_FALSE(w->lblMemory->isVisible());
    QStringList captions;
    for (QLabel* label : w->findChildren<QLabel*>())
        if (label->text().contains(u'°'))
            captions << label->text();
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"Descrizione 1° file allegato:", "Descrizione 2° file allegato:",
                                     "Descrizione 3° file allegato:", "Nome 1° file allegato:",
                                     "Nome 2° file allegato:", "Nome 3° file allegato:"}));
    int n = 1;
    for (const SlotControls& s : slotsOf(*w)) {
        SCOPED_TRACE(n);
        const QString k = QStringLiteral("0%1").arg(n++);
        EXPECT_EQ(s.file->objectName(), "txtFile" + k);
        EXPECT_EQ(s.desc->objectName(), "txtDesc" + k);
        EXPECT_EQ(s.browse->objectName(), "btnSfoglia" + k);
        EXPECT_EQ(s.open->objectName(), "btnApri" + k);
        EXPECT_EQ(s.clear->objectName(), "imgCancella" + k);
        EXPECT_EQ(s.browse->text(), "Sfoglia...");
        EXPECT_EQ(s.open->text(), "Apri");
        EXPECT_FALSE(s.open->isEnabled());
        EXPECT_TRUE(s.file->isReadOnly());
        typeText(s.file, "x");
        EXPECT_EQ(s.file->text(), "");
        typeText(s.desc, QStringLiteral("Identità"));
        EXPECT_EQ(s.desc->text(), QStringLiteral("Identità"));

        // Apri follows the trimmed name, however it changes.
        for (const auto& [name, enabled] : {std::pair{"contratto.pdf", true}, std::pair{"   ", false},
                                            std::pair{" a ", true}, std::pair{"", false}}) {
            s.file->setText(name);
            EXPECT_EQ(s.open->isEnabled(), enabled) << '"' << name << '"';
        }
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(AttachmentsTest, FirstAttachmentCreatesTheFolderAndStoresACopy) {
    const QString chosen = source("contratto firmato.pdf", "%PDF contratto");
    ASSERT_FALSE(QFileInfo::exists(attachmentFolder()));
    auto w = open();
    browse(w->btnSfoglia02, chosen);
    EXPECT_EQ(p->dialogs, (std::vector<std::pair<QString, QString>>{
                              {"Selezionare il file da allegare:", "Tutti i file (*.*)"}}));
    EXPECT_EQ(w->txtFile02->text(), "contratto firmato.pdf"); // the name only, no folder
    EXPECT_TRUE(w->btnApri02->isEnabled());
    EXPECT_EQ(w->txtFile01->text(), "");
    EXPECT_EQ(w->txtFile03->text(), "");
    EXPECT_TRUE(QFileInfo(attachmentFolder()).isDir());
    EXPECT_EQ(storedNames(), QStringList{"contratto firmato.pdf"});
    EXPECT_EQ(contents(stored("contratto firmato.pdf")), "%PDF contratto");
    EXPECT_EQ(contents(chosen), "%PDF contratto"); // the original stays where it was
    EXPECT_TRUE(messages().empty());
}

TEST_F(AttachmentsTest, AStoredNameAsksBeforeOverwriting) {
    // Two workers attach different files of the same name: they share the one stored file.
    const QString first = source("documento.pdf", "primo lavoratore", "a");
    const QString second = source("documento.pdf", "secondo lavoratore", "b");
    struct Case {
        bool yes;
        QByteArray storedAfter;
    };
    for (const Case& c : {Case{false, "primo lavoratore"}, Case{true, "secondo lavoratore"}}) {
        SCOPED_TRACE(c.yes);
        QFile::remove(stored("documento.pdf"));
        auto w = open();
        browse(w->btnSfoglia01, first);
        ASSERT_TRUE(messages().empty());
        w->txtFile03->setText("altro.pdf");
        p->answers.push_back(c.yes);
        browse(w->btnSfoglia03, second);
        EXPECT_EQ(messages(), one(MessageKind::Question, kOverwrite));
        // Either way the slot names the stored file, which is the new copy only after Yes.
        EXPECT_EQ(w->txtFile03->text(), "documento.pdf");
        EXPECT_EQ(contents(stored("documento.pdf")), c.storedAfter);
        EXPECT_EQ(storedNames(), QStringList{"documento.pdf"});
    }
}

TEST_F(AttachmentsTest, CancelledFileDialogChangesNothing) {
    auto w = open();
    w->txtFile01->setText("vecchio.pdf");
    click(w->btnSfoglia01); // the dialog answers with no file
    EXPECT_EQ(p->dialogs.size(), 1u);
    EXPECT_EQ(w->txtFile01->text(), "vecchio.pdf");
    EXPECT_FALSE(QFileInfo::exists(attachmentFolder()));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AttachmentsTest, AFailedCopyIsReportedAndTheSlotKeepsItsName) {
    const QString good = source("buono.pdf", "buono");
    struct Case {
        const char* why;
        std::function<QString()> prepare; // returns the chosen file
        std::vector<ShownMessage> expected;
    };
    const std::vector<Case> cases = {
        {"source is a folder", [&] { return sources.path(); }, {{MessageKind::Error, kSourceFailed}}},
        {"source is missing",
         [&] { return sources.filePath("sparito.pdf"); },
         {{MessageKind::Error, kSourceFailed}}},
        {"a folder holds the stored name",
         [&] {
             QDir().mkpath(stored("buono.pdf"));
             return good;
         },
         {{MessageKind::Question, kOverwrite}, {MessageKind::Error, kCopyFailed}}},
        {"the attachments folder cannot be created",
         [&] {
             QFile f(attachmentFolder());
             EXPECT_TRUE(f.open(QIODevice::WriteOnly)); // a file stands where the folder should be
             return good;
         },
         {{MessageKind::Error, kFolderFailed}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        auto w = open();
        w->txtFile02->setText("precedente.pdf");
        browse(w->btnSfoglia02, c.prepare());
        EXPECT_EQ(messages(), c.expected);
        EXPECT_EQ(w->txtFile02->text(), "precedente.pdf");
        EXPECT_FALSE(QFileInfo(stored("buono.pdf")).isFile());
        EXPECT_FALSE(QFileInfo(stored("sparito.pdf")).exists());
        QDir(attachmentFolder()).removeRecursively();
        QFile::remove(attachmentFolder());
    }
}

TEST_F(AttachmentsTest, ANameTheRecordCannotHoldIsStoredUnderOneItCanAndTheUserIsTold) {
    auto w = open();
    const QString chosen = source(QStringLiteral("ФОТО cantiere.png"), "picture");
    browse(w->btnSfoglia01, chosen);
    EXPECT_EQ(w->txtFile01->text(), QStringLiteral("____ cantiere.png"));
    EXPECT_EQ(contents(stored(QStringLiteral("____ cantiere.png"))), "picture");
    EXPECT_EQ(storedNames(), QStringList{QStringLiteral("____ cantiere.png")});
    EXPECT_EQ(messages(),
              one(MessageKind::Information,
                  QStringLiteral(
                      "Il documento \"ФОТО cantiere.png\" è stato allegato con il nome \"____ cantiere.png\"."
                      "\r\n\r\nIl nome originale contiene caratteri che l'archivio non può conservare, "
                      "spazi all'inizio o alla fine, oppure è troppo lungo.")));
    // What Apri opens is the document stored, by the name the record keeps.
    click(w->btnApri01);
    EXPECT_EQ(
        p->opened,
        QStringList{"\"" + QDir::toNativeSeparators(stored(QStringLiteral("____ cantiere.png"))) + "\""});
}

TEST_F(AttachmentsTest, ApriOpensOnlyAPlainNameInsideTheFolder) {
    auto w = open();
    w->txtFile01->setText("  contratto.pdf ");
    click(w->btnApri01);
    w->txtFile01->setText("a..b.pdf"); // missing: handed over all the same
    click(w->btnApri01);
    // The path in the system's own form, quoted.
    const auto quoted = [&](const char* name) {
        return "\"" + QDir::toNativeSeparators(stored(name)) + "\"";
    };
    EXPECT_EQ(p->opened, (QStringList{quoted("contratto.pdf"), quoted("a..b.pdf")}));
    EXPECT_TRUE(messages().empty());

    // A name from a damaged or foreign record never reaches the shell.
    for (const char* name : {"../Brenzo.pro", "..\\Brenzo.pro", "..", "C:\\Documenti\\contratto.pdf",
                             "sottocartella/x.pdf", "/etc/passwd"}) {
        SCOPED_TRACE(name);
        w->txtFile03->setText(name);
        click(w->btnApri03);
        EXPECT_EQ(messages(), one(MessageKind::Warning, kUnsafeName));
    }
    EXPECT_EQ(p->opened.size(), 2);
}

TEST_F(AttachmentsTest, ClearImageEmptiesTheNameAndKeepsDescriptionAndFile) {
    const QString chosen = source("patente.jpg", "jpg");
    auto w = open();
    browse(w->btnSfoglia02, chosen);
    w->txtDesc02->setText("Patente");
    click(w->imgCancella02);
    EXPECT_EQ(w->txtFile02->text(), "");
    EXPECT_EQ(w->txtDesc02->text(), "Patente");
    EXPECT_FALSE(w->btnApri02->isEnabled());
    click(w->btnApplica);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(registryLabels(), (QStringList{"", "", "", "Patente", "", ""}));
    EXPECT_EQ(storedNames(), QStringList{"patente.jpg"}); // the program never deletes a stored file
}

TEST_F(AttachmentsTest, OtherTagsOrCallersTakeNothing) {
    // The window gives its values only under the tags it serves; where they go is the caller's.
    setRegistryLabels({"a.pdf", "A", "", "", "", ""});
    for (const char* tag : {"", "altro", " Istruttori"}) {
        SCOPED_TRACE(tag);
        auto w = open(tag);
        w->txtFile01->setText("nuovo.pdf");
        w->txtDesc02->setText("Nuovo");
        click(w->btnApplica);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(registryLabels(), (QStringList{"a.pdf", "A", "", "", "", ""}));
    }
    auto w = open(" istruttori "); // the tag is read trimmed
    click(w->btnApplica);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(AttachmentsTest, AnnullaAfterSfogliaKeepsTheCopyButNotTheNames) {
    setRegistryLabels({"vecchio.pdf", "Vecchio", "", "", "", ""});
    const QString chosen = source("nuovo.pdf", "nuovo");
    p->modalHandlers.push_back([&](QDialog* d) {
        auto* w = qobject_cast<TfrmAllegaCartella*>(d);
        ASSERT_NE(w, nullptr);
        browse(w->btnSfoglia01, chosen);
        EXPECT_EQ(w->txtFile01->text(), "nuovo.pdf");
        click(w->btnAnnulla);
    });
    click(registry->cmdFile);
    EXPECT_TRUE(p->modalHandlers.empty());
    EXPECT_EQ(registryLabels(), (QStringList{"vecchio.pdf", "Vecchio", "", "", "", ""}));
    EXPECT_EQ(contents(stored("nuovo.pdf")), "nuovo");
    EXPECT_TRUE(registry->findChildren<TfrmAllegaCartella*>().isEmpty()); // destroyed on close
}

TEST_F(AttachmentsTest, RegistryRecordKeepsTheAttachmentsOnlyWhenSaved) {
    using F = TSchedaLavoratore;
    const QString archive = employeeArchivePath(folder.path());
    auto storedRecord = [&] { return *archive::read(archive, 1, F::layout); };
    registry->txtCognome->setText("Rossi");
    registry->txtNome->setText("Mario");
    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordAddedMessage));

    const QString chosen = source(QStringLiteral("carta identità.pdf"), "id");
    p->modalHandlers.push_back([&](QDialog* d) {
        auto* w = qobject_cast<TfrmAllegaCartella*>(d);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->lblMemory->text(), "istruttori");
        for (QLineEdit* box :
             {w->txtFile01, w->txtDesc01, w->txtFile02, w->txtDesc02, w->txtFile03, w->txtDesc03})
            EXPECT_EQ(box->text(), "");
        browse(w->btnSfoglia01, chosen);
        w->txtDesc01->setFocus();
        typeText(w->txtDesc01, QStringLiteral("Carta d'identità"));
        w->txtDesc03->setText("  solo descrizione  ");
        click(w->btnApplica);
    });
    click(registry->cmdFile);
    ASSERT_TRUE(p->modalHandlers.empty());
    EXPECT_EQ(registryLabels(),
              (QStringList{QStringLiteral("carta identità.pdf"), QStringLiteral("Carta d'identità"), "", "",
                           "", "solo descrizione"}));
    EXPECT_EQ(storedRecord()[F::File01], ""); // nothing written yet

    click(registry->cmdSalva);
    ASSERT_EQ(messages(), one(MessageKind::Information, kRecordUpdatedMessage));
    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    auto field = [&](F::Field i) {
        const FieldSpec& spec = F::kFields[std::size_t(i)];
        return bytes.mid(spec.offset, static_cast<unsigned char>(bytes[spec.offset]) + 1);
    };
    EXPECT_EQ(field(F::File01), QByteArray("\x12") + cp1252::encode(QStringLiteral("carta identità.pdf")));
    EXPECT_EQ(field(F::Desc01), QByteArray("\x10") + cp1252::encode(QStringLiteral("Carta d'identità")));
    EXPECT_EQ(field(F::File02), QByteArray(1, '\0'));
    EXPECT_EQ(field(F::Desc03), QByteArray("\x10solo descrizione"));

    // The next opening starts from the labels, trimmed.
    registry->lblDesc02->setText("  nota  ");
    p->modalHandlers.push_back([](QDialog* d) {
        auto* w = static_cast<TfrmAllegaCartella*>(d);
        EXPECT_EQ(w->txtFile01->text(), QStringLiteral("carta identità.pdf"));
        EXPECT_EQ(w->txtDesc02->text(), "nota");
        EXPECT_TRUE(w->btnApri01->isEnabled());
        EXPECT_FALSE(w->btnApri02->isEnabled());
        click(w->btnAnnulla);
    });
    click(registry->cmdFile);
    EXPECT_TRUE(p->modalHandlers.empty());
}

TEST_F(AttachmentsTest, WorkWindowSendsItsAttachmentsThroughItsOwnTag) {
    auto* work = app->window<TfrmLavori>();
    work->openYear(workArchivePath(folder.path(), "2026"), "2026");
    app->showInsteadOf(registry, work);
    activate(work);
    work->lblFile02->setText(" preventivo.pdf ");
    p->modalHandlers.push_back([](QDialog* d) {
        auto* w = qobject_cast<TfrmAllegaCartella*>(d);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->lblMemory->text(), "lavori");
        EXPECT_EQ(w->txtFile02->text(), "preventivo.pdf");
        w->txtDesc02->setText("Preventivo");
        click(w->btnApplica);
    });
    click(work->cmdFile);
    EXPECT_TRUE(p->modalHandlers.empty());
    EXPECT_EQ(work->lblFile02->text(), "preventivo.pdf");
    EXPECT_EQ(work->lblDesc02->text(), "Preventivo");
    EXPECT_EQ(registryLabels(), (QStringList{"", "", "", "", "", ""}));
}
