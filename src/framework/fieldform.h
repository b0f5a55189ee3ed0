#pragma once

#include <map>

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/archive/layout.h"
#include "framework/editing.h"

class QLabel;
class QWidget;

namespace orvelia {

/// How one field of a data window takes its input.
enum FieldFlag : unsigned {
    UpperTyped = 1u << 0,     ///< upper-cased and trimmed at each typed change
    UpperOnRelease = 1u << 1, ///< upper-cased and trimmed at each key release
    TrimTyped = 1u << 2,      ///< trimmed at each typed change (e-mail)
    DigitsOnly = 1u << 3,     ///< digits-only key filter
    Money = 1u << 4,          ///< money key filter and normalisation when the focus leaves
    Centred = 1u << 5,
    RightAligned = 1u << 6,
    RedLabel = 1u << 7,
    Choice = 1u << 8,   ///< an editable drop-down list; its selection is cleared when it gets the focus
    ReadOnly = 1u << 9, ///< cannot be typed into; marked on focus like the others
    Result = 1u << 10,  ///< a read-only result: beige with brown text, never marked
};

/// One row of a window's table of fields.
struct FieldDef {
    int field;         ///< index of the record field it shows
    const char* label; ///< the text of its label
    int maxLength;     ///< 0: the capacity of the field
    unsigned flags;
};

/**
 * Builds and serves the fields of a data window from its table: each control
 * is an edit box (or an editable drop-down list) named "txt" + the field name,
 * with its label, maximum length, key filter, text case, alignment and focus
 * mark ("eff" + the field name for the yellow frame); the Enter chain follows
 * the order in which the fields were added. Records move in and out whole.
 */
class FieldForm : public QObject {
    Q_OBJECT
public:
    FieldForm(const RecordLayout& layout, FocusMark mark, int moneyDecimals, QObject* parent);

    /// Creates the control and the label of @p def inside @p parent.
    QWidget* add(const FieldDef& def, QWidget* parent, const QStringList& choices = {});

    QWidget* control(int field) const;
    QLabel* label(int field) const;
    QString text(int field) const;
    void setText(int field, const QString& text);
    /// Empties a drop-down list's selection, keeping what it shows.
    static void clearSelection(QWidget* control);

    /// Enter moves through the fields in the order they were added, from the last back to the first.
    void chainEnter();
    /// Puts the texts of @p record into the controls (as they are stored: no normalisation).
    void load(const Record& record);
    /// Writes the texts of the controls into @p record, as typed.
    void store(Record& record) const;
    /// The controls in the order they were added.
    const std::vector<QWidget*>& controls() const { return m_order; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const RecordLayout* m_layout;
    FocusMark m_mark;
    int m_moneyDecimals;
    std::map<int, QWidget*> m_controls;
    std::map<int, QLabel*> m_labels;
    std::vector<QWidget*> m_order;
};

} // namespace orvelia
