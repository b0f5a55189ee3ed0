#pragma once

#include "windows/common/exportwindow.h"

namespace orvelia {

/// Exports the year of the work register open in the work window to the spreadsheet Lavori.xls.
class TfrmExpLavori : public ExportWindow {
    Q_OBJECT
public:
    /// @p caller is the work window, whose lblFile names the year file.
    TfrmExpLavori(QWidget* caller, const QString& yearFile);
};

} // namespace orvelia
