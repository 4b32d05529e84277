// SHA-256 with the SHA extensions: each sha256rnds2 runs two rounds, sha256msg1/msg2 extend the
// message schedule four words at a time. The state is kept as the register pair ABEF/CDGH the
// instructions expect.

#include <immintrin.h>

#include "digest/sha2_32/sha256_compress.h"

namespace hashwell::digest {

void Sha256CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    // Loads big-endian words from the message.
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);

    const __m128i dcba =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);  // CDAB
    const __m128i efgh = _mm_shuffle_epi32(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);  // HGFE -> EFGH
    __m128i abef = _mm_alignr_epi8(dcba, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, dcba, 0xF0);

    for (; count > 0; --count, blocks += 64) {
        const __m128i abefBefore = abef;
        const __m128i cdghBefore = cdgh;
        __m128i w[4];  // the schedule, four words per register, in a ring

#pragma GCC unroll 16
        for (int group = 0; group < 16; ++group) {
            if (group < 4) {
                w[group] = _mm_shuffle_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * group)),
                    byteSwap);
            }
            __m128i message =
                _mm_add_epi32(w[group % 4], _mm_loadu_si128(reinterpret_cast<const __m128i*>(
                                                &kSha256RoundConstants[4 * group])));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            if (group >= 3 && group <= 14) {
                // Words 4(group+1) .. 4(group+1)+3 of the schedule.
                __m128i& next = w[(group + 1) % 4];
                next = _mm_add_epi32(next, _mm_alignr_epi8(w[group % 4], w[(group + 3) % 4], 4));
                next = _mm_sha256msg2_epu32(next, w[group % 4]);
            }
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
            if (group >= 1 && group <= 12) {
                w[(group + 3) % 4] = _mm_sha256msg1_epu32(w[(group + 3) % 4], w[group % 4]);
            }
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace hashwell::digest
