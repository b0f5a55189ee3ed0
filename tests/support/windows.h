#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include "framework/listview.h"
#include "support/keys.h"

namespace orvelia::test {

/// Makes @p w the active window and lets the events settle.
inline void activate(QWidget* w) {
    QApplication::setActiveWindow(w);
    QApplication::processEvents();
}

/// Clicks the middle of @p w, which must be on the screen, and lets the events settle.
inline void click(QWidget* w) {
    ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QApplication::processEvents();
}

/// Presses and releases @p k on @p w and lets the events settle.
inline void key(QWidget* w, Qt::Key k) {
    QTest::keyClick(w, k);
    QApplication::processEvents();
}

/// Types @p text into @p box in place of what it holds, then clicks @p button.
inline void typeAndPress(QLineEdit* box, const QString& text, QWidget* button) {
    box->clear();
    typeText(box, text);
    click(button);
}

/// The middle of line @p row of @p list, where the mouse points at it.
inline QPoint centreOfRow(const ListView& list, int row) {
    return list.visualRect(list.model()->index(row, 0)).center();
}

/// Selects line @p row of @p list and double-clicks it.
inline void doubleClickRow(ListView* list, int row) {
    list->selectRow(row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOfRow(*list, row));
    QApplication::processEvents();
}

/// The first line of @p list that contains @p part, or -1.
inline int rowOf(const ListView* list, const QString& part) {
    for (int i = 0; i < list->count(); ++i)
        if (list->lines().at(i).contains(part))
            return i;
    return -1;
}

} // namespace orvelia::test
