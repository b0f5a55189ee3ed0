#pragma once

#include <functional>

#include "core/archive/layout.h"
#include "windows/common/navigationwindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;
class CommandButton;
class FieldForm;
class StatusLine;

/// The work register of one year: one work record at a time.
class TfrmLavori : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmLavori(WindowShell& shell);

    QLineEdit *txtCognome, *txtNome, *txtCodFisc, *txtRecapito, *txtMansione, *txtCategoria, *txtData,
        *txtLuogo;
    QLineEdit* txtAttivita;
    QComboBox *txtDaOre, *txtDaMin, *txtAOre, *txtAMin;
    QPushButton *btnCalcolaOre, *btnCalcolaDovuto;
    QLineEdit *txtTotOre, *txtCompensoOra, *txtTotDovuto, *txtNomeProg, *txtCodiceProg, *txtAmbitoProg;
    QLineEdit *txtPostazione, *txtMateriali, *txtNote;
    QCheckBox* chkIncompleto;
    QLabel *lblFile, *lblPosizione, *lblOraInizio, *lblOraFine;
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03;
    QLabel* panInfo;

    CommandButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdFile, *cmdStampa, *cmdPrimo, *cmdIndietro;
    CommandButton *cmdAvanti, *cmdUltimo, *cmdIncompleti, *cmdEsporta, *cmdGuida, *cmdEsci;
    ClickablePicture *impLavoratore, *btnCodFisc, *impData, *btnIstruzioni;

    /// Makes @p path (the file of @p year) the open register.
    void openYear(const QString& path, const QString& year);
    /// Shows @p record as record number @p number of the open year.
    void showRecord(const Record& record, qint64 number);
    /// The record as it would be stored now (without recomputing the pay).
    Record recordOnScreen() const;
    void newRecord();

    /// Takes the worker's surname, name, codice fiscale, telephone, job and category from the archive.
    void importWorker(const Record& worker);

    void btnCalcolaOreClick();
    void btnCalcolaDovutoClick();

protected:
    QWidget* closeHandler() override;
    /// How a list of works is opened: the record chosen in it is shown here.
    template <typename W> std::function<void(W&)> showsChosenWork() {
        return [this](W& w) { connect(&w, &W::workChosen, this, &TfrmLavori::showRecord); };
    }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommandBar(QWidget* bar);
    QWidget* buildForm();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void openCalendar();
    void setTime(QComboBox* box, const QString& value);

    FieldForm* m_form;
    StatusLine* m_status;
    QList<QLabel*> m_attachmentLabels;
};

} // namespace orvelia
