#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvelia::test {

/// What the file at @p path holds, or @p unreadable when it cannot be opened.
inline QByteArray fileBytes(const QString& path, const QByteArray& unreadable = QByteArray()) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : unreadable;
}

} // namespace orvelia::test
