#pragma once

#include "windows/common/navigationwindow.h"

class QLabel;
class QLayout;

namespace orvelia {

class ClickableLabel;
class ClickablePicture;

/// The main menu: a full-screen window of pictures leading to the three applications.
class TfrmAvvio : public NavigationWindow {
    Q_OBJECT
public:
    explicit TfrmAvvio(WindowShell& shell);

    ClickableLabel* btnLavoratori;
    ClickablePicture* imgLavoratori;
    QLabel* infLavoratori;
    ClickableLabel* btnLavori;
    ClickablePicture* imgLavori;
    QLabel* infLavori;
    ClickableLabel* btnCompensi;
    ClickablePicture* imgCompensi;
    QLabel* infCompensi;
    ClickablePicture* imgGuida;
    ClickablePicture* imgInfo;
    ClickablePicture* imgProdotto;
    ClickablePicture* icoSito;
    ClickablePicture* imgCopia;
    ClickablePicture* imgEsci;
    ClickablePicture* icoIcona;
    QLabel* icoTitolo;
    QLabel* icoSottotitolo;

protected:
    QWidget* closeHandler() override;

private:
    QWidget* buildBand();
    QLayout* buildCards();
    QWidget* buildFooter();
    /// Leaving the program: first the offer of a safety copy when the last is a week old.
    void offerSafetyCopy();
    QWidget* makeFooterCommand(ClickablePicture*& picture, const QString& name, const QString& icon,
                               const QString& caption);
};

} // namespace orvelia
