#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "framework/platform.h"
#include "support/fake_platform.h"
#include "support/printers.h"

using namespace orvelia;
using orvelia::test::ScopedFakePlatform;
using orvelia::test::ShownMessage;

TEST(FakePlatform, CatchesMessageBoxesWithKindAndText) {
    ScopedFakePlatform fake;
    fake->answers = {false};
    QPushButton button("Salva");
    bool answer = true;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        Platform::instance().warning(QStringLiteral("Attenzione: inserire il cognome."));
        answer = Platform::instance().question(QStringLiteral("Esportare l'archivio?"));
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(fake->takeMessages(), (std::vector<ShownMessage>{
                                        {MessageKind::Warning, "Attenzione: inserire il cognome."},
                                        {MessageKind::Question, "Esportare l'archivio?"},
                                    }));
    EXPECT_FALSE(answer);
}

TEST(FakePlatform, RunsModalWindowsThroughTheTestHandler) {
    ScopedFakePlatform fake;
    QDialog dialog;
    dialog.setObjectName("frmProva");
    fake->modalHandlers.push_back([](QDialog* d) {
        EXPECT_TRUE(d->isVisible());
        d->accept();
    });
    EXPECT_EQ(Platform::instance().showModal(&dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ShellOpen, TextsHandedToTheShell) {
    ScopedFakePlatform fake;
    TMisc::Open(QStringLiteral("\"mailto:a@b.it?subject=Ciao a tutti\""));
    EXPECT_EQ(fake->opened, QStringList{"\"mailto:a@b.it?subject=Ciao a tutti\""});

    struct Case {
        const char* text;
        const char* scheme;
        const char* localFile;
    };
    const Case cases[] = {
        {"https://www.orvelia.it", "https", ""},
        {"\"mailto:x@y.it?subject=Software Orvelia&body=Salve, vorrei\"", "mailto", ""},
        {"\"mailto:\"", "mailto", ""},
        {"/home/u/Orvelia/Guida.pdf", "file", "/home/u/Orvelia/Guida.pdf"},
        {"\"/home/u/Orvelia/Lavori.xls\"", "file", "/home/u/Orvelia/Lavori.xls"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QUrl url = shellTarget(QString::fromUtf8(c.text));
        EXPECT_EQ(url.scheme(), c.scheme);
        if (*c.localFile) {
            EXPECT_EQ(url.toLocalFile(), c.localFile);
        }
    }
    EXPECT_EQ(shellTarget("\"mailto:x@y.it?subject=Software Orvelia\"").query(QUrl::FullyDecoded),
              "subject=Software Orvelia");
}

TEST(QtPlatform, MessageBoxesHaveItalianButtons) {
    QtPlatform platform;
    struct Case {
        MessageKind kind;
        const char* press;
        bool answer;
        QStringList expected;
    };
    const Case cases[] = {
        {MessageKind::Warning, "OK", true, {"Avviso", "OK", "Annulla"}},
        {MessageKind::Information, "Annulla", false, {"Informazione", "OK", "Annulla"}},
        {MessageKind::Error, "OK", true, {"Errore", "OK", "Annulla"}},
        {MessageKind::Plain, "OK", true, {"Orvelia", "OK"}},
        {MessageKind::Question, "No", false, {"Conferma", "Sì", "No"}},
        {MessageKind::Question, "Sì", true, {"Conferma", "Sì", "No"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(messageTitle(c.kind).toStdString());
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "Attenzione: prova.\n\r\n\rSeconda riga.");
            seen << box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                seen << b->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(c.press)) {
                    b->click();
                    return;
                }
        });
        EXPECT_EQ(platform.message(c.kind, "Attenzione: prova.\n\r\n\rSeconda riga.", nullptr), c.answer);
        seen.sort();
        QStringList expected = c.expected;
        expected.sort();
        EXPECT_EQ(seen, expected);
    }
}

TEST(QtPlatform, PrintTitlesBecomeFileNames) {
    struct Case {
        const char* title;
        const char* file;
    };
    const Case cases[] = {
        {"Scheda lavoratore", "Scheda lavoratore"},
        {"Riepilogo 01/03/2025 - 31/03/2025", "Riepilogo 01-03-2025 - 31-03-2025"},
        {"a\\b:c*d?e\"f<g>h|i", "a-b-c-d-e-f-g-h-i"},
        {"  ", "Stampa"},
        {"", "Stampa"},
        {"Città n°7", "Città n°7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileNameOf(QString::fromUtf8(c.title)), QString::fromUtf8(c.file)) << c.title;
}
