#pragma once

#include <QString>

namespace orvelia {

/// Largest capacity a short-string field can have.
inline constexpr int kMaxFieldCapacity = 255;

/// Writes @p text into a short-string field of capacity @p capacity at @p dst
/// (capacity + 1 bytes): trimmed, converted to Windows-1252, cut to the capacity.
/// The bytes after the text are set to zero.
void encodeShortString(const QString& text, int capacity, char* dst);

/// Reads the short-string field of capacity @p capacity at @p src. A length byte
/// above the capacity reads as the capacity, so nothing past the field is read.
/// The result is trimmed.
QString decodeShortString(const char* src, int capacity);

} // namespace orvelia
