#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvelia {

/// Windows-1252, the code page of every text stored in the archives.
namespace cp1252 {

/// One byte for each character; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString& text);

/// One character for each byte. The five bytes the code page leaves undefined
/// (81, 8D, 8F, 90, 9D) map to the control characters of the same value.
QString decode(const char* data, int length);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), int(bytes.size()));
}

/// The bytes of a stored field without the characters of code 32 or less at either end.
QByteArrayView trimmed(QByteArrayView bytes);

/**
 * Appends @p bytes, trimmed, to @p out as a column of @p width bytes: cut when
 * longer, followed by blanks when shorter.
 */
void appendColumn(QByteArray& out, QByteArrayView bytes, int width);

} // namespace cp1252
} // namespace orvelia
