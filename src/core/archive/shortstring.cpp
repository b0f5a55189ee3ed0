#include "core/archive/shortstring.h"

#include <algorithm>
#include <cstring>

#include "core/archive/cp1252.h"
#include "core/archive/text.h"

namespace orvelia {

void encodeShortString(const QString& text, int capacity, char* dst) {
    const QByteArray bytes = cp1252::encode(trimText(text));
    const int length = std::min<int>({int(bytes.size()), kMaxFieldCapacity, capacity});
    dst[0] = char(static_cast<unsigned char>(length));
    std::memcpy(dst + 1, bytes.constData(), std::size_t(length));
    std::memset(dst + 1 + length, 0, std::size_t(capacity - length));
}

QString decodeShortString(const char* src, int capacity) {
    const int length = std::min<int>(static_cast<unsigned char>(src[0]), capacity);
    return trimText(cp1252::decode(src + 1, length));
}

} // namespace orvelia
