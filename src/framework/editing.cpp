#include "framework/editing.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "framework/theme.h"
#include "core/archive/numbers.h"
#include "core/archive/text.h"

namespace orvelia {

namespace {
constexpr int kFrameMargin = 3;
const char* const kBehaviourProperty = "orveliaEditBehaviour";
} // namespace

namespace {
// The edit box of a control: the box itself, or the one inside an editable drop-down list.
QLineEdit* editOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return nullptr;
}
} // namespace

EditBehaviour::EditBehaviour(QWidget* widget)
    : QObject(widget)
    , m_widget(widget)
    , m_edit(editOf(widget)) {
    widget->installEventFilter(this);
    if (!m_edit)
        return;
    m_before = m_edit->text();
    // textEdited comes before textChanged, and only for what the user did: m_before still holds
    // the text before the change when the change is checked.
    connect(m_edit, &QLineEdit::textEdited, this, [this] {
        guardEdit();
        // A box rewritten at each key release rewrites at once what came without a key (dropped,
        // pasted with the middle button).
        if (m_case == TextCase::UpperOnChange || m_case == TextCase::TrimOnChange ||
            (m_case == TextCase::UpperOnKeyRelease && !m_keyDown))
            rewriteTyped(m_case);
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
}

EditBehaviour* EditBehaviour::of(QWidget* widget) {
    if (auto* existing = widget->property(kBehaviourProperty).value<EditBehaviour*>())
        return existing;
    auto* behaviour = new EditBehaviour(widget);
    widget->setProperty(kBehaviourProperty, QVariant::fromValue(behaviour));
    return behaviour;
}

EditBehaviour& EditBehaviour::setKeyFilter(KeyFilter filter) {
    m_filter = filter;
    // Paste from the context menu would go round the filter.
    if (m_edit && filter != KeyFilter::None)
        m_edit->setContextMenuPolicy(Qt::NoContextMenu);
    return *this;
}

EditBehaviour& EditBehaviour::setMaxTyped(int length) {
    m_maxTyped = length;
    return *this;
}

EditBehaviour& EditBehaviour::setTextCase(TextCase textCase) {
    m_case = textCase;
    return *this;
}

EditBehaviour& EditBehaviour::setMoneyDecimals(int decimals) {
    m_moneyDecimals = decimals;
    return *this;
}

EditBehaviour& EditBehaviour::setSwallowTab(bool swallow) {
    m_swallowTab = swallow;
    return *this;
}

EditBehaviour& EditBehaviour::setEnterTarget(QWidget* next) {
    m_enterTarget = next;
    return *this;
}

EditBehaviour& EditBehaviour::setFocusMark(FocusMark mark, const QString& frameName) {
    m_mark = mark;
    if (mark == FocusMark::Frame && !m_frame && m_widget->parentWidget()) {
        QWidget* host = m_widget->parentWidget();
        if (host->property(kRowHolderProperty).toBool() && host->parentWidget()) {
            // The row moves within the panel without the box moving within the row.
            host->installEventFilter(this);
            host = host->parentWidget();
        }
        auto* frame = new FocusFrame(host);
        frame->setObjectName(frameName);
        frame->hide();
        m_frame = frame;
        placeFrame();
    }
    if (mark == FocusMark::Background && m_edit)
        theme::setRole(m_edit, theme::Role::WorkBox);
    markFocus(m_widget->hasFocus());
    return *this;
}

bool EditBehaviour::passes(KeyFilter filter, int key, const QString& text) {
    if (filter == KeyFilter::None)
        return true;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        break;
    }
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    return (c >= u'0' && c <= u'9') || (filter == KeyFilter::Money && c == u',');
}

bool EditBehaviour::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            placeFrame();
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        m_keyDown = true;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && m_enterTarget) {
            m_enterTarget->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Tab and Shift+Tab move the focus; they are not typing.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return m_swallowTab;
        if (enter)
            return false;
        return !passes(m_filter, key->key(), key->text());
    }
    case QEvent::ShortcutOverride: {
        // Keep editing shortcuts (paste, cut, undo) away from filtered boxes.
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_filter != KeyFilter::None && key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease:
        m_keyDown = false;
        if (m_case == TextCase::UpperOnKeyRelease)
            rewriteTyped(m_case);
        return false;
    case QEvent::FocusIn:
        markFocus(true);
        return false;
    case QEvent::FocusOut:
        markFocus(false);
        settle();
        return false;
    case QEvent::Move:
    case QEvent::Resize:
        placeFrame();
        return false;
    case QEvent::Hide:
        if (m_frame)
            m_frame->hide();
        return false;
    default:
        return false;
    }
}

void EditBehaviour::settle() {
    if (m_edit && m_moneyDecimals >= 0)
        m_edit->setText(normalizeMoney(m_edit->text(), m_moneyDecimals));
}

void EditBehaviour::settleFocusedBox() {
    // The behaviour sits on the control: the box itself, or the drop-down list around it.
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* behaviour = w->property(kBehaviourProperty).value<EditBehaviour*>()) {
            behaviour->settle();
            return;
        }
        if (w->isWindow())
            return;
    }
}

void EditBehaviour::guardEdit() {
    if (m_filter == KeyFilter::None && m_maxTyped < 0)
        return;
    const QString now = m_edit->text();
    // What the user put in lies between the beginning and the end both texts share.
    qsizetype head = 0;
    while (head < now.size() && head < m_before.size() && now.at(head) == m_before.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < now.size() - head && tail < m_before.size() - head &&
           now.at(now.size() - 1 - tail) == m_before.at(m_before.size() - 1 - tail))
        ++tail;
    const QString added = now.mid(head, now.size() - head - tail);
    QString allowed;
    for (const QChar c : added)
        if (passes(m_filter, 0, QString(c)))
            allowed += c;
    if (m_maxTyped >= 0)
        allowed.truncate(std::max<qsizetype>(0, m_maxTyped - head - tail));
    if (allowed == added)
        return;
    m_edit->setText(now.left(head) + allowed + now.right(tail));
    m_edit->setCursorPosition(int(head + allowed.size()));
}

void EditBehaviour::rewriteTyped(TextCase when) {
    if (!m_edit)
        return;
    const QString text = m_edit->text();
    QString trimmed = trimText(text);
    if (when != TextCase::TrimOnChange)
        trimmed = upperAscii(trimmed);
    if (trimmed == text)
        return;
    // Keep the caret where it was relative to the text that stays.
    qsizetype lead = 0;
    while (lead < text.size() && text.at(lead).unicode() <= 32)
        ++lead;
    const int cursor = int(qBound<qsizetype>(0, m_edit->cursorPosition() - lead, trimmed.size()));
    m_edit->setText(trimmed);
    m_edit->setCursorPosition(cursor);
}

void EditBehaviour::markFocus(bool focused) {
    switch (m_mark) {
    case FocusMark::None:
        break;
    case FocusMark::Frame:
        if (m_frame) {
            placeFrame();
            m_frame->setVisible(focused && m_widget->isVisible());
        }
        break;
    case FocusMark::Background:
        if (m_edit)
            theme::setRole(m_edit, focused ? theme::Role::WorkBoxFocus : theme::Role::WorkBox);
        break;
    }
}

void EditBehaviour::placeFrame() {
    if (!m_frame)
        return;
    QWidget* host = m_frame->parentWidget();
    QRect box = m_widget->geometry();
    box.moveTopLeft(m_widget->parentWidget()->mapTo(host, box.topLeft()));
    m_frame->setGeometry(box.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin));
    // Beneath the box, or beneath the row that holds it.
    QWidget* sibling = m_widget;
    while (sibling->parentWidget() != host)
        sibling = sibling->parentWidget();
    m_frame->stackUnder(sibling);
}

void chainEnter(const std::vector<QWidget*>& chain) {
    for (std::size_t i = 0; i < chain.size(); ++i)
        EditBehaviour::of(chain[i])->setEnterTarget(chain[(i + 1) % chain.size()]);
}

FocusFrame::FocusFrame(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient edge(r.topLeft(), r.bottomLeft());
    edge.setColorAt(0, colours::kMarkEdge);
    edge.setColorAt(1, colours::kWhite);
    p.setPen(QPen(QBrush(edge), 1.5));
    p.setBrush(colours::kMarkFill);
    p.drawRoundedRect(r, 3, 3);
}

StatusLine::StatusLine(QLabel* panInfo, QString standingText)
    : QObject(panInfo)
    , m_label(panInfo)
    , m_standing(std::move(standingText)) {
    m_label->setText(m_standing);
}

void StatusLine::showStanding() {
    m_label->setText(m_standing);
}

void StatusLine::describe(QWidget* command, const QString& text) {
    m_descriptions.insert(command, text);
    command->setAttribute(Qt::WA_Hover);
    command->installEventFilter(this);
}

void StatusLine::clearOver(QWidget* area) {
    m_areas.insert(area);
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::Enter && type != QEvent::MouseMove && type != QEvent::HoverMove)
        return false;
    if (m_descriptions.contains(watched)) {
        show(m_descriptions.value(watched));
        return false;
    }
    // A window that appears under a resting mouse is not the mouse moving over it.
    if (type == QEvent::Enter)
        return false;
    // Over an area: what lies under the mouse decides. Background or a panel
    // empties the line, a command describes itself, a field or a label leaves it.
    auto* area = static_cast<QWidget*>(watched);
    QPoint pos;
    if (type == QEvent::MouseMove)
        pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    else
        pos = static_cast<QHoverEvent*>(event)->position().toPoint();
    QWidget* under = area->childAt(pos);
    for (QWidget* w = under; w && w != area; w = w->parentWidget()) {
        if (m_descriptions.contains(w)) {
            show(m_descriptions.value(w));
            return false;
        }
    }
    if (under && !m_areas.contains(under))
        return false;
    show(QString());
    return false;
}

void StatusLine::show(const QString& text) {
    if (m_label->text() != text)
        m_label->setText(text);
}

} // namespace orvelia
