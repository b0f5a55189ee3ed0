#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

#include "core/archive/paths.h"
#include "support/fake_platform.h"
#include "support/printers.h"
#include "support/windows.h"
#include "windows/app/application.h"

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

    QTemporaryDir folder;
    ScopedFakePlatform fake;
    std::unique_ptr<OrveliaApp> app;
};

} // namespace orvelia::test
