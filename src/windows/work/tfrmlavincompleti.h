#pragma once

#include "core/archive/layout.h"
#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ListPanel;
class ListView;

/// The list of the records of the year file it is opened on whose work was left incomplete; a
/// double-click gives the record through workChosen.
class TfrmLavIncompleti : public ToolWindow {
    Q_OBJECT
public:
    TfrmLavIncompleti(QWidget* caller, const QString& yearFile);

    ListPanel* panLista;
    ListView* lstRecords;
    QLineEdit* txtTrova;
    QPushButton *btnTrova, *btnStampa, *btnChiudi;

    void btnStampaClick();
    /// Gives the record of @p line and closes (a double-click on the list).
    void loadLine(int row, const QString& line);

    void done(int result) override;

signals:
    /// The record of the double-clicked line and its number in the year file.
    void workChosen(const Record& work, qint64 number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_yearFile;
};

} // namespace orvelia
