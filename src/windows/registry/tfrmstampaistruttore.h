#pragma once

#include "windows/common/sheetwindow.h"

namespace orvelia {

/// The worker sheet as laid out for printing and preview.
sheet::Form employeeSheetForm();

/// Prints the worker sheet of the worker shown in the registry window.
class TfrmStampaIstruttore : public SheetPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaIstruttore(QWidget* caller);

protected:
    void output() override;
};

} // namespace orvelia
