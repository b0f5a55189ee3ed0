#pragma once

#include <QApplication>
#include <QLineEdit>
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

/// Gives @p box the focus and types @p text into it, after what it holds.
inline void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QApplication::processEvents();
    typeText(box, text);
}

/// How many characters @p box keeps when @p attempt digits are typed into it, empty at first.
inline int typedLength(QLineEdit* box, int attempt) {
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, QString(attempt, u'1'));
    return int(box->text().size());
}

} // namespace orvelia::test
