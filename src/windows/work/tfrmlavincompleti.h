#pragma once

#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ListPanel;
class ListView;

/// The list of the records of the open year whose work was left incomplete.
class TfrmLavIncompleti : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmLavIncompleti(QWidget* caller);

    ListPanel* panLista;
    ListView* lstRecords;
    QLineEdit* txtTrova;
    QPushButton *btnTrova, *btnStampa, *btnChiudi;

    void btnStampaClick();
    /// Loads the record of @p line into the work window and closes (a double-click on the list).
    void loadLine(int row, const QString& line);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString yearFile() const;
};

} // namespace orvelia
