#pragma once

#include "core/help/helppages.h"
#include "windows/common/toolwindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvelia {

class ClickablePicture;
class LinkLabel;

/// The text handed to the shell to open the user guide: the guide's path in double quotes.
QString guidePdfCommand();

/// The help window: a page title, its text, the link to the PDF guide and "Chiudi".
class TfrmGuida : public ToolWindow {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* caller);

    /// Puts the title and the text of @p page into the window.
    void showPage(HelpPage page);

    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    LinkLabel* lnkWeb;
    ClickablePicture* imgPDF;
    QPushButton* btnChiudi;
};

/// Shows @p page in a fresh help window owned by @p caller, modally; the window is gone when it closes.
void showHelp(QWidget* caller, HelpPage page);

} // namespace orvelia
