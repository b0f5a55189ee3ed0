#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QCursor>
#include <QTemporaryDir>
#include <QTest>

#include "core/archive/paths.h"
#include "support/fake_platform.h"
#include "support/printers.h"
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

    /// Shows @p w as the active window and lets the events settle.
    static void activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }
    static void click(QWidget* w) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        QApplication::processEvents();
    }
    static void key(QWidget* w, Qt::Key k) {
        QTest::keyClick(w, k);
        QApplication::processEvents();
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
