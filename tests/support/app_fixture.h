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
