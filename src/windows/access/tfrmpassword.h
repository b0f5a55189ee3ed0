#pragma once

#include "windows/common/navigationwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

/// The login window, the first and main window of the program.
class TfrmPassword : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmPassword(WindowShell& shell);

    bool fillsScreen() const override { return false; }

    QLabel* lblRigo05;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
    QLabel* lblMemory;

    /// Empties the password and puts the focus in it (coming back from the change window).
    void resetForLogin();

protected:
    QWidget* closeHandler() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void updateOK();
};

} // namespace orvelia
