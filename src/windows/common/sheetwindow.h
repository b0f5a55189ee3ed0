#pragma once

#include <span>

#include <QDateTime>
#include <QStringList>

#include "core/archive/sheetrows.h"
#include "framework/sheet.h"
#include "windows/common/toolwindow.h"

class QPushButton;

namespace orvelia {

/**
 * The small window that prints or previews a sheet: a header, a printer
 * picture with a line of explanation, and two buttons. The caller hands it
 * the values of the rows, the record on its screen as its sheet shows it;
 * btnStampa fills the sheet with them and prints or previews it, then the
 * window closes.
 */
class SheetPrintWindow : public ToolWindow {
    Q_OBJECT
public:
    QPushButton *btnStampa, *btnAnnulla;
    /// The sheet template.
    sheet::Sheet repDocumento;

    /// The values of the rows, in row order.
    void setValues(const QStringList& values);
    /// Fills repDocumento with the values, stamped with @p when.
    void fillSheet(const QDateTime& when);

protected:
    struct Setup {
        const char* className;
        QString caption;
        QString heading;
        QString explanation;
        QString icon;
        QString action;
    };
    SheetPrintWindow(QWidget* caller, const Setup& setup, sheet::Form form);
    /// What btnStampa does once the sheet is filled: print it or preview it.
    virtual void output() = 0;

private:
    void btnStampaClick();

    QStringList m_values;
};

/// The rows of a sheet form: the labels and memos of the rows of a sheet of the core.
std::vector<sheet::Row> sheetRows(std::span<const SheetRow> rows);

} // namespace orvelia
