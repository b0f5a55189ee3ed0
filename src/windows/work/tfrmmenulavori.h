#pragma once

#include "windows/common/navigationwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;

/// The choice of the year of the work register.
class TfrmMenuLavori : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmMenuLavori(WindowShell& shell);

    QLineEdit* txtAnnoPreventivi;
    QPushButton* btnApriPreventivi;
    ClickablePicture* imgGuida;
    ClickablePicture* imgEsci;
    QLabel* lblInfo;
    QLabel* lblMemory;

signals:
    /// The year whose register opens next: its archive and its four digits.
    void yearChosen(const QString& path, const QString& year);

protected:
    QWidget* closeHandler() override;
    void opening() override;

private:
    void btnApriPreventiviClick();
};

} // namespace orvelia
