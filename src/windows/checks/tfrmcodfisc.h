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

} // namespace orvelia
