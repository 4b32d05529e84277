// CRC-32 by carry-less multiplication: 64 bytes at a time are folded into four 128-bit
// accumulators, which are folded into one; the table finishes its 16 bytes and the tail. The
// fold constants are x^k mod P for the fold distances, bit-reflected, as in Intel's paper
// "Fast CRC Computation for Generic Polynomials Using PCLMULQDQ".

#include <immintrin.h>

#include "digest/crc32/crc32_update.h"

namespace hashwell::digest {
namespace {

inline __m128i Fold(__m128i accumulator, __m128i constants, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(accumulator, constants, 0x00);
    const __m128i high = _mm_clmulepi64_si128(accumulator, constants, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

inline __m128i Load(const std::uint8_t* data) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
}

}  // namespace

std::uint32_t Crc32UpdatePclmul(std::uint32_t crc, const std::uint8_t* data, std::size_t length) {
    if (length < 64) {
        return Crc32UpdatePortable(crc, data, length);
    }
    // The accumulator moved 512 bits on (four registers) and 128 bits on (one register). Made
    // here, not at namespace scope: code that runs before main must not need SSE4.1.
    const __m128i kFold512 = _mm_set_epi64x(0x1c6e41596, 0x154442bd4);
    const __m128i kFold128 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
    // The register joins the first four bytes; from there on the CRC of the folded bytes
    // equals the CRC of all bytes so far.
    __m128i x0 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x1 = Load(data + 16);
    __m128i x2 = Load(data + 32);
    __m128i x3 = Load(data + 48);
    data += 64;
    length -= 64;
    for (; length >= 64; data += 64, length -= 64) {
        x0 = Fold(x0, kFold512, Load(data));
        x1 = Fold(x1, kFold512, Load(data + 16));
        x2 = Fold(x2, kFold512, Load(data + 32));
        x3 = Fold(x3, kFold512, Load(data + 48));
    }
    __m128i x = Fold(x0, kFold128, x1);
    x = Fold(x, kFold128, x2);
    x = Fold(x, kFold128, x3);
    for (; length >= 16; data += 16, length -= 16) {
        x = Fold(x, kFold128, Load(data));
    }
    alignas(16) std::uint8_t folded[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(folded), x);
    return Crc32UpdatePortable(Crc32UpdatePortable(0, folded, sizeof folded), data, length);
}

}  // namespace hashwell::digest
