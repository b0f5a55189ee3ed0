#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

#include "core/help/helppages.h"
#include "framework/commandbar.h"
#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "support/keys.h"
#include "windows/app/tfrmavvio.h"
#include "windows/help/tfrmguida.h"
#include "windows/help/tfrmistruzioni.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/reports/tfrmmenupagamenti.h"
#include "windows/reports/tfrmstatistiche.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {

/// What a help window showed while it was open.
struct ShownPage {
    QString className;
    QWidget* owner = nullptr;
    QString title;
    QString text;
    bool fresh = false;
};

class HelpTest : public AppFixture {
public:
    using AppFixture::openMainMenu;
    using AppFixture::openReportsMenu;
    using AppFixture::openYearSelection;
    void openWorkWindow() {
        openWorkYear();
        fake->takeMessages();
    }
    void openRegistry() {
        AppFixture::openRegistry();
        fake->takeMessages();
    }
    void openStatistics() {
        auto* stats = app->window<TfrmStatistiche>();
        ASSERT_NE(stats, nullptr);
        app->showWindow(stats);
        activate(stats);
        fake->takeMessages();
    }

    /// Clicks @p control @p times times; each showing is recorded and closed with "Chiudi".
    std::vector<ShownPage> clickHelp(QWidget* control, int times) {
        std::vector<ShownPage> shown;
        for (int k = 0; k < times; ++k) {
            fake->modalHandlers.push_back([&shown](QDialog* d) {
                ShownPage page{d->objectName(), d->parentWidget(), {}, {}, !d->property("seen").isValid()};
                d->setProperty("seen", true);
                if (auto* title = d->findChild<QLabel*>(QStringLiteral("lblTitolo")))
                    page.title = title->text();
                if (auto* text = d->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida")))
                    page.text = text->toPlainText();
                shown.push_back(page);
                auto* close = d->findChild<QPushButton*>(QStringLiteral("btnChiudi"));
                ASSERT_NE(close, nullptr);
                QTest::mouseClick(close, Qt::LeftButton);
            });
            click(control);
        }
        EXPECT_TRUE(fake->modalHandlers.empty()) << "the help control showed no window";
        fake->modalHandlers.clear();
        return shown;
    }
};

// The text box shows the paragraphs one under the other with an empty line between.
QString onScreen(HelpPage page) {
    return helpText(page).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TEST_F(HelpTest, EachHelpControlShowsItsPageInAFreshWindowOwnedByTheCaller) {
    struct Case {
        const char* name;
        std::function<void(HelpTest&)> open;
        std::function<QWidget*(OrveliaApp&)> control;
        HelpPage page;
        const char* owner;
    };
    const Case cases[] = {
        {"main menu", &HelpTest::openMainMenu, [](OrveliaApp& a) { return a.window<TfrmAvvio>()->imgGuida; },
         HelpPage::Overview, "TfrmAvvio"},
        {"year selection", &HelpTest::openYearSelection,
         [](OrveliaApp& a) { return a.window<TfrmMenuLavori>()->imgGuida; }, HelpPage::Work,
         "TfrmMenuLavori"},
        {"work window", &HelpTest::openWorkWindow,
         [](OrveliaApp& a) { return a.window<TfrmLavori>()->cmdGuida; }, HelpPage::Work, "TfrmLavori"},
        {"registry", &HelpTest::openRegistry,
         [](OrveliaApp& a) { return a.window<TfrmIstruttori>()->cmdGuida; }, HelpPage::Registry,
         "TfrmIstruttori"},
        {"reports menu", &HelpTest::openReportsMenu,
         [](OrveliaApp& a) { return a.window<TfrmMenuPagamenti>()->imgGuida; }, HelpPage::Reports,
         "TfrmMenuPagamenti"},
        {"statistics picture", &HelpTest::openStatistics,
         [](OrveliaApp& a) { return a.window<TfrmStatistiche>()->imgGuida; }, HelpPage::Statistics,
         "TfrmStatistiche"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.open(*this);
        QWidget* caller = app->window(QString::fromLatin1(c.owner));
        const std::vector<ShownPage> shown = clickHelp(c.control(*app), 2);
        ASSERT_EQ(shown.size(), 2u);
        for (const ShownPage& s : shown) {
            EXPECT_EQ(s.className, QStringLiteral("TfrmGuida"));
            EXPECT_EQ(s.owner, caller);
            EXPECT_TRUE(s.fresh);
            EXPECT_EQ(s.title, helpTitle(c.page));
            EXPECT_EQ(s.text, onScreen(c.page));
        }
        // Closed help windows are gone; the caller is still the window in use.
        EXPECT_TRUE(caller->findChildren<TfrmGuida*>().isEmpty());
        EXPECT_TRUE(caller->isVisible());
        EXPECT_TRUE(fake->takeMessages().empty());
        caller->hide();
    }
}

TEST_F(HelpTest, MainMenuAndWorkPagesDifferWhileWorkAndYearSelectionShareOne) {
    openMainMenu();
    const auto overview = clickHelp(app->window<TfrmAvvio>()->imgGuida, 1);
    openYearSelection();
    const auto year = clickHelp(app->window<TfrmMenuLavori>()->imgGuida, 1);
    openWorkWindow();
    const auto work = clickHelp(app->window<TfrmLavori>()->cmdGuida, 1);
    ASSERT_TRUE(overview.size() == 1 && year.size() == 1 && work.size() == 1);
    EXPECT_NE(overview[0].title, work[0].title);
    EXPECT_NE(overview[0].text, work[0].text);
    EXPECT_EQ(year[0].title, work[0].title);
    EXPECT_EQ(year[0].text, work[0].text);
}

TEST_F(HelpTest, HelpWindowAndThePdfLink) {
    openMainMenu();
    auto* menu = app->window<TfrmAvvio>();
    TfrmGuida w(menu);
    EXPECT_EQ(w.lblTitolo->text(), QStringLiteral("Argomento della guida."));
    w.showPage(HelpPage::Overview);
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(w.objectName(), QStringLiteral("TfrmGuida"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.txtGuida->isReadOnly());
    EXPECT_EQ(w.lnkWeb->text(), QStringLiteral("Visualizza guida in formato PDF"));
    EXPECT_EQ(w.btnChiudi->text(), QStringLiteral("Chiudi"));
    // The long overview scrolls inside the box.
    EXPECT_GT(w.txtGuida->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(w.txtGuida->document()->blockCount(), 2 * helpParagraphs(HelpPage::Overview).size() - 1);

    // Both the link and its picture hand the quoted guide path to the shell; a missing guide says nothing.
    const QString quoted = QStringLiteral("\"") + folder.path() + QStringLiteral("/Guida.pdf\"");
    EXPECT_EQ(guidePdfCommand(), quoted);
    QTest::mouseClick(w.lnkWeb, Qt::LeftButton);
    QTest::mouseClick(w.imgPDF, Qt::LeftButton, {}, w.imgPDF->rect().center());
    EXPECT_EQ(fake->opened, (QStringList{quoted, quoted}));
    EXPECT_TRUE(fake->takeMessages().empty());

    QTest::mouseClick(w.btnChiudi, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(HelpTest, InstructionsWindowFromTheWorkWindow) {
    openWorkWindow();
    auto* work = app->window<TfrmLavori>();
    for (int k = 0; k < 2; ++k) {
        bool shown = false;
        fake->modalHandlers.push_back([&](QDialog* d) {
            shown = true;
            EXPECT_EQ(d->objectName(), QStringLiteral("TfrmIstruzioni"));
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Istruzioni per l'uso"));
            EXPECT_EQ(d->parentWidget(), work);
            auto* picture = d->findChild<QLabel*>(QStringLiteral("imgCorpo"));
            ASSERT_NE(picture, nullptr);
            EXPECT_FALSE(picture->pixmap().isNull());
            auto* close = d->findChild<QPushButton*>(QStringLiteral("btnChiudi"));
            ASSERT_NE(close, nullptr);
            EXPECT_EQ(close->text(), QStringLiteral("Chiudi"));
            QTest::mouseClick(close, Qt::LeftButton);
            EXPECT_FALSE(d->isVisible());
        });
        click(work->btnIstruzioni);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(work->findChildren<TfrmIstruzioni*>().isEmpty());
    }
    EXPECT_TRUE(work->isVisible());
}

} // namespace
