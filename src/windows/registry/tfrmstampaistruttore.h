#pragma once

#include <QDateTime>

#include "framework/sheet.h"
#include "windows/common/toolwindow.h"

class QPushButton;

namespace orvelia {

class TfrmIstruttori;

/**
 * The small window that prints or previews a sheet: a header, a printer
 * picture with a line of explanation, and two buttons. The sheet is filled
 * from the caller's controls when btnStampa is pressed, then the window closes.
 */
class SheetPrintWindow : public ToolWindow {
    Q_OBJECT
public:
    QPushButton *btnStampa, *btnAnnulla;
    /// The sheet template.
    sheet::Sheet repDocumento;

    /// Fills repDocumento from the caller's controls, stamped with @p when.
    virtual void fillSheet(const QDateTime& when) = 0;

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
};

/// The employee sheet as laid out for the registry window.
sheet::Form employeeSheetForm();
/// Fills @p sheet with the worker on the screen of @p registry, saved or not.
void fillEmployeeSheet(sheet::Sheet& sheet, const TfrmIstruttori& registry, const QDateTime& when);

/// Prints the employee sheet of the worker shown in the registry window.
class TfrmStampaIstruttore : public SheetPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaIstruttore(QWidget* caller);

    void fillSheet(const QDateTime& when) override;

protected:
    void output() override;

private:
    TfrmIstruttori* m_registry;
};

} // namespace orvelia
