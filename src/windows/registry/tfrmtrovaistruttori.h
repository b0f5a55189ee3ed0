#pragma once

#include <QStringList>

#include "core/archive/layout.h"
#include "windows/common/searchwindow.h"

class QLineEdit;

namespace orvelia {

/**
 * The employee search: up to ten partial keys, the found workers as a sorted
 * list of fixed-width lines, and a double-click that gives the chosen worker
 * through workerChosen, under the caller tags the search serves (lblMemory):
 * "istruttori" the registry window, "lavori" the work window,
 * "riep_pagamenti" the summary criteria window.
 */
class TfrmTrovaIstruttori : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaIstruttori(QWidget* caller);

    // The ten filters, in the order of the Enter chain.
    QLineEdit *txtCognome, *txtNome, *txtCodice, *txtCategoria, *txtCodFisc, *txtIva, *txtFamiliari,
        *txtProdotti, *txtAcquisto, *txtNote;

signals:
    /// The worker of the double-clicked line and its number in the archive.
    void workerChosen(const Record& worker, qint64 number);

protected:
    ArchiveResult<QStringList> search(const QStringList& typed, int& filtersInUse) override;
    /// Gives the worker of the line, when the caller is one the search serves.
    void lineChosen(int row, const QString& line) override;
};

} // namespace orvelia
