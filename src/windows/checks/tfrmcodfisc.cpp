#include "windows/checks/tfrmcodfisc.h"

#include <QLineEdit>

#include "core/checks/codicefiscale.h"
#include "framework/editing.h"

namespace orvelia {

namespace {
const QString kCaption = QStringLiteral(" Controllo codice fiscale");
const QString kTitle = QStringLiteral("Codice fiscale");
const QString kSubtitle = QStringLiteral("Verifica del carattere di controllo");
const QString kPrompt = QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo.");
const QString kHint = QStringLiteral("16 caratteri alfanumerici: l'ultimo è il carattere di controllo.");
} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* caller)
    : CheckWindow(caller,
                  {"TfrmCodFisc", kCaption, kTitle, kSubtitle, QStringLiteral("codfisc"), kPrompt, kHint,
                   QStringLiteral("txtCodFisc"), QStringLiteral("effCodFisc"), kCodiceFiscaleLength}) {
    txtCodFisc = field();
    EditBehaviour::of(txtCodFisc)->setTextCase(TextCase::UpperOnChange);
    upperCaseOnKeyRelease();
}

CheckResult TfrmCodFisc::check(const QString& text) const {
    return checkCodiceFiscale(text);
}

} // namespace orvelia
