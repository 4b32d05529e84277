// SHA-512 with the message schedule in AVX2 registers: two blocks at a time, each 128-bit half
// of a register holding two consecutive schedule words of one block. The rounds stay scalar
// (with BMI2 rotates) and read the ready words, constants added, from the stack; the schedule
// of the next two blocks is computed among the rounds of these two.

#include <immintrin.h>

#include "digest/sha2_64/sha512_compress.h"
#include "digest/sha2_64/sha512_rounds.h"

namespace hashwell::digest {
namespace {

template <int Bits>
inline __m256i RotateRight(__m256i x) {
    return _mm256_or_si256(_mm256_srli_epi64(x, Bits), _mm256_slli_epi64(x, 64 - Bits));
}

inline __m256i SmallSigma0(__m256i x) {
    return _mm256_xor_si256(_mm256_xor_si256(RotateRight<1>(x), RotateRight<8>(x)),
                            _mm256_srli_epi64(x, 7));
}

inline __m256i SmallSigma1(__m256i x) {
    return _mm256_xor_si256(_mm256_xor_si256(RotateRight<19>(x), RotateRight<61>(x)),
                            _mm256_srli_epi64(x, 6));
}

// Computes the schedules of two blocks, constants added, into kw[0] and kw[1]: the first
// sixteen words at once, the others two at a time, so that the steps can be spread among the
// rounds of the blocks before.
class PairSchedule {
public:
    PairSchedule(const std::uint8_t* first, const std::uint8_t* second, std::uint64_t (&kw)[2][80])
        : kw_(kw) {
        // Big-endian words: reverse the bytes of each 64-bit word.
        const __m256i byteSwap = _mm256_set_epi64x(0x08090a0b0c0d0e0fULL, 0x0001020304050607ULL,
                                                   0x08090a0b0c0d0e0fULL, 0x0001020304050607ULL);
        for (int i = 0; i < 8; ++i) {
            const __m256i both = _mm256_inserti128_si256(
                _mm256_castsi128_si256(
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + 16 * i))),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(second + 16 * i)), 1);
            w_[i] = _mm256_shuffle_epi8(both, byteSwap);
            Store(2 * i, w_[i]);
        }
    }

    // Words t and t+1 (t even, 16 to 78) from t-16/t-15, t-15/t-14, t-7/t-6 and t-2/t-1.
    [[gnu::always_inline]] void Step(int t) {
        const int i = (t / 2) % 8;
        const __m256i w15 = _mm256_alignr_epi8(w_[(i + 1) % 8], w_[i], 8);
        const __m256i w7 = _mm256_alignr_epi8(w_[(i + 5) % 8], w_[(i + 4) % 8], 8);
        w_[i] = _mm256_add_epi64(_mm256_add_epi64(w_[i], SmallSigma0(w15)),
                                 _mm256_add_epi64(w7, SmallSigma1(w_[(i + 7) % 8])));
        Store(t, w_[i]);
    }

private:
    [[gnu::always_inline]] void Store(int t, __m256i words) {
        const __m256i constants = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kSha512RoundConstants[t])));
        const __m256i sum = _mm256_add_epi64(words, constants);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&kw_[0][t]), _mm256_castsi256_si128(sum));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&kw_[1][t]), _mm256_extracti128_si256(sum, 1));
    }

    std::uint64_t (&kw_)[2][80];
    __m256i w_[8];  // w_[i]: words 2i and 2i+1 of the last sixteen, of both blocks
};

// The rounds of one block, with the 32 schedule steps of the next pair spread among them:
// the vector unit works on those while the scalar units run the rounds.
template <bool kWithSchedule>
[[gnu::always_inline]] inline void RoundsWithSchedule(std::uint64_t* state, const std::uint64_t* kw,
                                                      PairSchedule* next, int firstStep,
                                                      int steps) {
    Word64 v[8] = {state[0], state[1], state[2], state[3], state[4], state[5], state[6], state[7]};
    Word64 bXorC = v[1] ^ v[2];
#pragma GCC unroll 10
    for (int group = 0; group < 10; ++group) {
        EightRounds(v, 8 * group, kw, bXorC);
        if constexpr (kWithSchedule) {
            for (int k = 2 * group; k < 2 * group + 2 && k < steps; ++k) {
                next->Step(16 + 2 * (firstStep + k));
            }
        }
    }
    for (int i = 0; i < 8; ++i) {
        state[i] += v[i];
    }
}

}  // namespace

void Sha512CompressAvx2(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count) {
    alignas(32) std::uint64_t kw[2][2][80];
    int current = 0;
    if (count >= 2) {
        PairSchedule first(blocks, blocks + 128, kw[current]);
        for (int t = 16; t < 80; t += 2) {
            first.Step(t);
        }
    }
    for (; count >= 2; count -= 2, blocks += 256, current ^= 1) {
        if (count >= 4) {
            PairSchedule next(blocks + 256, blocks + 384, kw[current ^ 1]);
            RoundsWithSchedule<true>(state, kw[current][0], &next, 0, 20);
            RoundsWithSchedule<true>(state, kw[current][1], &next, 20, 12);
        } else {
            RoundsWithSchedule<false>(state, kw[current][0], nullptr, 0, 0);
            RoundsWithSchedule<false>(state, kw[current][1], nullptr, 0, 0);
        }
    }
    if (count == 1) {
        PairSchedule last(blocks, blocks, kw[current]);
        for (int t = 16; t < 80; t += 2) {
            last.Step(t);
        }
        RoundsWithSchedule<false>(state, kw[current][0], nullptr, 0, 0);
    }
    // Leave the upper halves clean: SSE code after dirty AVX state runs slower.
    _mm256_zeroupper();
}

}  // namespace hashwell::digest
