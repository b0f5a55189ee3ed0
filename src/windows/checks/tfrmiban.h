#pragma once

#include "windows/common/checkwindow.h"

namespace orvelia {

/// Recomputes the check digits of a 27-character IBAN.
class TfrmIban : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* caller);

    QLineEdit* txtIban;

protected:
    CheckResult check(const QString& text) const override;
};

} // namespace orvelia
