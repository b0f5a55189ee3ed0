#include "windows/common/checkwindow.h"

#include <algorithm>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/archive/text.h"
#include "framework/appearance.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/common/windowparts.h"

namespace orvelia {

namespace {
const QString kControlla = QStringLiteral("Controlla");
const QString kChiudi = QStringLiteral("Chiudi");

constexpr int kFieldPointSize = 20;
// One width for the four windows, wide enough for the longest field.
constexpr int kMinimumWidth = 590;

MessageKind messageKind(CheckMessage kind) {
    return kind == CheckMessage::Information ? MessageKind::Information : MessageKind::Warning;
}
} // namespace

CheckWindow::CheckWindow(QWidget* caller, const Setup& setup)
    : ToolWindow(caller, setup.className, setup.caption) {
    auto* header = new BrandHeader(setup.title, setup.subtitle, this, 72);
    QHBoxLayout* promptRow = buildPrompt(setup);
    buildField(setup);
    QLabel* hint = roleLabel(QStringLiteral("lblSuggerimento"), setup.hint, theme::Role::Hint, this);
    QFrame* rule = ruleLine(this);
    const ButtonPair buttons = buttonPair(
        {QStringLiteral("btnControlla"), kControlla, QStringLiteral("btnChiudi"), kChiudi, QSize(110, 30)},
        this);
    btnControlla = buttons.confirm;
    btnChiudi = buttons.cancel;

    auto* body = new QVBoxLayout;
    body->setContentsMargins(26, 18, 26, 18);
    body->setSpacing(8);
    body->addLayout(promptRow);
    body->addSpacing(4);
    body->addWidget(m_field);
    body->addWidget(hint);
    body->addSpacing(6);
    body->addWidget(rule);
    body->addSpacing(2);
    body->addLayout(buttons.row);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body);
    setMinimumWidth(kMinimumWidth);

    setTabOrder(m_field, btnControlla);
    setTabOrder(btnControlla, btnChiudi);
    EditBehaviour::of(m_field)->setEnterTarget(btnControlla).setFocusMark(FocusMark::Frame, setup.frameName);
    m_field->installEventFilter(this);

    connect(btnControlla, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

QHBoxLayout* CheckWindow::buildPrompt(const Setup& setup) {
    auto* picture = new ClickablePicture(QStringLiteral("imgIcona"), iconPath(setup.icon), this);
    picture->setDecorative(true);
    picture->setFixedSize(40, 40);
    QLabel* prompt = roleLabel(QStringLiteral("lblIstruzioni"), setup.prompt, theme::Role::Heading, this);
    auto* promptRow = new QHBoxLayout;
    promptRow->setSpacing(12);
    promptRow->addWidget(picture, 0, Qt::AlignTop);
    promptRow->addWidget(prompt, 1);
    return promptRow;
}

void CheckWindow::buildField(const Setup& setup) {
    m_field = new QLineEdit(this);
    m_field->setObjectName(setup.fieldName);
    // The number passed by the caller is shown whole, to be judged whole; typing stops at the length.
    EditBehaviour::of(m_field)->setMaxTyped(setup.maxLength);
    QFont fixed(QString::fromLatin1(kFontFixed), kFieldPointSize);
    fixed.setBold(true);
    fixed.setStyleHint(QFont::Monospace);
    m_field->setFont(fixed);
    theme::setRole(m_field, theme::Role::CheckField);
    // Room for every character the field takes, and a little more for the caret.
    const QFontMetrics metrics(fixed);
    m_field->setMinimumWidth(metrics.horizontalAdvance(QString(setup.maxLength + 1, u'W')) + 20);
    m_field->setMinimumHeight(metrics.height() + 14);
}

void CheckWindow::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    m_field->setFocus();
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyRelease && m_upperOnRelease) {
        const QString text = m_field->text();
        const QString upper = upperAscii(trimText(text));
        if (upper != text) {
            // Keep the caret where it was relative to the text that stays.
            qsizetype lead = 0;
            while (lead < text.size() && text.at(lead).unicode() <= 32)
                ++lead;
            const int cursor = int(qBound<qsizetype>(0, m_field->cursorPosition() - lead, upper.size()));
            m_field->setText(upper);
            m_field->setCursorPosition(cursor);
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void CheckWindow::btnControllaClick() {
    const CheckResult result = check(m_field->text());
    Platform::instance().message(messageKind(result.kind), result.text, this);
    if (result.closesWindow)
        accept();
    else
        m_field->setFocus();
}

} // namespace orvelia
