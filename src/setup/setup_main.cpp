// Prepares a program folder at installation: puts the password store there
// with the initial password, only when the folder has none, so that a
// password the user changed survives every reinstallation.
// Usage: orvelia-setup <program folder>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/access/password.h"
#include "core/system/system.h"

int main(int argc, char* argv[]) {
    orvelia::sys::prepareProcess();
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: orvelia-setup <cartella del programma>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "impossibile creare la cartella %s\n", argv[1]);
        return 1;
    }
    if (QFileInfo::exists(orvelia::passwordStorePath(folder)))
        return 0;
    if (orvelia::writeStoredPassword(folder, QStringLiteral("parolainiziale")) !=
        orvelia::PasswordError::None) {
        std::fprintf(stderr, "impossibile scrivere l'archivio della password\n");
        return 1;
    }
    return 0;
}
