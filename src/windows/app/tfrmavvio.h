#pragma once

#include "framework/theme.h"
#include "windows/common/navigationwindow.h"

class QLabel;

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
    ClickableLabel* infLavoratori;
    ClickableLabel* btnLavori;
    ClickablePicture* imgLavori;
    ClickableLabel* infLavori;
    ClickableLabel* btnCompensi;
    ClickablePicture* imgCompensi;
    ClickableLabel* infCompensi;
    ClickablePicture* imgGuida;
    ClickablePicture* imgInfo;
    ClickablePicture* imgProdotto;
    ClickablePicture* icoSito;
    ClickablePicture* imgEsci;
    ClickablePicture* icoIcona;
    QLabel* icoTitolo;
    QLabel* icoSottotitolo;

protected:
    QWidget* closeHandler() override;

private:
    QWidget* makeCard(const QString& name, const QString& title, const QString& info, theme::Accent accent,
                      ClickableLabel*& button, ClickablePicture*& picture, ClickableLabel*& panel);
    QWidget* makeFooterCommand(ClickablePicture*& picture, const QString& name, const QString& icon,
                               const QString& caption);
};

} // namespace orvelia
