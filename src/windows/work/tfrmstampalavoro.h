#pragma once

#include "windows/common/sheetwindow.h"

namespace orvelia {

/// The work sheet as laid out for printing.
sheet::Form workSheetForm();

/// Prints the work record shown in the work window as a one-page sheet.
class TfrmStampaLavoro : public SheetPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaLavoro(QWidget* caller);

protected:
    void output() override;
};

} // namespace orvelia
