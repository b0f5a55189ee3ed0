#pragma once

#include <QStringList>

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
 * The employee search: up to ten partial keys, the found workers as a sorted
 * list of fixed-width lines, and a double-click that gives the chosen worker
 * through workerChosen, under the caller tags the search serves (lblMemory):
 * "istruttori" the registry window, "lavori" the work window,
 * "riep_pagamenti" the summary criteria window.
 */
class TfrmTrovaIstruttori : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaIstruttori(QWidget* caller);

    QLabel *lblMemory, *lblConta;
    QWidget *panAvvio, *panContainer;
    // The ten filters, in the order of the Enter chain.
    QLineEdit *txtCognome, *txtNome, *txtCodice, *txtCategoria, *txtCodFisc, *txtIva, *txtFamiliari,
        *txtProdotti, *txtAcquisto, *txtNote;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel* lblAttendere;

    ListPanel* panLista;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ListView* lstRecords;
    QLabel* lblTrovate;
    QPushButton *btnStampa, *btnChiudi;

    void btnCercaClick();
    void btnStampaClick();
    /// Loads the worker of the selected line into the caller and closes the window.
    void lstRecordsDblClick();

signals:
    /// The worker of the double-clicked line and its number in the archive.
    void workerChosen(const Record& worker, qint64 number);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildCriteria();
    QWidget* buildResults();

    QStackedWidget* m_pages;
};

} // namespace orvelia
