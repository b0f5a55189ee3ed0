#include "windows/checks/tfrmcarta.h"

#include <QLineEdit>

#include "core/checks/creditcard.h"
#include "framework/editing.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Controllo carta di credito");
const QString kTitle = QStringLiteral("Carta di credito");
const QString kSubtitle = QStringLiteral("Verifica del numero e riconoscimento del circuito");
const QString kPrompt =
    QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo.");
const QString kHint =
    QStringLiteral("Solo cifre: si verifica la cifra di controllo e si riconosce il circuito della carta.");
} // namespace

TfrmCarta::TfrmCarta(QWidget* caller)
    : CheckWindow(caller, {"TfrmCarta", kCaption, kTitle, kSubtitle, QStringLiteral("carta"), kPrompt, kHint,
                           QStringLiteral("txtNumero"), QStringLiteral("effNumero"), kCardNumberMaxLength}) {
    txtNumero = field();
    EditBehaviour::of(txtNumero)->setKeyFilter(KeyFilter::Digits).setTextCase(TextCase::UpperOnChange);
}

CheckResult TfrmCarta::check(const QString& text) const {
    return checkCreditCard(text);
}

} // namespace orvelia
