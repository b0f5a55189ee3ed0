#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "framework/widgets.h"
#include "support/app_fixture.h"
#include "windows/access/tfrmpassword.h"
#include "windows/app/tfrmavvio.h"
#include "windows/app/tfrminfo.h"

using namespace orvelia;
using namespace orvelia::test;

namespace {
class NavigationTest : public AppFixture {
protected:
    void showMenu() {
        app->start();
        app->showInsteadOf(app->window<TfrmPassword>(), app->window<TfrmAvvio>());
        menu = app->window<TfrmAvvio>();
        activate(menu);
    }
    TfrmAvvio* menu = nullptr;
};
} // namespace

TEST_F(NavigationTest, WindowsAreCreatedInOrderAndOnlyTheLoginIsShown) {
    EXPECT_EQ(
        app->creationOrder(),
        (QStringList{"TfrmPassword", "TfrmAvvio", "TfrmCambiaPassword", "TfrmIstruttori", "TfrmMenuLavori",
                     "TfrmLavori", "TfrmMenuPagamenti", "TfrmMenuRiepilogoPagamenti", "TfrmStatistiche"}));
    EXPECT_TRUE(visibleWindows().isEmpty());
    app->start();
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmPassword"});
    EXPECT_EQ(app->window("TfrmPassword")->windowTitle(), " Orvelia - Accesso");
    EXPECT_EQ(app->window("TfrmAvvio")->windowTitle(), " Orvelia");
    EXPECT_EQ(app->window("TfrmCambiaPassword")->windowTitle(), " Cambia password");
    EXPECT_EQ(app->window("TfrmNessuna"), nullptr);
}

TEST_F(NavigationTest, MainMenuFillsTheScreen) {
    showMenu();
    EXPECT_TRUE(menu->windowState() & Qt::WindowMaximized);
    for (const char* name :
         {"btnLavoratori", "imgLavoratori", "infLavoratori", "btnLavori", "imgLavori", "infLavori",
          "btnCompensi", "imgCompensi", "infCompensi", "imgGuida", "imgInfo", "imgProdotto", "icoSito",
          "imgCopia", "imgEsci", "icoTitolo", "icoSottotitolo", "icoIcona"}) {
        auto* w = menu->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
}

TEST_F(NavigationTest, AboutWindowMailsTheSupportAddress) {
    showMenu();
    const QString link =
        QStringLiteral("\"mailto:assistenza@orvelia.it?subject=Software Orvelia&body=Salve, "
                       "desidererei avere le seguenti informazioni sul software in oggetto:\"");
    EXPECT_EQ(supportMailLink(), link);
    fake->modalHandlers.push_back([&](QDialog* d) {
        auto* info = qobject_cast<TfrmInfo*>(d);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->windowTitle(), " Informazioni su Orvelia");
        EXPECT_EQ(info->lnkWeb->text(), "assistenza@orvelia.it");
        // orange while the button is held on the link, dark blue again after
        QTest::mousePress(info->lnkWeb, Qt::LeftButton, {}, info->lnkWeb->rect().center());
        EXPECT_EQ(info->lnkWeb->palette().color(QPalette::WindowText), LinkLabel::heldColour());
        QTest::mouseRelease(info->lnkWeb, Qt::LeftButton, {}, info->lnkWeb->rect().center());
        EXPECT_EQ(info->lnkWeb->palette().color(QPalette::WindowText), LinkLabel::restColour());
        // and the same through its picture
        QTest::mousePress(info->imgEmail, Qt::LeftButton, {}, info->imgEmail->rect().center());
        EXPECT_TRUE(info->lnkWeb->isHeld());
        QTest::mouseRelease(info->imgEmail, Qt::LeftButton, {}, info->imgEmail->rect().center());
        EXPECT_FALSE(info->lnkWeb->isHeld());
        click(info->cmdChiudi);
    });
    click(menu->imgInfo);
    EXPECT_TRUE(fake->modalHandlers.empty());
    EXPECT_EQ(fake->opened, (QStringList{link, link}));
    EXPECT_EQ(visibleWindows(), QStringList{"TfrmAvvio"});
}

TEST_F(NavigationTest, ProductWindowAndSiteOpenTheWebSite) {
    showMenu();
    fake->modalHandlers.push_back([&](QDialog* d) {
        auto* splash = qobject_cast<TfrmSplash*>(d);
        ASSERT_NE(splash, nullptr);
        EXPECT_EQ(splash->lnkWeb->text(), "https://www.orvelia.it");
        click(splash->lnkWeb);
        click(splash->imgWeb);
        click(splash->cmdChiudi);
    });
    click(menu->imgProdotto);
    click(menu->icoSito);
    EXPECT_EQ(fake->opened,
              (QStringList{"https://www.orvelia.it", "https://www.orvelia.it", "https://www.orvelia.it"}));
}

TEST_F(NavigationTest, EveryUseOfAToolWindowStartsFresh) {
    showMenu();
    QPointer<QDialog> first;
    fake->modalHandlers.push_back([&](QDialog* d) {
        first = d;
        d->setProperty("touched", true);
        d->accept();
    });
    fake->modalHandlers.push_back([&](QDialog* d) {
        EXPECT_FALSE(d->property("touched").isValid());
        d->accept();
    });
    click(menu->imgInfo);
    EXPECT_TRUE(first.isNull()); // destroyed when it closed
    click(menu->imgInfo);
}

TEST_F(NavigationTest, MainMenuExitAndCloseEndTheProgram) {
    showMenu();
    click(menu->imgEsci);
    EXPECT_TRUE(app->hasQuit());
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(NavigationTest, ClosingTheMainMenuEndsTheProgram) {
    showMenu();
    menu->close();
    EXPECT_TRUE(app->hasQuit());
    EXPECT_TRUE(visibleWindows().isEmpty());
}
