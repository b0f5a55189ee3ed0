#pragma once

#include "core/archive/layout.h"
#include "windows/common/listwindow.h"

namespace orvelia {

/// The list of the records of the year file it is opened on whose work was left incomplete; a
/// double-click gives the record through workChosen.
class TfrmLavIncompleti : public ListWindow {
    Q_OBJECT
public:
    TfrmLavIncompleti(QWidget* caller, const QString& yearFile);

signals:
    /// The record of the double-clicked line and its number in the year file.
    void workChosen(const Record& work, qint64 number);

protected:
    void opening() override;
    /// Gives the record of the line.
    void lineChosen(int row, const QString& line) override;

private:
    QString m_yearFile;
};

} // namespace orvelia
