#pragma once

#include <functional>

#include "core/archive/layout.h"
#include "windows/common/searchwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace orvelia {

class ListPanel;
class ListView;

/**
 * Takes a chosen work list line back to its record in @p yearFile: @p found is given every
 * record whose line equals it, with its number, so of identical lines the last one counts.
 * False when the file could not be read.
 */
bool findWorkOfLine(const QString& yearFile, const QString& line,
                    const std::function<void(const Record&, qint64)>& found);

/**
 * The work search: finds the records of the year file it is opened on by parts of ten of their
 * fields; a double-click gives the record through workChosen, under the caller tag "lavori".
 */
class TfrmTrovaLavori : public SearchWindow {
    Q_OBJECT
public:
    TfrmTrovaLavori(QWidget* caller, const QString& yearFile);

    QLineEdit *txtData, *txtLuogo, *txtAttivita, *txtPostazione, *txtCognome, *txtNome, *txtCodFisc,
        *txtMansione, *txtCodiceProg, *txtNote;

signals:
    /// The record of the double-clicked line and its number in the year file.
    void workChosen(const Record& work, qint64 number);

protected:
    ArchiveResult<QStringList> search(const QStringList& typed, int& filtersInUse) override;
    /// Gives the record of the line, when the caller is the work window.
    void lineChosen(int row, const QString& line) override;

private:
    QString m_yearFile;
};

} // namespace orvelia
