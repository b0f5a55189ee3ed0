#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/printers.h"
#include "support/windows.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "core/lists/lines.h"
#include "framework/listview.h"
#include "windows/common/listwindow.h"

using namespace orvelia;
using orvelia::test::centreOfRow;
using orvelia::test::ScopedFakePlatform;
using orvelia::test::ShownMessage;

namespace {

// 100,000 lines in the manner of the employee search, in an order the list must change.
QStringList manyLines() {
    QStringList lines;
    lines.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        const int n = (i * 7919) % 100000;
        QString name = QStringLiteral("Cognome%1 Nome").arg(n, 6, 10, QLatin1Char('0'));
        if (n % 2)
            name = lists::lowerAscii(name);
        lines << lists::fitText(name, 28) + QStringLiteral("  C.F. ") +
                     lists::fitText(QStringLiteral("RSSMRA80A01H501U"), 16) +
                     QStringLiteral("  Note: riga ") + QString::number(n);
    }
    return lines;
}

} // namespace

TEST(ListView, ShowsAHundredThousandSortedLinesAndFindsAmongThem) {
    ScopedFakePlatform fake;
    ListView list(QStringLiteral("lstRecords"), nullptr);
    list.resize(900, 400);
    list.show();
    list.setLines(manyLines());
    QApplication::processEvents();

    ASSERT_EQ(list.count(), 100000);
    for (int i = 1; i < list.count(); ++i)
        ASSERT_LE(lists::compareLines(list.lines().at(i - 1), list.lines().at(i)), 0) << i;
    EXPECT_TRUE(list.lines().at(0).startsWith(QStringLiteral("Cognome000000 Nome")));
    EXPECT_TRUE(list.lines().at(1).startsWith(QStringLiteral("cognome000001 nome")));
    EXPECT_EQ(list.selectedRow(), -1);

    // Courier New 12 (or its stand-in), fixed pitch, and sideways scrolling over the long lines.
    EXPECT_EQ(list.font().pointSize(), 12);
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
    EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);

    // The quick find selects the line and brings it into view.
    EXPECT_TRUE(list.quickFind(QStringLiteral("RIGA 99999")));
    EXPECT_EQ(list.selectedRow(), 99999);
    EXPECT_TRUE(list.selectedLine().endsWith(QStringLiteral("riga 99999")));
    EXPECT_TRUE(list.viewport()->rect().intersects(list.visualRect(list.model()->index(99999, 0))));
    EXPECT_TRUE(list.quickFind(QStringLiteral("riga 99999")));
    EXPECT_EQ(list.selectedRow(), 99999); // the only line: the selected one is tested last
    EXPECT_FALSE(list.quickFind(QStringLiteral("nessuna")));
    EXPECT_EQ(list.selectedRow(), 99999);
    EXPECT_TRUE(fake->messages.empty());

    // A double-click reports the line under the mouse.
    QSignalSpy spy(&list, &ListView::lineDoubleClicked);
    EXPECT_TRUE(list.quickFind(QStringLiteral("cognome000003")));
    const int row = list.selectedRow();
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, row));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), row);
    EXPECT_EQ(spy.at(0).at(1).toString(), list.lines().at(row));
    EXPECT_TRUE(spy.at(0).at(1).toString().startsWith(QStringLiteral("cognome000003 nome")));
}

TEST(ListView, AddingKeepsTheOrderAndTheWidthFollowsTheLongestLine) {
    ListView list(QStringLiteral("lstRecords"), nullptr);
    list.resize(400, 200);
    list.show();
    for (const char* line : {"Rossi Mario", "bianchi Anna", "Verdi", "ROSSI"})
        list.addLine(QString::fromLatin1(line));
    EXPECT_EQ(list.lines(), QStringList({QStringLiteral("bianchi Anna"), QStringLiteral("ROSSI"),
                                         QStringLiteral("Rossi Mario"), QStringLiteral("Verdi")}));
    const QSize item = list.model()->index(0, 0).data(Qt::SizeHintRole).toSize();
    EXPECT_EQ(item.width(), ListView::kScrollWidth); // short lines still scroll over 1600 pixels

    // A double-click below the lines reports the selected line, or none when nothing is selected.
    QSignalSpy spy(&list, &ListView::lineDoubleClicked);
    const QPoint below(20, list.viewport()->height() - 5);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, below);
    list.selectRow(2);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, below);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), -1);
    EXPECT_EQ(spy.at(0).at(1).toString(), QString());
    EXPECT_EQ(spy.at(1).at(0).toInt(), 2);
    EXPECT_EQ(spy.at(1).at(1).toString(), QStringLiteral("Rossi Mario"));

    list.addLine(QString(400, u'x'));
    EXPECT_GT(list.model()->index(0, 0).data(Qt::SizeHintRole).toSize().width(), ListView::kScrollWidth);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedLine(), QString());
}

TEST(ListPanel, TrovaOnTheListWithTheWindowsKey) {
    ScopedFakePlatform fake;
    lists::QuickFind& remembered = rememberedFind(QStringLiteral("TfrmProvaLista"));
    ListPanel panel(nullptr, remembered, FindBox::EnterMovesToTrova, true);
    panel.resize(700, 400);
    panel.show();
    panel.activateWindow();
    QApplication::processEvents();

    // Empty list: the plain message, and nothing else.
    QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
    EXPECT_EQ(fake->takeMessages(),
              std::vector<ShownMessage>({{MessageKind::Plain, lists::kFindOnEmptyListMessage}}));

    panel.lstRecords->setLines({QStringLiteral("Gamma rossi"), QStringLiteral("Alfa Rossi"),
                                QStringLiteral("Beta"), QStringLiteral("Delta")});
    panel.prepareShow(true);
    EXPECT_EQ(panel.lstRecords->selectedRow(), 0);

    // Enter moves to Trova without pressing it.
    panel.txtTrova->setFocus();
    QTest::keyClicks(panel.txtTrova, QStringLiteral("ROSSI"));
    QTest::keyClick(panel.txtTrova, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), panel.btnTrova);
    EXPECT_TRUE(remembered.key().isEmpty());

    QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
    EXPECT_EQ(panel.lstRecords->selectedRow(), 0); // Alfa Rossi
    QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
    EXPECT_EQ(panel.lstRecords->selectedRow(), 3); // Gamma rossi
    QTest::mouseClick(panel.btnTrova, Qt::LeftButton);
    EXPECT_EQ(panel.lstRecords->selectedRow(), 0); // round again
    EXPECT_EQ(remembered.key(), QStringLiteral("rossi"));
    EXPECT_TRUE(fake->messages.empty());

    // The key outlives the window unless the window forgets it when shown.
    ListPanel again(nullptr, rememberedFind(QStringLiteral("TfrmProvaLista")), FindBox::Highlighted, false);
    EXPECT_EQ(again.lstRecords->finder().key(), QStringLiteral("rossi"));
    EXPECT_EQ(again.lblDoppioClic, nullptr);
    again.prepareShow(false);
    EXPECT_EQ(remembered.key(), QStringLiteral("rossi"));
    panel.prepareShow(true);
    EXPECT_TRUE(remembered.key().isEmpty());
    EXPECT_EQ(panel.lblDoppioClic->text(), lists::kRecallHint);
}

TEST(ListPanel, HighlightedFindBoxIgnoresEnter) {
    ScopedFakePlatform fake;
    QWidget window;
    auto* panel = new ListPanel(&window, rememberedFind(QStringLiteral("TfrmProvaEvidenza")),
                                FindBox::Highlighted, false);
    auto* other = new QLineEdit(&window);
    panel->setGeometry(0, 0, 600, 300);
    other->setGeometry(0, 310, 100, 20);
    window.resize(600, 340);
    window.show();
    window.activateWindow();
    panel->lstRecords->setLines({QStringLiteral("Alfa")});
    panel->txtTrova->setFocus();
    QApplication::processEvents();

    QWidget* frame = panel->findChild<QWidget*>(QStringLiteral("effTrova"));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    QTest::keyClicks(panel->txtTrova, QStringLiteral("alfa"));
    QTest::keyClick(panel->txtTrova, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), panel->txtTrova);
    EXPECT_EQ(panel->lstRecords->selectedRow(), -1);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}
