#pragma once

#include "core/archive/layout.h"
#include "windows/common/listwindow.h"

namespace orvelia {

/**
 * The list of the contracts that have reached their notice period or have
 * expired, built when the window is shown; a double-click gives the chosen
 * worker through workerChosen.
 */
class TfrmDaRinnovare : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmDaRinnovare(QWidget* caller);

signals:
    /// The worker of the double-clicked line and its number in the archive.
    void workerChosen(const Record& worker, qint64 number);

protected:
    void opening() override;
    /// Gives the worker of the line.
    void lineChosen(int row, const QString& line) override;
};

} // namespace orvelia
