#pragma once

#include "core/archive/layout.h"
#include "windows/common/listwindow.h"

class QSpinBox;

namespace orvelia {

/**
 * The identity documents that have expired or expire within the days in spnGiorni (remembered
 * in the settings file), built when the window is shown and again when the days change; a
 * double-click gives the chosen worker through workerChosen.
 */
class TfrmDocumentiScadenza : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmDocumentiScadenza(QWidget* caller);

    QSpinBox* spnGiorni;

signals:
    /// The worker of the double-clicked line and its number in the archive.
    void workerChosen(const Record& worker, qint64 number);

protected:
    void opening() override;
    /// Gives the worker of the line.
    void lineChosen(int row, const QString& line) override;

private:
    void list();
};

} // namespace orvelia
