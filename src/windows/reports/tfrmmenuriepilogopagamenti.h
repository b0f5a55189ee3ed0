#pragma once

#include "core/reports/summary.h"
#include "windows/common/navigationwindow.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;
class SectionPanel;

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
    void opening() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The rows of the criteria card built by buildCriteria.
    struct CriteriaRows {
        QWidget* year;
        QWidget* worker;
        QHBoxLayout* dates;
    };
    /// The hints, the year and worker boxes with their rows, and the two date groups of @p card.
    CriteriaRows buildCriteria(SectionPanel* card);
    /// The wait line and the two buttons at the foot of @p card.
    QHBoxLayout* buildButtons(SectionPanel* card);
    /// The Tab order, the Enter chain, the focus frames and the keys the boxes refuse.
    void setUpKeys();
    void btnVisualizzaClick();
    void impCodFiscClick();
    void followYear();
    QGroupBox* makeDateGroup(const char* name, const QString& title, QComboBox*& day, const char* dayName,
                             QComboBox*& month, const char* monthName, QLabel*& year, const char* yearName);
};

} // namespace orvelia
