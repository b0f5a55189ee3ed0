#pragma once

#include "core/reports/summary.h"
#include "windows/common/toolwindow.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QLineEdit;

namespace orvelia {

class ClickablePicture;
class ListPanel;
class ListView;

/**
 * The period summary list: the worker, the interval, one line per work record
 * and the total, with the quick find and the print. Built from the summary
 * request of its caller (the criteria window) each time it is shown.
 */
class TfrmRiepPagamenti : public ToolWindow {
    Q_OBJECT
public:
    TfrmRiepPagamenti(QWidget* caller, const summary::Request& request);

    QLabel* lblTipologia;
    QLabel* titTipologia;
    QLabel* infIntervallo;
    QLabel* lblIntervallo;
    QLabel* infTotKmPercorsi;
    QLabel* lblTotCosti;
    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListView* lstRecords;
    QPushButton* btnProspetti;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    ClickablePicture* imgGuida;

    /// The print title: "Riepilogo compensi   -   C.F. lavoratore:  " and the worker.
    QString printTitle() const;
    /// The lines printed after the summary lines: separator, interval and total.
    QStringList closingLines() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The panel of figures: the worker, the interval and the total.
    QWidget* buildFacts();
    /// The row of commands under the list: help at the left, print and exit at the right.
    QHBoxLayout* buildCommands();
    void fill();

    summary::Request m_request;
    void btnStampaClick();
    /// One pay statement for each worker of the summary, in the print preview.
    void btnProspettiClick();

    ListPanel* m_list;
};

} // namespace orvelia
