// SHA-1 with the SHA extensions: each sha1rnds4 runs four rounds, sha1nexte derives the next E,
// sha1msg1/msg2 extend the message schedule four words at a time.

#include <immintrin.h>

#include "digest/sha1/sha1_compress.h"

namespace hashwell::digest {

void Sha1CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    // Loads big-endian words from the message, the first word in the highest lane.
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607ULL, 0x08090a0b0c0d0e0fULL);

    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    __m128i e1;

    for (; count > 0; --count, blocks += 64) {
        const __m128i abcdBefore = abcd;
        const __m128i eBefore = e0;
        __m128i w[4];  // the schedule, four words per register, in a ring

#pragma GCC unroll 20
        for (int group = 0; group < 20; ++group) {
            if (group < 4) {
                w[group] = _mm_shuffle_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * group)),
                    byteSwap);
            }
            // E for these four rounds comes from the A of four rounds ago, held in e0 or e1.
            __m128i& e = group % 2 == 0 ? e0 : e1;
            __m128i& nextE = group % 2 == 0 ? e1 : e0;
            e = group == 0 ? _mm_add_epi32(e, w[0]) : _mm_sha1nexte_epu32(e, w[group % 4]);
            nextE = abcd;
            if (group >= 3 && group <= 18) {
                w[(group + 1) % 4] = _mm_sha1msg2_epu32(w[(group + 1) % 4], w[group % 4]);
            }
            switch (group / 5) {  // the round function and constant: an immediate operand
                case 0:
                    abcd = _mm_sha1rnds4_epu32(abcd, e, 0);
                    break;
                case 1:
                    abcd = _mm_sha1rnds4_epu32(abcd, e, 1);
                    break;
                case 2:
                    abcd = _mm_sha1rnds4_epu32(abcd, e, 2);
                    break;
                default:
                    abcd = _mm_sha1rnds4_epu32(abcd, e, 3);
                    break;
            }
            if (group >= 1 && group <= 16) {
                w[(group + 3) % 4] = _mm_sha1msg1_epu32(w[(group + 3) % 4], w[group % 4]);
            }
            if (group >= 2 && group <= 17) {
                w[(group + 2) % 4] = _mm_xor_si128(w[(group + 2) % 4], w[group % 4]);
            }
        }
        e0 = _mm_sha1nexte_epu32(e0, eBefore);
        abcd = _mm_add_epi32(abcd, abcdBefore);
    }

    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e0, 3));
}

}  // namespace hashwell::digest
