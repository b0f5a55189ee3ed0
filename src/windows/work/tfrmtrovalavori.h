#pragma once

#include <functional>

#include "core/archive/layout.h"
#include "windows/common/toolwindow.h"

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
class TfrmTrovaLavori : public ToolWindow {
    Q_OBJECT
public:
    TfrmTrovaLavori(QWidget* caller, const QString& yearFile);

    QStackedWidget* panPagine;
    QWidget *panAvvio, *panContainer;
    QLineEdit *txtData, *txtLuogo, *txtAttivita, *txtPostazione, *txtCognome, *txtNome, *txtCodFisc,
        *txtMansione, *txtCodiceProg, *txtNote;
    QPushButton *btnCerca, *btnAnnulla, *btnStampa, *btnChiudi;
    QLabel *lblAttendere, *lblConta, *lblMemory, *lblTrovate;
    ListPanel* panLista;
    ListView* lstRecords;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;

    void btnCercaClick();
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
    QWidget* buildCriteria();
    QWidget* buildResults();

    QString m_yearFile;
};

} // namespace orvelia
