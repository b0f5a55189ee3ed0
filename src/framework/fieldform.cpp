#include "framework/fieldform.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "framework/theme.h"

namespace orvelia {

FieldForm::FieldForm(const RecordLayout& layout, FocusMark mark, int moneyDecimals, QObject* parent)
    : QObject(parent)
    , m_layout(&layout)
    , m_mark(mark)
    , m_moneyDecimals(moneyDecimals) {}

QWidget* FieldForm::add(const FieldDef& def, QWidget* parent, const QStringList& choices) {
    const FieldSpec& spec = m_layout->fields[std::size_t(def.field)];
    const QString name = QString::fromLatin1(spec.name);
    const int maxLength = def.maxLength > 0 ? def.maxLength : spec.capacity;

    QWidget* control = nullptr;
    QLineEdit* edit = nullptr;
    if (def.flags & Choice) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->addItems(choices);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setMaxVisibleItems(16);
        combo->setCurrentIndex(-1);
        combo->installEventFilter(this);
        edit = combo->lineEdit();
        control = combo;
    } else {
        edit = new QLineEdit(parent);
        control = edit;
    }
    control->setObjectName(QStringLiteral("txt") + name);
    if (def.flags & Centred)
        edit->setAlignment(Qt::AlignCenter);
    if (def.flags & RightAligned)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    EditBehaviour& behaviour = *EditBehaviour::of(control);
    behaviour.setMaxTyped(maxLength);
    if (def.flags & DigitsOnly)
        behaviour.setKeyFilter(KeyFilter::Digits);
    if (def.flags & Money)
        behaviour.setKeyFilter(KeyFilter::Money).setMoneyDecimals(m_moneyDecimals);
    if (def.flags & UpperTyped)
        behaviour.setTextCase(TextCase::UpperOnChange);
    if (def.flags & UpperOnRelease)
        behaviour.setTextCase(TextCase::UpperOnKeyRelease);
    if (def.flags & TrimTyped)
        behaviour.setTextCase(TextCase::TrimOnChange);
    if (def.flags & (ReadOnly | Result))
        edit->setReadOnly(true);
    if (def.flags & Result)
        theme::setRole(edit, theme::Role::Result);
    else
        behaviour.setFocusMark(m_mark, QStringLiteral("eff") + name);

    auto* label = new QLabel(QString::fromUtf8(def.label), parent);
    label->setObjectName(QStringLiteral("lbl") + name);
    label->setBuddy(control);
    if (def.flags & RedLabel)
        theme::setRole(label, theme::Role::Required);

    m_controls[def.field] = control;
    m_labels[def.field] = label;
    m_order.push_back(control);
    return control;
}

QWidget* FieldForm::control(int field) const {
    const auto it = m_controls.find(field);
    return it == m_controls.end() ? nullptr : it->second;
}

QLabel* FieldForm::label(int field) const {
    const auto it = m_labels.find(field);
    return it == m_labels.end() ? nullptr : it->second;
}

QString FieldForm::text(int field) const {
    QWidget* c = control(field);
    if (auto* edit = qobject_cast<QLineEdit*>(c))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(c))
        return combo->currentText();
    return QString();
}

void FieldForm::setText(int field, const QString& text) {
    QWidget* c = control(field);
    if (auto* edit = qobject_cast<QLineEdit*>(c))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(c))
        combo->setEditText(text);
}

void FieldForm::clearSelection(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QString shown = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(shown);
    }
}

void FieldForm::chainEnter() {
    orvelia::chainEnter(m_order);
}

void FieldForm::load(const Record& record) {
    for (const auto& [field, control] : m_controls)
        setText(field, record.at(field));
}

void FieldForm::store(Record& record) const {
    for (const auto& [field, control] : m_controls)
        record.at(field) = text(field);
}

bool FieldForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        clearSelection(qobject_cast<QWidget*>(watched));
    return false;
}

} // namespace orvelia
