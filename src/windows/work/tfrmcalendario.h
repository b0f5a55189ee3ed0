#pragma once

#include "windows/common/toolwindow.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace orvelia {

/// The calendar from which the work window takes the date of a work: Importa gives the chosen
/// day through dateChosen, under the caller tag "lavori_data" only.
class TfrmCalendario : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* caller);

    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
    QLabel* lblMemory;

signals:
    /// The chosen day as "dd/mm/yyyy".
    void dateChosen(const QString& date);

private:
    void btnImportaDataClick();
};

} // namespace orvelia
