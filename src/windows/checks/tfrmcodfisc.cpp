#include "windows/checks/tfrmcodfisc.h"

#include <algorithm>

#include <QLineEdit>

#include "core/archive/text.h"
#include "core/checks/codicefiscale.h"
#include "framework/editing.h"
#include "windows/checks/tfrmpartitaiva.h"

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

void openCodFiscCheck(QWidget* caller, const QString& text) {
    const QString value = trimText(text);
    const bool digitsOnly = !value.isEmpty() && std::all_of(value.begin(), value.end(),
                                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (digitsOnly)
        openCheck(caller, &TfrmPartitaIva::txtPartitaIva, value);
    else
        openCheck(caller, &TfrmCodFisc::txtCodFisc, value);
}

} // namespace orvelia
