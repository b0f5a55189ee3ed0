#pragma once

#include "windows/registry/tfrmstampaistruttore.h"

namespace orvelia {

class TfrmLavori;

/// The work sheet as laid out for the work window.
sheet::Form workSheetForm();
/// Fills @p sheet with the work record on the screen of @p work, saved or not.
void fillWorkSheet(sheet::Sheet& sheet, const TfrmLavori& work, const QDateTime& when);

/// Prints the work record shown in the work window as a one-page sheet.
class TfrmStampaLavoro : public SheetPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaLavoro(QWidget* caller);

    void fillSheet(const QDateTime& when) override;

protected:
    void output() override;

private:
    TfrmLavori* m_work;
};

} // namespace orvelia
