// What Windows does for the program: the shell's "open" is ShellExecute with the verb "open", no
// parameters, a normal window, the result ignored, for web addresses, mailto: links and files
// alike; the printer dialog is the system's own, which writes a PDF only through a PDF printer.
#include <windows.h>
#include <shellapi.h>

#include <QDir>

#include "framework/platform.h"

namespace orvelia {

void openInShell(const QString& target) {
    QString text = shellText(target);
    if (shellTarget(target).isLocalFile())
        text = QDir::toNativeSeparators(text);
    const std::wstring wide = text.toStdWString();
    ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool printerDialogWritesPdf() {
    return false;
}

} // namespace orvelia
