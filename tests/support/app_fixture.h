#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/archive/paths.h"
#include "framework/widgets.h"
#include "support/fake_platform.h"
#include "support/printers.h"
#include "support/windows.h"
#include "windows/app/application.h"
#include "windows/app/tfrmavvio.h"
#include "windows/registry/tfrmistruttori.h"
#include "windows/reports/tfrmmenupagamenti.h"
#include "windows/work/tfrmlavori.h"
#include "windows/work/tfrmmenulavori.h"

namespace orvelia::test {

/// The whole program in a temporary program folder, with the fake platform.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        setProgramFolder(folder.path());
        // The mouse rests in a corner, away from any command, whatever the test before did.
        QCursor::setPos(QPoint(799, 599));
        app = std::make_unique<OrveliaApp>();
    }
    void TearDown() override {
        app.reset();
        setProgramFolder(QString());
    }

    /// The fake the windows talk to: the fixture's own, or one a test installed over it.
    static FakePlatform& platform() { return dynamic_cast<FakePlatform&>(Platform::instance()); }
    /// The messages shown since the last call, and forgets them.
    static std::vector<ShownMessage> messages() { return platform().takeMessages(); }
    static std::vector<ShownMessage> one(MessageKind kind, const QString& text) { return {{kind, text}}; }

    /// Runs @p body against the modal window of class W that @p opens brings up, made the active
    /// window; the body closes it.
    template <typename W>
    static void withWindow(const std::function<void()>& opens, const std::function<void(W*)>& body) {
        bool ran = false;
        platform().modalHandlers.push_back([&](QDialog* d) {
            auto* window = qobject_cast<W*>(d);
            ASSERT_NE(window, nullptr) << d->objectName().toStdString();
            activate(window);
            ran = true;
            body(window);
        });
        opens();
        EXPECT_TRUE(ran);
        EXPECT_TRUE(platform().modalHandlers.empty());
    }
    /// The same for the modal window that a click on @p command brings up.
    template <typename W> static void withWindow(QWidget* command, const std::function<void(W*)>& body) {
        withWindow<W>([command] { click(command); }, body);
    }

    /// The windows that are visible, by class name.
    QStringList visibleWindows() const {
        QStringList names;
        for (const QString& name : app->creationOrder())
            if (app->window(name)->isVisible())
                names << name;
        return names;
    }

    /// The main menu, shown and made the active window.
    TfrmAvvio* openMainMenu() {
        auto* menu = app->window<TfrmAvvio>();
        app->showWindow(menu);
        activate(menu);
        return menu;
    }
    /// The registry, reached from the main menu.
    TfrmIstruttori* openRegistry() {
        click(openMainMenu()->btnLavoratori);
        return arriveAt(app->window<TfrmIstruttori>());
    }
    /// The menu of the payments and their reports, reached from the main menu.
    TfrmMenuPagamenti* openReportsMenu() {
        click(openMainMenu()->btnCompensi);
        return arriveAt(app->window<TfrmMenuPagamenti>());
    }
    /// The choice of the year of work, reached from the main menu.
    TfrmMenuLavori* openYearSelection() {
        click(openMainMenu()->btnLavori);
        return arriveAt(app->window<TfrmMenuLavori>());
    }
    /**
     * The work of @p year, reached from the main menu through the choice of the year; @p besides
     * names the windows the test left open, which stay on the screen beside those of the way.
     */
    TfrmLavori* openWorkYear(const QString& year = QStringLiteral("2026"), const QStringList& besides = {}) {
        auto* selection = app->window<TfrmMenuLavori>();
        click(openMainMenu()->btnLavori);
        arriveAt(selection, besides);
        typeAndPress(selection->txtAnnoPreventivi, year, selection->btnApriPreventivi);
        return arriveAt(app->window<TfrmLavori>(), besides);
    }
    /// Expects @p window on the screen with no other window but @p besides, and makes it the active one.
    template <typename W> W* arriveAt(W* window, const QStringList& besides = {}) {
        QStringList expected;
        for (const QString& name : app->creationOrder())
            if (app->window(name) == window || besides.contains(name))
                expected << name;
        EXPECT_EQ(visibleWindows(), expected);
        activate(window);
        return window;
    }

    QTemporaryDir folder;
    ScopedFakePlatform fake;
    std::unique_ptr<OrveliaApp> app;
};

} // namespace orvelia::test
