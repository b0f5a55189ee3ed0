#pragma once

#include "windows/common/checkwindow.h"

namespace orvelia {

/// Recomputes the check digit of a partita IVA and names the VAT office that issued it.
class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* caller);

    QLineEdit* txtPartitaIva;

protected:
    CheckResult check(const QString& text) const override;
};

} // namespace orvelia
