#pragma once

#include "windows/common/toolwindow.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace orvelia {

/// The calendar from which the work window takes the date of a work.
class TfrmCalendario : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* caller);

    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;

private:
    void btnImportaDataClick();
};

} // namespace orvelia
