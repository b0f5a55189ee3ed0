#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace orvelia::test {

/// Types @p text into @p widget one key at a time, accented letters included.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace orvelia::test
