#pragma once

#include "core/reports/summary.h"
#include "windows/common/navigationwindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;

/// The criteria of the period summary: year, worker, start and end of the interval.
class TfrmMenuRiepilogoPagamenti : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmMenuRiepilogoPagamenti(WindowShell& shell);

    QLineEdit* txtAnno;
    QLineEdit* txtTipologia;
    ClickablePicture* impCodFisc;
    QGroupBox* grpDataInizio;
    QComboBox* txtGiornoInizio;
    QComboBox* txtMeseInizio;
    QLabel* lblAnnoInizio;
    QGroupBox* grpDataFine;
    QComboBox* txtGiornoFine;
    QComboBox* txtMeseFine;
    QLabel* lblAnnoFine;
    QPushButton* btnEsci;
    QPushButton* btnVisualizza;
    QLabel* lblAttendere;
    QLabel* lblCampo01;
    QLabel* lblCampo02;
    QLabel* lblCampo03;
    // The summary request read by the list window.
    QLabel* lblFile;
    QLabel* lblDataInizio;
    QLabel* lblDataFine;

    /// The summary request held in the window's controls.
    summary::Request request() const;

protected:
    QWidget* closeHandler() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnVisualizzaClick();
    void impCodFiscClick();
    void followYear();
    QGroupBox* makeDateGroup(const char* name, const QString& title, QComboBox*& day, const char* dayName,
                             QComboBox*& month, const char* monthName, QLabel*& year, const char* yearName);
};

} // namespace orvelia
