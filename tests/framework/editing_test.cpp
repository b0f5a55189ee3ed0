#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "framework/editing.h"
#include "support/fake_platform.h"
#include "support/keys.h"
#include "support/looks.h"
#include "support/printers.h"

using namespace orvelia;

namespace {

// A small data window: three boxes in an Enter chain and a status line.
class EditWindow : public QWidget {
public:
    EditWindow() {
        setObjectName("frmProva");
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(20, 20, 20, 20);
        layout->setSpacing(12);
        for (auto [edit, name] : {std::pair{&txtCodice, "txtCodice"}, std::pair{&txtImporto, "txtImporto"},
                                  std::pair{&txtNote, "txtNote"}}) {
            *edit = new QLineEdit(this);
            (*edit)->setObjectName(name);
            layout->addWidget(*edit);
        }
        cmdSalva = new QPushButton(QStringLiteral("Salva"), this);
        cmdSalva->setObjectName("cmdSalva");
        layout->addWidget(cmdSalva);
        panInfo = new QLabel(this);
        panInfo->setObjectName("panInfo");
        layout->addWidget(panInfo);
        resize(320, 240);
    }
    QLineEdit* txtCodice;
    QLineEdit* txtImporto;
    QLineEdit* txtNote;
    QPushButton* cmdSalva;
    QLabel* panInfo;
};

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    void focus(QWidget* widget) {
        widget->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(widget->hasFocus());
    }
    EditWindow w;
};

} // namespace

TEST_F(EditingTest, DigitsFilterLetsOnlyDigitsAndEditingKeysThrough) {
    EditBehaviour::of(w.txtCodice)->setKeyFilter(KeyFilter::Digits);
    focus(w.txtCodice);
    QTest::keyClicks(w.txtCodice, "1a2-3. 4,");
    EXPECT_EQ(w.txtCodice->text(), "1234");
    QTest::keyClick(w.txtCodice, Qt::Key_Left);
    QTest::keyClick(w.txtCodice, Qt::Key_Left);
    QTest::keyClick(w.txtCodice, Qt::Key_Backspace); // removes the 2
    EXPECT_EQ(w.txtCodice->text(), "134");
    QTest::keyClick(w.txtCodice, Qt::Key_Delete); // removes the 3
    EXPECT_EQ(w.txtCodice->text(), "14");
    QTest::keyClick(w.txtCodice, Qt::Key_Right);
    QTest::keyClicks(w.txtCodice, "9");
    EXPECT_EQ(w.txtCodice->text(), "149");
    // Home and pasting are not among the keys that pass.
    QTest::keyClick(w.txtCodice, Qt::Key_Home);
    QTest::keyClicks(w.txtCodice, "0");
    EXPECT_EQ(w.txtCodice->text(), "1490");
    QTest::keyClick(w.txtCodice, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.txtCodice->text(), "1490");
}

TEST_F(EditingTest, KeyFilterTable) {
    struct Case {
        KeyFilter filter;
        int key;
        const char* text;
        bool passes;
    };
    const Case cases[] = {
        {KeyFilter::Digits, Qt::Key_5, "5", true},          {KeyFilter::Digits, Qt::Key_Comma, ",", false},
        {KeyFilter::Money, Qt::Key_Comma, ",", true},       {KeyFilter::Money, Qt::Key_Period, ".", false},
        {KeyFilter::Money, Qt::Key_Minus, "-", false},      {KeyFilter::Digits, Qt::Key_Space, " ", false},
        {KeyFilter::Digits, Qt::Key_Backspace, "\b", true}, {KeyFilter::Money, Qt::Key_Delete, "", true},
        {KeyFilter::Digits, Qt::Key_Right, "", true},       {KeyFilter::Digits, Qt::Key_Up, "", false},
        {KeyFilter::Digits, Qt::Key_End, "", false},        {KeyFilter::None, Qt::Key_A, "a", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EditBehaviour::passes(c.filter, c.key, QString::fromLatin1(c.text)), c.passes);
    }
}

TEST_F(EditingTest, MoneyBoxIsNormalisedWhenTheFocusLeaves) {
    EditBehaviour::of(w.txtImporto)->setKeyFilter(KeyFilter::Money).setMoneyDecimals(2);
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"", "0,00"}, Case{"5", "5,00"}, Case{"5,5", "5,50"}, Case{"12,3,4", "0,00"},
                          Case{"007", "7,00"}, Case{"3,456", "3,46"}}) {
        SCOPED_TRACE(c.typed);
        focus(w.txtImporto);
        w.txtImporto->clear();
        QTest::keyClicks(w.txtImporto, c.typed);
        EXPECT_EQ(w.txtImporto->text(), c.typed); // nothing changes while typing
        QTest::keyClick(w.txtImporto, Qt::Key_Tab);
        EXPECT_FALSE(w.txtImporto->hasFocus());
        EXPECT_EQ(w.txtImporto->text(), c.shown);
    }
}

TEST_F(EditingTest, EnterMovesAlongTheChainAndWrapsAround) {
    EditBehaviour::of(w.txtImporto)->setKeyFilter(KeyFilter::Money).setMoneyDecimals(4);
    chainEnter({w.txtCodice, w.txtImporto, w.txtNote});
    focus(w.txtCodice);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtImporto);
    QTest::keyClicks(w.txtImporto, "3,1");
    // Enter is handled before the money filter, which would discard it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), w.txtNote);
    EXPECT_EQ(w.txtImporto->text(), "3,10");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtCodice);
}

TEST_F(EditingTest, EnterTowardsAButtonDoesNotPressIt) {
    int pressed = 0;
    QObject::connect(w.cmdSalva, &QPushButton::clicked, [&] { ++pressed; });
    EditBehaviour::of(w.txtNote)->setEnterTarget(w.cmdSalva);
    focus(w.txtNote);
    QTest::keyClick(w.txtNote, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.cmdSalva);
    EXPECT_EQ(pressed, 0);
}

TEST_F(EditingTest, CodeBoxesAreUpperCasedAndTrimmedAsTyped) {
    EditBehaviour::of(w.txtCodice)->setTextCase(TextCase::UpperOnChange);
    EditBehaviour::of(w.txtNote)->setTextCase(TextCase::UpperOnKeyRelease);
    EditBehaviour::of(w.txtImporto)->setTextCase(TextCase::TrimOnChange);
    focus(w.txtCodice);
    test::typeText(w.txtCodice, QStringLiteral(" rssmrè1"));
    EXPECT_EQ(w.txtCodice->text(), QStringLiteral("RSSMRè1"));
    // The caret stays where the user was typing.
    QTest::keyClick(w.txtCodice, Qt::Key_Left);
    QTest::keyClicks(w.txtCodice, "x");
    EXPECT_EQ(w.txtCodice->text(), QStringLiteral("RSSMRèX1"));

    focus(w.txtNote);
    QTest::keyClicks(w.txtNote, "mi");
    EXPECT_EQ(w.txtNote->text(), "MI");

    focus(w.txtImporto);
    QTest::keyClicks(w.txtImporto, " Mario.Rossi@Example.it ");
    EXPECT_EQ(w.txtImporto->text(), "Mario.Rossi@Example.it");

    // Text set by the program is shown as it is.
    w.txtCodice->setText(QStringLiteral(" abc "));
    EXPECT_EQ(w.txtCodice->text(), " abc ");
}

TEST_F(EditingTest, FocusFrameIsShownOnlyWhileTheBoxHasTheFocus) {
    focus(w.txtNote);
    EditBehaviour::of(w.txtCodice)->setFocusMark(FocusMark::Frame, "effCodice");
    auto* frame = w.findChild<QWidget*>("effCodice");
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisible());
    focus(w.txtCodice);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->geometry().contains(w.txtCodice->geometry()));
    EXPECT_NE(frame->geometry(), w.txtCodice->geometry());
    focus(w.txtNote);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(EditingTest, BackgroundMarkTurnsYellowThenAliceBlue) {
    EditBehaviour::of(w.txtNote)->setFocusMark(FocusMark::Background);
    EXPECT_EQ(test::groundOf(w.txtNote), QColor(0xF0, 0xF8, 0xFF));
    focus(w.txtNote);
    EXPECT_EQ(test::groundOf(w.txtNote), QColor(Qt::yellow));
    focus(w.txtCodice);
    EXPECT_EQ(test::groundOf(w.txtNote), QColor(0xF0, 0xF8, 0xFF));
}

TEST_F(EditingTest, StatusLineDescribesTheCommandUnderTheMouse) {
    StatusLine status(w.panInfo, QStringLiteral("Pronto per salvare una nuova scheda..."));
    status.describe(w.cmdSalva, QStringLiteral("Salva la scheda in archivio"));
    status.clearOver(&w);
    EXPECT_EQ(w.panInfo->text(), "Pronto per salvare una nuova scheda...");
    QTest::mouseMove(w.cmdSalva, w.cmdSalva->rect().center());
    QApplication::processEvents();
    EXPECT_EQ(w.panInfo->text(), "Salva la scheda in archivio");
    QTest::mouseMove(&w, QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_EQ(w.panInfo->text(), "");
    QTest::mouseMove(w.cmdSalva, w.cmdSalva->rect().center());
    QApplication::processEvents();
    EXPECT_EQ(w.panInfo->text(), "Salva la scheda in archivio");
    status.showStanding();
    EXPECT_EQ(w.panInfo->text(), "Pronto per salvare una nuova scheda...");
}

TEST_F(EditingTest, WhatTheUserPutsInPassesTheFilterAndTheLimitHoweverItGetsIn) {
    EditBehaviour::of(w.txtCodice)->setKeyFilter(KeyFilter::Digits).setMaxTyped(5);
    EditBehaviour::of(w.txtNote)->setMaxTyped(4);
    focus(w.txtCodice);

    // Pasted: only the digits, and no more than the box takes.
    QGuiApplication::clipboard()->setText(QStringLiteral("ABC-12"));
    w.txtCodice->paste();
    EXPECT_EQ(w.txtCodice->text(), "12");
    QGuiApplication::clipboard()->setText(QStringLiteral("3x4 5 6 7"));
    w.txtCodice->paste();
    EXPECT_EQ(w.txtCodice->text(), "12345");
    EXPECT_EQ(w.txtCodice->cursorPosition(), 5);

    // Dropped (or pasted with the middle button): the same rule.
    const auto drop = [](QLineEdit* box, const QString& text) {
        QMimeData dropped;
        dropped.setText(text);
        const QPoint at = box->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    };
    w.txtCodice->clear();
    drop(w.txtCodice, QStringLiteral("ABC-12"));
    EXPECT_EQ(w.txtCodice->text(), "12");

    // A box upper-cased at each key release upper-cases what is dropped at once.
    EditBehaviour::of(w.txtImporto)->setTextCase(TextCase::UpperOnKeyRelease);
    drop(w.txtImporto, QStringLiteral(" rm "));
    EXPECT_EQ(w.txtImporto->text(), "RM");

    // Typed into the middle: the characters past the limit are refused, the rest stays.
    focus(w.txtNote);
    QTest::keyClicks(w.txtNote, "abcdef");
    EXPECT_EQ(w.txtNote->text(), "abcd");
    QTest::keyClick(w.txtNote, Qt::Key_Home);
    QTest::keyClicks(w.txtNote, "X");
    EXPECT_EQ(w.txtNote->text(), "abcd");

    // Text the program puts in is shown whole; it may be shortened, never lengthened.
    w.txtNote->setText(QStringLiteral("12 rate da 1000,00 euro"));
    EXPECT_EQ(w.txtNote->text(), "12 rate da 1000,00 euro");
    w.txtNote->end(false);
    QTest::keyClicks(w.txtNote, "!");
    EXPECT_EQ(w.txtNote->text(), "12 rate da 1000,00 euro");
    QTest::keyClick(w.txtNote, Qt::Key_Backspace);
    EXPECT_EQ(w.txtNote->text(), "12 rate da 1000,00 eur");
    w.txtNote->selectAll();
    QTest::keyClicks(w.txtNote, "xyz");
    EXPECT_EQ(w.txtNote->text(), "xyz");
}
