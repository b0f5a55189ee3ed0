#include "core/archive/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace orvelia {

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    const QString& folder = folderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

QString employeeArchivePath(const QString& folder) {
    return QDir(folder).filePath(kEmployeeArchiveName);
}

QString workArchivePath(const QString& folder, const QString& year) {
    return QDir(folder).filePath(year + kWorkArchiveSuffix);
}

} // namespace orvelia
