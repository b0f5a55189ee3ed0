#pragma once

#include "core/archive/layout.h"
#include "windows/common/toolwindow.h"

class QLineEdit;
class QPushButton;

namespace orvelia {

class ListPanel;
class ListView;

/**
 * The list of the contracts that have reached their notice period or have
 * expired, built when the window is shown; a double-click gives the chosen
 * worker through workerChosen.
 */
class TfrmDaRinnovare : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmDaRinnovare(QWidget* caller);

    ListPanel* panLista;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListView* lstRecords;
    QPushButton *btnStampa, *btnChiudi;

    void btnStampaClick();
    /// Gives the worker of the selected line and closes the window.
    void lstRecordsDblClick();

signals:
    /// The worker of the double-clicked line and its number in the archive.
    void workerChosen(const Record& worker, qint64 number);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildList();
};

} // namespace orvelia
