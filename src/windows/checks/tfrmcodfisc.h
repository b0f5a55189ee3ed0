#pragma once

#include "windows/common/checkwindow.h"

namespace orvelia {

/// Recomputes the check character of a codice fiscale.
class TfrmCodFisc : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* caller);

    QLineEdit* txtCodFisc;

protected:
    CheckResult check(const QString& text) const override;
};

/// The check for a codice fiscale box: a text of digits only is a partita IVA and
/// goes to its check, anything else (also nothing) to the codice fiscale check.
void openCodFiscCheck(QWidget* caller, const QString& text);

} // namespace orvelia
