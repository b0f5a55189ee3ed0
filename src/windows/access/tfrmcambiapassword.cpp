#include "windows/access/tfrmcambiapassword.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/access/password.h"
#include "core/archive/paths.h"
#include "core/archive/text.h"
#include "framework/editing.h"
#include "framework/platform.h"
#include "framework/widgets.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Cambia password");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
                   "reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeFailure =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(WindowShell& shell)
    : NavigationWindow(shell, "TfrmCambiaPassword", kCaption) {
    keepFixedSize();

    auto* header =
        new BrandHeader(QStringLiteral("Cambia password"),
                        QStringLiteral("La password vale per tutti gli utenti del programma"), this, 70);
    txtPasswordOld = passwordBox("txtPasswordOld", "effPasswordOld");
    txtPasswordNew = passwordBox("txtPasswordNew", "effPasswordNew");
    txtConferma = passwordBox("txtConferma", "effConferma");
    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName("cmdEsci");
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setEnabled(false);
    for (QPushButton* b : {cmdOK, cmdEsci}) {
        b->setMinimumSize(90, 30);
        b->setAutoDefault(false);
    }

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(12);
    form->addRow(QStringLiteral("Vecchia password:"), txtPasswordOld);
    form->addRow(QStringLiteral("Nuova password:"), txtPasswordNew);
    form->addRow(QStringLiteral("Conferma nuova password:"), txtConferma);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 20);
    body->addLayout(form);
    body->addSpacing(12);
    body->addLayout(buttons);
    QVBoxLayout* root = pageLayout(this);
    root->addWidget(header);
    root->addLayout(body);

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);
    chainEnter({txtPasswordOld, txtPasswordNew, txtConferma});

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(470, 262);
}

QLineEdit* TfrmCambiaPassword::passwordBox(const char* name, const char* frame) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEchoMode(QLineEdit::Password);
    box->setMinimumHeight(26);
    box->setMinimumWidth(220);
    EditBehaviour::of(box)->setFocusMark(FocusMark::Frame, QString::fromLatin1(frame));
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    return box;
}

void TfrmCambiaPassword::updateOK() {
    cmdOK->setEnabled(!trimText(txtPasswordOld->text()).isEmpty() &&
                      !trimText(txtPasswordNew->text()).isEmpty() &&
                      !trimText(txtConferma->text()).isEmpty());
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease &&
        (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma))
        updateOK();
    return NavigationWindow::eventFilter(watched, event);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    NavigationWindow::showEvent(event);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::cmdOKClick() {
    Platform& platform = Platform::instance();
    const StoredPassword stored = readStoredPassword(programFolder());
    if (!stored.ok()) {
        platform.plain(kChangeFailure, this);
        return;
    }
    if (stored.password != passwordForComparison(txtPasswordOld->text())) {
        platform.plain(kWrongOld, this);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (trimText(txtPasswordNew->text()) != trimText(txtConferma->text())) {
        platform.plain(kNotConfirmed, this);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    // A password the store could not give back as typed is refused before anything is written.
    if (const auto refusal = refusePassword(txtPasswordNew->text())) {
        platform.plain(*refusal, this);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    if (writeStoredPassword(programFolder(), txtPasswordNew->text()) != PasswordError::None) {
        platform.plain(kChangeFailure, this);
        return;
    }
    platform.plain(kChanged, this);
    close();
}

QWidget* TfrmCambiaPassword::closeHandler() {
    emit returningToLogin();
    return shell().window(Screen::Login);
}

} // namespace orvelia
