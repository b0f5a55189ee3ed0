#pragma once

#include "windows/common/navigationwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

/// The window that changes the access password.
class TfrmCambiaPassword : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(WindowShell& shell);

    bool fillsScreen() const override { return false; }

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;

signals:
    /// The window goes back to the login window, which then asks for the password afresh.
    void returningToLogin();

protected:
    QWidget* closeHandler() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// A box that hides what is typed, with its focus frame; every change may enable OK.
    QLineEdit* passwordBox(const char* name, const char* frame);
    void cmdOKClick();
    void updateOK();
};

} // namespace orvelia
