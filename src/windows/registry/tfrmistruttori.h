#pragma once

#include "core/archive/layout.h"
#include "windows/common/navigationwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace orvelia {

class ClickablePicture;
class CommandButton;
class FieldForm;
struct FormPage;
class StatusLine;

/// The worker registry: one employee record at a time, with its record commands and tools.
class TfrmIstruttori : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmIstruttori(WindowShell& shell);

    // Fields 1 to 45 of the employee record, in the order of the Enter chain.
    QLineEdit *txtCognome, *txtNome, *txtCodFisc, *txtSesso, *txtDataNasc, *txtComuneNasc;
    QComboBox* txtProvNasc;
    QLineEdit *txtIva, *txtIndirizzo, *txtCap, *txtComuneRes;
    QComboBox* txtProvRes;
    QLineEdit *txtStato, *txtFamiliari, *txtRecapito, *txtTelCasa, *txtTelCel, *txtTelUff, *txtFax, *txtEmail;
    QLineEdit *txtQualifiche, *txtProfessione, *txtIban, *txtIntestatario, *txtBanca, *txtCarta,
        *txtScadeCarta;
    QLineEdit *txtProdotti, *txtPagamento, *txtNote, *txtTipoDoc, *txtNumDoc, *txtEnteRil, *txtDataRil,
        *txtDataSca;
    QLineEdit *txtCodice, *txtCategoria, *txtZona, *txtAcquisto, *txtDecorrenza, *txtScadenza, *txtPreavviso;
    QLineEdit *txtTotale, *txtFrazionamento, *txtRata;
    // Fields 46 to 51: the attachments.
    QLabel *lblFile01, *lblFile02, *lblFile03, *lblDesc01, *lblDesc02, *lblDesc03;
    QLabel* lblPosizione;
    QLabel* panInfo;

    CommandButton *cmdNuovo, *cmdSalva, *cmdTrova, *cmdFile, *cmdAnteprima, *cmdStampa, *cmdPrimo,
        *cmdIndietro;
    CommandButton *cmdAvanti, *cmdUltimo, *cmdEsporta, *cmdScaduti, *cmdDocumenti, *cmdGuida, *cmdEsci;
    ClickablePicture *btnCodFisc, *btnIva, *btnEmail, *btnIban, *btnCarta;

    /// The record as it stands on screen, texts as typed.
    Record recordOnScreen() const;
    /// Shows @p record as record number @p number of the archive.
    void showRecord(const Record& record, qint64 number);
    /// Empties the window for a new record (New, and every show).
    void newRecord();
    /// The text of field @p field on screen.
    QString fieldText(TSchedaLavoratore::Field field) const;

protected:
    QWidget* closeHandler() override;
    void opening() override;

private:
    /// The fields of the record in the panels of @p form, with the check pictures beside theirs.
    void buildFields(const FormPage& form);
    /// The commands of the bar: record, tools, browsing, help and exit.
    void connectCommands();
    /// The check pictures beside the fields.
    void connectChecks();
    void cmdSalvaClick();
    void btnEmailClick();

    FieldForm* m_form;
    StatusLine* m_status;
    QList<QLabel*> m_attachmentLabels;
};

} // namespace orvelia
