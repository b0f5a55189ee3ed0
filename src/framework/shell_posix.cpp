// The shell's "open" on the free desktops: the desktop's handler of the address or file.
#include <QDesktopServices>

#include "framework/platform.h"

namespace orvelia {

void openInShell(const QString& target) {
    QDesktopServices::openUrl(shellTarget(target));
}

} // namespace orvelia
