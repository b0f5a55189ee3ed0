#pragma once

#include <functional>

#include "core/archive/layout.h"
#include "windows/common/navigationwindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orvelia {

class ClickablePicture;
class CommandButton;
class FieldForm;
class SectionPanel;
struct FieldDef;
struct FormPage;
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
    void opening() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// What the status line says of the pictures, buttons and boxes of the form.
    void describeFields();
    /// The Enter chain, and the boxes whose keys the window handles itself.
    void setUpKeys();
    /// The commands of the bar: record, tools, browsing, help and exit.
    void connectCommands();
    /// The pictures and buttons of the form.
    void connectFieldCommands();
    /// The form page: the fields in their panels, the instructions link, the Tab order.
    FormPage buildForm();
    /// The field @p def in @p box, on @p holder.
    QWidget* fieldBox(const FieldDef& def, QLineEdit*& box, QWidget* holder);
    /// The row of the field @p def in @p panel, with what stands beside it or comes with it.
    void addFieldRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel);
    /// A row of a box @p width wide and the picture @p name after it; returns the picture.
    ClickablePicture* addPictureRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel, int width,
                                    const char* name, const char* icon);
    /// A row of a figure @p width wide, after its Calcola button when @p calcName names one and before
    /// the euro sign when @p euro; returns the button.
    QPushButton* addFigureRow(const FieldDef& def, QLineEdit*& box, SectionPanel* panel, int width,
                              const char* calcName, bool euro);
    /// The start and end times, each a list of hours and one of minutes.
    void addTimeRows(SectionPanel* panel);
    /// How to fill in a work record: the link at the foot of @p column.
    void buildInstructions(QWidget* page, QVBoxLayout* column);
    /// The Tab order of the fields, in the order of the record.
    void orderTabs();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void openCalendar();
    void setTime(QComboBox* box, const QString& value);

    FieldForm* m_form;
    StatusLine* m_status;
    QList<QLabel*> m_attachmentLabels;
};

} // namespace orvelia
