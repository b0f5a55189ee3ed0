#pragma once

#include "windows/common/exportwindow.h"

namespace orvelia {

/// Exports the worker archive to the spreadsheet Anagrafica_Lavoratori.xls.
class TfrmExpIstruttori : public ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpIstruttori(QWidget* caller);
};

} // namespace orvelia
