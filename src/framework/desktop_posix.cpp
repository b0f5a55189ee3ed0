// What the free desktops do for the program: the shell's "open" through the desktop's handler of
// the address or file; printing through Qt's own printer dialog, which can write a PDF file.
#include <QDesktopServices>

#include "framework/platform.h"

namespace orvelia {

void openInShell(const QString& target) {
    QDesktopServices::openUrl(shellTarget(target));
}

bool printerDialogWritesPdf() {
    return true;
}

} // namespace orvelia
