#pragma once

#include "windows/common/toolwindow.h"

class QPushButton;

namespace orvelia {

class ClickablePicture;
class LinkLabel;

/// The e-mail link of the about window, as handed to the shell.
QString supportMailLink();

/// What the about and product windows share: the logo, a link with its picture and "Chiudi".
class ProductWindow : public ToolWindow {
    Q_OBJECT
public:
    LinkLabel* lnkWeb;
    QPushButton* cmdChiudi;

protected:
    ProductWindow(QWidget* caller, const char* className, const QString& caption, const QString& heading,
                  const QString& text, const QString& linkCaption, const QString& linkText,
                  ClickablePicture*& picture, const QString& pictureName, const QString& icon);
    /// Hands the link's target to the shell.
    virtual void linkClicked() = 0;
};

/// The about window: product, version and the support e-mail link.
class TfrmInfo : public ProductWindow {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* caller);
    ClickablePicture* imgEmail;

protected:
    void linkClicked() override;
};

/// The product window: the product and its web site.
class TfrmSplash : public ProductWindow {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* caller);
    ClickablePicture* imgWeb;

protected:
    void linkClicked() override;
};

} // namespace orvelia
