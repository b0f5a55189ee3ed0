#pragma once

#include "windows/common/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace orvelia {

class ListPanel;
class ListView;
class TfrmLavori;

/**
 * Takes a chosen work list line back to its record in the year open in @p work:
 * every record of the file whose line equals it is shown in @p work with its
 * number, so of identical lines the last record stays on screen. False when the
 * file could not be read (what was shown stays shown).
 */
bool loadWorkLine(TfrmLavori* work, const QString& line);

/// The work search: finds the records of the open year by parts of ten of their fields.
class TfrmTrovaLavori : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaLavori(QWidget* caller);

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
    /// Loads the record of @p line into the work window and closes (a double-click on the list).
    void loadLine(int row, const QString& line);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCriteria();
    QWidget* buildResults();
    QString yearFile() const;
};

} // namespace orvelia
