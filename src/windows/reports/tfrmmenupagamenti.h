#pragma once

#include "windows/common/navigationwindow.h"

class QLabel;
class QLayout;
class QPushButton;

namespace orvelia {

class ClickablePicture;

/// The reports menu: the period summary or the monthly statistics.
class TfrmMenuPagamenti : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmMenuPagamenti(WindowShell& shell);

    QPushButton* btnRiepiloghi;
    ClickablePicture* icoLibri;
    QPushButton* btnStatistiche;
    ClickablePicture* icoDVD;
    ClickablePicture* imgEsci;
    ClickablePicture* imgGuida;
    QLabel* lblInformazioni;
    QLabel* lblMemory;

protected:
    QWidget* closeHandler() override;
    void opening() override;

private:
    void btnRiepiloghiClick();
    void btnStatisticheClick();
    QLayout* buildChoices();
};

} // namespace orvelia
