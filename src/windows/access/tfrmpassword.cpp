#include "windows/access/tfrmpassword.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/access/password.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"
#include "windows/access/tfrmcambiapassword.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Orvelia - Accesso");
const QString kPrompt = QStringLiteral("Immetti la password e premi OK.");
const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadFailure =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "lettura della password. Si consiglia di reinstallare il software.");
} // namespace

TfrmPassword::TfrmPassword(WindowShell& shell)
    : NavigationWindow(shell, "TfrmPassword", kCaption) {
    keepFixedSize();

    auto* header =
        new BrandHeader(QStringLiteral("Orvelia"), QStringLiteral("Accesso al programma"), this, 78);
    lblRigo05 = new QLabel(kPrompt, this);
    lblRigo05->setObjectName("lblRigo05");
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setMinimumHeight(28);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setEnabled(false);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName("cmdEsci");
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName("btnCambiaPassword");
    btnCambiaPassword->setIcon(QIcon(iconPath(QStringLiteral("password"))));
    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), this);
    for (QPushButton* b : {cmdOK, cmdEsci, btnCambiaPassword}) {
        b->setMinimumHeight(30);
        b->setAutoDefault(false);
    }
    cmdOK->setMinimumWidth(90);
    cmdEsci->setMinimumWidth(90);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 20);
    body->setSpacing(10);
    body->addWidget(lblRigo05);
    body->addWidget(txtPassword);
    body->addSpacing(10);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    body->addLayout(buttons);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);
    EditBehaviour::of(txtPassword)->setFocusMark(FocusMark::Frame, QStringLiteral("effPassword"));
    txtPassword->installEventFilter(this);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    setFixedSize(440, 250);
}

void TfrmPassword::updateOK() {
    cmdOK->setEnabled(!trimText(txtPassword->text()).isEmpty());
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassword) {
        if (event->type() == QEvent::KeyRelease)
            updateOK();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!trimText(txtPassword->text()).isEmpty())
                    cmdOKClick();
                return true;
            }
        }
    }
    return NavigationWindow::eventFilter(watched, event);
}

void TfrmPassword::showEvent(QShowEvent* event) {
    NavigationWindow::showEvent(event);
    txtPassword->setFocus();
}

void TfrmPassword::resetForLogin() {
    txtPassword->clear();
    lblMemory->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdOKClick() {
    const StoredPassword stored = readStoredPassword(programFolder());
    if (!stored.ok()) {
        Platform::instance().plain(kReadFailure, this);
        return;
    }
    if (stored.password != passwordForComparison(txtPassword->text())) {
        Platform::instance().plain(kWrongPassword, this);
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    showInsteadOfThis(Screen::MainMenu);
}

void TfrmPassword::btnCambiaPasswordClick() {
    showInsteadOfThis(Screen::ChangePassword);
}

QWidget* TfrmPassword::closeHandler() {
    return nullptr;
}

} // namespace orvelia
