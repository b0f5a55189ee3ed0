#pragma once

#include "windows/common/checkwindow.h"

namespace orvelia {

/// Runs the Luhn test on a payment-card number and names its network.
class TfrmCarta : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* caller);

    QLineEdit* txtNumero;

protected:
    CheckResult check(const QString& text) const override;
};

} // namespace orvelia
