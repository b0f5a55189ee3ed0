#include "windows/checks/tfrmiban.h"

#include <QLineEdit>

#include "core/checks/iban.h"
#include "framework/editing.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Controllo IBAN");
const QString kTitle = QStringLiteral("IBAN");
const QString kSubtitle = QStringLiteral("Verifica delle cifre di controllo internazionali");
const QString kPrompt = QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo.");
const QString kHint = QStringLiteral("27 caratteri alfanumerici, la lunghezza di un IBAN italiano.");
} // namespace

TfrmIban::TfrmIban(QWidget* caller)
    : CheckWindow(caller, {"TfrmIban", kCaption, kTitle, kSubtitle, QStringLiteral("iban"), kPrompt, kHint,
                           QStringLiteral("txtIban"), QStringLiteral("effIban"), kIbanLength}) {
    txtIban = field();
    EditBehaviour::of(txtIban)->setTextCase(TextCase::UpperOnChange);
    upperCaseOnKeyRelease();
}

CheckResult TfrmIban::check(const QString& text) const {
    return checkIban(text);
}

} // namespace orvelia
