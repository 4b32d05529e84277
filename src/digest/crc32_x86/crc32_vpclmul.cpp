// CRC-32 by carry-less multiplication on 256-bit registers: 128 bytes at a time are folded
// into four registers of two 128-bit lanes each; their eight lanes are then folded into one
// in order, and the 128-bit kernel finishes. The constants for the 1024-bit fold distance are
// x^(1024+32) and x^(1024-32) mod P, bit-reflected and shifted left by one, as the 512- and
// 128-bit ones of the 128-bit kernel.

#include <immintrin.h>

#include "digest/crc32/crc32_update.h"

namespace hashwell::digest {

std::uint32_t Crc32UpdateVpclmul(std::uint32_t crc, const std::uint8_t* data, std::size_t length) {
    if (length < 256) {
        return Crc32UpdatePclmul(crc, data, length);
    }
    const __m256i fold1024 = _mm256_set_epi64x(0x14a7fe880, 0x1e88ef372, 0x14a7fe880, 0x1e88ef372);
    const __m128i fold128 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
    auto load = [](const std::uint8_t* at) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    };
    auto fold = [&](__m256i accumulator, __m256i next) {
        const __m256i low = _mm256_clmulepi64_epi128(accumulator, fold1024, 0x00);
        const __m256i high = _mm256_clmulepi64_epi128(accumulator, fold1024, 0x11);
        return _mm256_xor_si256(_mm256_xor_si256(low, high), next);
    };

    // The register joins the first four bytes, as in the 128-bit kernel.
    __m256i y[4] = {_mm256_xor_si256(load(data), _mm256_zextsi128_si256(
                                                     _mm_cvtsi32_si128(static_cast<int>(crc)))),
                    load(data + 32), load(data + 64), load(data + 96)};
    data += 128;
    length -= 128;
    for (; length >= 128; data += 128, length -= 128) {
        for (int i = 0; i < 4; ++i) {
            y[i] = fold(y[i], load(data + 32 * i));
        }
    }
    // The eight lanes are consecutive 16-byte pieces: fold them into the first, in order.
    __m128i x = _mm256_castsi256_si128(y[0]);
    for (int piece = 1; piece < 8; ++piece) {
        const __m256i& holder = y[piece / 2];
        const __m128i next =
            piece % 2 == 0 ? _mm256_castsi256_si128(holder) : _mm256_extracti128_si256(holder, 1);
        x = _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, fold128, 0x00),
                                        _mm_clmulepi64_si128(x, fold128, 0x11)),
                          next);
    }
    alignas(16) std::uint8_t folded[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(folded), x);
    // Leave the upper halves clean: SSE code after dirty AVX state runs slower.
    _mm256_zeroupper();
    return Crc32UpdatePclmul(Crc32UpdatePortable(0, folded, sizeof folded), data, length);
}

}  // namespace hashwell::digest
