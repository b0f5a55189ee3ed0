#include "core/system/settings.h"

#include <QDir>
#include <QSettings>

namespace orvelia::settings {

QString filePath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Impostazioni.ini"));
}

QString value(const QString& folder, const QString& key, const QString& fallback) {
    const QSettings file(filePath(folder), QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return fallback;
    return file.value(key, fallback).toString();
}

bool setValue(const QString& folder, const QString& key, const QString& value) {
    QSettings file(filePath(folder), QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace orvelia::settings
