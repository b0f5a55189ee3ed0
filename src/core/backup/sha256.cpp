#include "core/backup/sha256.h"

#include <atomic>
#include <cstring>

#include <QString>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define ORVELIA_SHA_X86 1
#endif

namespace orvelia {

namespace {

constexpr std::array<std::uint32_t, 64> kRound = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::array<std::uint32_t, 8> kInitial = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                                   0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

std::atomic<bool> g_plainOnly{false};

constexpr std::uint32_t rotr(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

void compressPlain(std::uint32_t* state, const unsigned char* data, qint64 blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        std::uint32_t w[64];
        for (int t = 0; t < 16; ++t) {
            const unsigned char* word = data + std::ptrdiff_t(4) * t;
            w[t] = std::uint32_t(word[0]) << 24 | std::uint32_t(word[1]) << 16 | std::uint32_t(word[2]) << 8 |
                   std::uint32_t(word[3]);
        }
        for (int t = 16; t < 64; ++t) {
            const std::uint32_t s0 = rotr(w[t - 15], 7) ^ rotr(w[t - 15], 18) ^ (w[t - 15] >> 3);
            const std::uint32_t s1 = rotr(w[t - 2], 17) ^ rotr(w[t - 2], 19) ^ (w[t - 2] >> 10);
            w[t] = w[t - 16] + s0 + w[t - 7] + s1;
        }
        std::uint32_t a = state[0];
        std::uint32_t b = state[1];
        std::uint32_t c = state[2];
        std::uint32_t d = state[3];
        std::uint32_t e = state[4];
        std::uint32_t f = state[5];
        std::uint32_t g = state[6];
        std::uint32_t h = state[7];
        for (int t = 0; t < 64; ++t) {
            const std::uint32_t t1 =
                h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[t] + w[t];
            const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

#ifdef ORVELIA_SHA_X86
bool detectHardware() {
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    const bool ssse3 = c & (1u << 9);
    const bool sse41 = c & (1u << 19);
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d))
        return false;
    return ssse3 && sse41 && (b & (1u << 29));
}

// Sixteen groups of four rounds; the message words of each group come from the four groups
// before it (msg1, then the words seven back, then msg2).
__attribute__((target("sha,sse4.1"))) void compressHardware(std::uint32_t* state, const unsigned char* data,
                                                            qint64 blocks) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
    __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefSaved = abef;
        const __m128i cdghSaved = cdgh;
        __m128i w[4];
#pragma GCC unroll 16
        for (int group = 0; group < 16; ++group) {
            __m128i& words = w[group % 4];
            if (group < 4) {
                words = _mm_shuffle_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + std::ptrdiff_t(16) * group)),
                    byteSwap);
            } else {
                const __m128i& last = w[(group + 3) % 4];
                const __m128i& before = w[(group + 2) % 4];
                words = _mm_sha256msg1_epu32(words, w[(group + 1) % 4]);
                words = _mm_add_epi32(words, _mm_alignr_epi8(last, before, 4));
                words = _mm_sha256msg2_epu32(words, last);
            }
            __m128i message = _mm_add_epi32(words, _mm_loadu_si128(reinterpret_cast<const __m128i*>(
                                                       kRound.data() + std::ptrdiff_t(4) * group)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
        }
        abef = _mm_add_epi32(abef, abefSaved);
        cdgh = _mm_add_epi32(cdgh, cdghSaved);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}
#else
bool detectHardware() {
    return false;
}
void compressHardware(std::uint32_t* state, const unsigned char* data, qint64 blocks) {
    compressPlain(state, data, blocks);
}
#endif

} // namespace

bool Sha256::hardware() {
    static const bool present = detectHardware();
    return present;
}

void Sha256::usePlainCode(bool plain) {
    g_plainOnly = plain;
}

Sha256::Sha256()
    : m_state(kInitial) {}

void Sha256::compress(const unsigned char* blocks, qint64 count) {
    if (hardware() && !g_plainOnly)
        compressHardware(m_state.data(), blocks, count);
    else
        compressPlain(m_state.data(), blocks, count);
}

void Sha256::add(const char* data, qint64 length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    m_length += std::uint64_t(length);
    if (m_buffered > 0) {
        const qint64 take = std::min<qint64>(length, 64 - m_buffered);
        std::memcpy(m_buffer.data() + m_buffered, bytes, std::size_t(take));
        m_buffered += take;
        bytes += take;
        length -= take;
        if (m_buffered < 64)
            return;
        compress(m_buffer.data(), 1);
        m_buffered = 0;
    }
    if (length >= 64) {
        compress(bytes, length / 64);
        bytes += length / 64 * 64;
        length %= 64;
    }
    std::memcpy(m_buffer.data(), bytes, std::size_t(length));
    m_buffered = length;
}

QByteArray Sha256::result() {
    const std::uint64_t bits = m_length * 8;
    unsigned char pad[72] = {0x80};
    const qint64 padding = (m_buffered < 56 ? 56 : 120) - m_buffered;
    for (int i = 0; i < 8; ++i)
        pad[padding + i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
    add(reinterpret_cast<const char*>(pad), padding + 8);
    QByteArray digest(32, Qt::Uninitialized);
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = char(m_state[std::size_t(i)] >> (24 - 8 * j));
    *this = Sha256();
    return digest;
}

QString sha256Hex(const QByteArray& bytes) {
    Sha256 hash;
    hash.add(bytes);
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace orvelia
