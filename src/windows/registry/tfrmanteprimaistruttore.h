#pragma once

#include "windows/registry/tfrmstampaistruttore.h"

namespace orvelia {

/// Shows the employee sheet of the worker in the registry window in the print preview.
class TfrmAnteprimaIstruttore : public SheetPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaIstruttore(QWidget* caller);

protected:
    void output() override;
};

} // namespace orvelia
