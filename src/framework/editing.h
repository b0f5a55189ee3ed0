#pragma once

#include <QHash>
#include <QSet>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;

namespace orvelia {

/// Marks a widget that only lays out a box with the pictures beside it, with no room around them:
/// the focus frame of such a box is drawn on the panel beneath, where it has room.
inline constexpr const char* kRowHolderProperty = "orveliaRowHolder";

/// Which keys may reach an edit box.
enum class KeyFilter {
    None,
    Digits, ///< Backspace, Delete, Left, Right and the digits 0-9
    Money,  ///< the same and ','
};

/// How a box rewrites what the user types.
enum class TextCase {
    AsTyped,
    UpperOnChange,     ///< trimmed and a-z upper-cased at each typed change
    UpperOnKeyRelease, ///< the same at each key release
    TrimOnChange,      ///< only trimmed at each typed change (e-mail addresses)
};

/// How the focused box is marked.
enum class FocusMark {
    None,
    Frame,      ///< a yellow rectangle behind the box, shown while it has the focus
    Background, ///< yellow background while focused, alice blue after, sky-blue border
};

/**
 * The shared behaviour of one edit box (or any other control of an Enter chain):
 * the Enter key moves the focus along the chain, then the key filter decides
 * which keys reach the box; whatever the user puts in (typed, pasted, dropped)
 * passes the same filter and the length limit, while text the program puts in
 * is shown whole; typed text is rewritten by its TextCase; a money box is
 * normalised when the focus leaves it; the focus is marked.
 * Owned by the widget it serves.
 */
class EditBehaviour : public QObject {
    Q_OBJECT
public:
    /// The behaviour of @p widget, created on first use.
    static EditBehaviour* of(QWidget* widget);

    EditBehaviour& setKeyFilter(KeyFilter filter);
    /**
     * The most characters the user may bring the box to, typing, pasting or dropping. Unlike
     * QLineEdit::setMaxLength it never cuts a text the program puts in: a longer stored value
     * is shown whole and may only be shortened.
     */
    EditBehaviour& setMaxTyped(int length);
    EditBehaviour& setTextCase(TextCase textCase);
    /// Normalises the text as money with @p decimals places whenever the focus leaves the box.
    EditBehaviour& setMoneyDecimals(int decimals);
    /// Enter moves the focus to @p next (nothing: Enter does what the widget does by itself).
    EditBehaviour& setEnterTarget(QWidget* next);
    /// Marks the box while it has the focus. Frame creates the frame widget @p frameName beside the box.
    EditBehaviour& setFocusMark(FocusMark mark, const QString& frameName = QString());
    /// Tab and Shift+Tab are swallowed too: the focus leaves the box only by Enter or the mouse.
    EditBehaviour& setSwallowTab(bool swallow);

    KeyFilter keyFilter() const { return m_filter; }
    int maxTyped() const { return m_maxTyped; }
    QWidget* enterTarget() const { return m_enterTarget; }
    QWidget* focusFrame() const { return m_frame; }

    /**
     * Applies to the box that has the focus what leaving it would apply (the money
     * normalisation), so that a command run while it has the focus, such as Save, reads what the
     * screen then shows.
     */
    static void settleFocusedBox();

    /// True when @p key (with its @p text) passes @p filter.
    static bool passes(KeyFilter filter, int key, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EditBehaviour(QWidget* widget);
    void guardEdit();
    void settle();
    void rewriteTyped(TextCase when);
    void markFocus(bool focused);
    void placeFrame();

    QWidget* m_widget;
    QLineEdit* m_edit; // null for controls that are not edit boxes
    KeyFilter m_filter = KeyFilter::None;
    int m_maxTyped = -1;
    QString m_before; // the text before the user's latest change
    bool m_keyDown = false;
    TextCase m_case = TextCase::AsTyped;
    int m_moneyDecimals = -1;
    bool m_swallowTab = false;
    QPointer<QWidget> m_enterTarget;
    FocusMark m_mark = FocusMark::None;
    QPointer<QWidget> m_frame;
};

/// Enter in each control moves the focus to the next; from the last back to the first.
void chainEnter(const std::vector<QWidget*>& chain);

/// The yellow rectangle drawn behind a focused edit box.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

/**
 * The status line of a window: its standing text when the window opens, the
 * description of a command while the mouse is over it, empty over the
 * background and the panels. It never goes back to the standing text by itself.
 */
class StatusLine : public QObject {
    Q_OBJECT
public:
    StatusLine(QLabel* panInfo, QString standingText);

    /// Shows the standing text (call when the window opens).
    void showStanding();
    /// Shows @p text while the mouse is over @p command.
    void describe(QWidget* command, const QString& text);
    /// Empties the line when the mouse moves over @p area itself (the background or a panel);
    /// fields and labels inside it leave the line as it is.
    void clearOver(QWidget* area);

    QLabel* label() const { return m_label; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& text);

    QLabel* m_label;
    QString m_standing;
    QHash<QObject*, QString> m_descriptions;
    QSet<QObject*> m_areas;
};

} // namespace orvelia
