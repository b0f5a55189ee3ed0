#pragma once

#include <array>
#include <cstdint>

#include <QByteArray>

namespace orvelia {

/**
 * SHA-256 of a stream of bytes, fed in pieces of any size. Uses the processor's SHA
 * instructions where it has them (several times faster than plain code, which matters
 * when a copy checks a year of works twice), the plain code elsewhere; both give the same
 * digest.
 */
class Sha256 {
public:
    Sha256();
    void add(const char* data, qint64 length);
    void add(const QByteArray& bytes) { add(bytes.constData(), bytes.size()); }
    /// The digest of everything added; the object starts again afterwards.
    QByteArray result();

    /// Whether this processor runs the SHA instructions (the fast path is taken).
    static bool hardware();
    /// Tests only: makes every object use the plain code even where the instructions exist.
    static void usePlainCode(bool plain);

private:
    void compress(const unsigned char* blocks, qint64 count);

    std::array<std::uint32_t, 8> m_state;
    std::array<unsigned char, 64> m_buffer;
    qint64 m_buffered = 0;
    std::uint64_t m_length = 0;
};

/// The digest of @p bytes, as lowercase hexadecimal text.
QString sha256Hex(const QByteArray& bytes);

} // namespace orvelia
