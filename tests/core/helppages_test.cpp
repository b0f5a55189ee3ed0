#include <gtest/gtest.h>

#include <set>

#include "core/help/helppages.h"

using namespace orvelia;

namespace {

struct PageCase {
    HelpPage page;
    const char* title;
    int paragraphs;
    const char* opening;
};

const PageCase kCases[] = {
    {HelpPage::Overview, "Uno sguardo a Orvelia.", 32,
     "Orvelia è un software studiato per registrare le prestazioni lavorative giornaliere e calcolare "
     "velocemente la retribuzione"},
    {HelpPage::Reports, "Riepilogo compensi e statistiche rimunerazioni mensili.", 7,
     "Orvelia è dotato di un ambiente di reportistica costituito da due applicazioni studiate per "
     "riepilogare "
     "i compensi percepiti dai lavoratori e per rappresentare graficamente le uscite mensili della propria "
     "azienda derivanti dal pagamento degli stipendi."},
    {HelpPage::Statistics, "Grafici statistici rimunerazioni mensili.", 4,
     "L'applicazione Statistiche rimunerazioni mensili consente di visualizzare e stampare grafici "
     "statistici "
     "delle retribuzioni mensili"},
    {HelpPage::Summary, "Applicazione Riepilogo compensi.", 2,
     "L'applicazione Riepilogo compensi consente di ottenere il resoconto delle retribuzioni percepite dai "
     "lavoratori in un certo intervallo di tempo in base a quanto archiviato nel registro dei lavori."},
    {HelpPage::Work, "Applicazione Registrazione lavori.", 10,
     "Orvelia mette a disposizione un registro elettronico in cui inserire quotidianamente i dati "
     "riguardanti "
     "le prestazioni lavorative effettuate"},
    {HelpPage::Registry, "Applicazione Anagrafica lavoratori.", 8,
     "L'applicazione Anagrafica lavoratori mette a disposizione un ambiente di lavoro in cui registrare i "
     "dati"},
    {HelpPage::RegistryExport, "Esportazione archivio lavoratori in Microsoft Excel.", 3,
     "Il pulsante Esporta archivio consente di esportare i dati anagrafici di tutti i lavoratori in un "
     "foglio "
     "di lavoro di Microsoft Excel"},
    {HelpPage::WorkExport, "Esportazione registro lavori in Microsoft Excel.", 3,
     "Il pulsante Esporta archivio consente di esportare il registro annuale delle prestazioni lavorative in "
     "un foglio di lavoro di Microsoft Excel"},
};

TEST(HelpPages, TitleOpeningAndParagraphsOfEveryPage) {
    ASSERT_EQ(std::size(kCases), kHelpPages.size());
    for (const PageCase& c : kCases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(helpTitle(c.page), QString::fromUtf8(c.title));
        const QString text = helpText(c.page);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.opening)));
        // Paragraphs are separated by exactly one empty line, and none is empty or broken.
        const QStringList parts = text.split(QStringLiteral("\r\n\r\n"));
        EXPECT_EQ(parts.size(), c.paragraphs);
        EXPECT_EQ(parts, helpParagraphs(c.page));
        for (const QString& part : parts) {
            EXPECT_FALSE(part.trimmed().isEmpty());
            EXPECT_EQ(part, part.trimmed());
            EXPECT_FALSE(part.contains(u'\r') || part.contains(u'\n')) << part.toStdString();
        }
    }
}

TEST(HelpPages, EveryPageIsInTheGuideOnceWithItsOwnTitle) {
    std::set<HelpPage> pages(kHelpPages.begin(), kHelpPages.end());
    EXPECT_EQ(pages.size(), kHelpPages.size());
    std::set<QString> titles;
    for (HelpPage page : kHelpPages)
        titles.insert(helpTitle(page));
    EXPECT_EQ(titles.size(), kHelpPages.size());
}

TEST(HelpPages, SharedContent) {
    // The overview tells the first-access keyword.
    EXPECT_TRUE(helpText(HelpPage::Overview).contains(QStringLiteral(" parolainiziale")));
    // The statistics page is the close of the reports page; the summary shares what the list shows.
    const QStringList reports = helpParagraphs(HelpPage::Reports);
    EXPECT_EQ(reports.mid(3), helpParagraphs(HelpPage::Statistics));
    EXPECT_EQ(reports.at(2), helpParagraphs(HelpPage::Summary).at(1));
    // Both export pages speak of their own archive.
    EXPECT_NE(helpText(HelpPage::RegistryExport), helpText(HelpPage::WorkExport));
}

TEST(HelpPages, TheImportAndTheContractAreDescribedByTheirFields) {
    // A paragraph that tells what the import from the worker archive brings names all it brings.
    const QStringList imported = {
        QStringLiteral("il cognome"),        QStringLiteral("il nome"),
        QStringLiteral("il codice fiscale"), QStringLiteral("il telefono preferenziale"),
        QStringLiteral("la mansione"),       QStringLiteral("la categoria")};
    int told = 0;
    for (HelpPage page : kHelpPages) {
        for (const QString& paragraph : helpParagraphs(page)) {
            if (!paragraph.contains(QStringLiteral("import")) ||
                !paragraph.contains(QStringLiteral("il nome")))
                continue;
            ++told;
            for (const QString& field : imported)
                EXPECT_TRUE(paragraph.contains(field))
                    << field.toStdString() << " in " << paragraph.toStdString();
        }
    }
    EXPECT_EQ(told, 2);
    // The contract section by the labels of its fields; no field is the "codice" of the contract.
    const QString registry = helpText(HelpPage::Registry);
    for (const char* label : {"la mansione", "il livello", "il tipo di contratto", "la data di assunzione",
                              "prossima scadenza", "i giorni di preavviso"})
        EXPECT_TRUE(registry.contains(QString::fromUtf8(label))) << label;
    EXPECT_FALSE(registry.contains(QStringLiteral("il codice e la categoria del contratto")));
}

TEST(HelpPages, InstructionsPicture) {
    EXPECT_FALSE(instructionsTitle().isEmpty());
    const QStringList paragraphs = instructionsParagraphs();
    ASSERT_EQ(paragraphs.size(), 6);
    EXPECT_TRUE(paragraphs.at(3).contains(QStringLiteral("Nuovo")) && paragraphs.at(3).contains("Salva"));
    EXPECT_TRUE(paragraphs.at(4).contains(QStringLiteral("Duplica")));
}

} // namespace
