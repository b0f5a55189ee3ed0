#include "core/archive/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace orvelia {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString employeeArchivePath(const QString& folder) {
    return QDir(folder).filePath(kEmployeeArchiveName);
}

QString workArchivePath(const QString& folder, const QString& year) {
    return QDir(folder).filePath(year + kWorkArchiveSuffix);
}

} // namespace orvelia
