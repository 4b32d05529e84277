// SHA-512 with the message schedule in AVX2 registers: two blocks at a time, each 128-bit half
// of a register holding two consecutive schedule words of one block. The schedule of the next
// two blocks is computed among the rounds of these two, which read their ready words,
// constants added, from the stack.
//
// The rounds are written in assembly, eight to a block of it. Compiled from C the code was
// either too large for the processor's decoded-instruction cache or shuffled registers between
// rounds; both cost about a fifth of the speed. The loops are kept rolled for the same reason.

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

// Where a pair of blocks keeps its schedule words, constants added: the first block's 80,
// then the second's, so that the rounds of both read straight on.
using PairWords = std::uint64_t[2][80];

// Computes the schedules of two blocks, two words of each at a time, so that the steps can be
// spread among the rounds of the blocks before.
class PairSchedule {
public:
    PairSchedule(const std::uint8_t* first, const std::uint8_t* second, PairWords& kw) : kw_(kw) {
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

    // Words t and t+1 (t even, 16 to 78) from t-16/t-15, t-15/t-14, t-7/t-6 and t-2/t-1. The
    // last sixteen words live in eight registers used as a ring; `slot` (t / 2 % 8) must be a
    // constant for them to stay registers, while t itself may vary.
    [[gnu::always_inline]] void Step(int slot, int t) {
        const __m256i w15 = _mm256_alignr_epi8(w_[(slot + 1) % 8], w_[slot], 8);
        const __m256i w7 = _mm256_alignr_epi8(w_[(slot + 5) % 8], w_[(slot + 4) % 8], 8);
        w_[slot] = _mm256_add_epi64(_mm256_add_epi64(w_[slot], SmallSigma0(w15)),
                                    _mm256_add_epi64(w7, SmallSigma1(w_[(slot + 7) % 8])));
        Store(t, w_[slot]);
    }

    void AllSteps() {
#pragma GCC unroll 32
        for (int t = 16; t < 80; t += 2) {
            Step(t / 2 % 8, t);
        }
    }

private:
    [[gnu::always_inline]] void Store(int t, __m256i words) {
        const __m256i constants = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kSha512RoundConstants[t])));
        const __m256i sum = _mm256_add_epi64(words, constants);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&kw_[0][t]), _mm256_castsi256_si128(sum));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&kw_[1][t]), _mm256_extracti128_si256(sum, 1));
    }

    PairWords& kw_;
    __m256i w_[8];  // w_[i]: words 2i and 2i+1 of the last sixteen, of both blocks
};

// One round, for the working words in the roles a to h; kw is the word with its constant.
// `bc` holds b ^ c; `ab` receives a ^ b, which is the next round's b ^ c (with it the
// majority takes two steps). `a` arrives without the previous round's big Sigma0, kept in
// `s0` and added first, and the new a (left in h) goes on without this round's: that keeps the
// add off the longest chain of the round. c is never read, f only copied.
// clang-format off
#define HASHWELL_SHA512_ROUND(a, b, c, d, e, f, g, h, bc, ab, k)                                \
    "add " #k "*8(%[kw]), %[" #h "]\n\t"         /* h += kw */                                  \
    "mov %[" #f "], %[t0]\n\t"                                                                 \
    "and %[" #e "], %[t0]\n\t"                  /* e & f */                                    \
    "rorx $41, %[" #e "], %[" #ab "]\n\t"                                                      \
    "lea (%[" #a "],%[s0]), %[" #a "]\n\t"      /* a is whole now */                           \
    "lea (%[" #h "],%[t0]), %[" #h "]\n\t"                                                     \
    "andn %[" #g "], %[" #e "], %[t0]\n\t"      /* ~e & g: with e & f, the choice */           \
    "rorx $18, %[" #e "], %[s0]\n\t"                                                           \
    "xor %[s0], %[" #ab "]\n\t"                                                                \
    "lea (%[" #h "],%[t0]), %[" #h "]\n\t"                                                     \
    "rorx $14, %[" #e "], %[t0]\n\t"                                                           \
    "xor %[t0], %[" #ab "]\n\t"                 /* big Sigma1(e) */                            \
    "lea (%[" #h "],%[" #ab "]), %[" #h "]\n\t" /* h = t1 */                                   \
    "mov %[" #a "], %[" #ab "]\n\t"                                                            \
    "rorx $39, %[" #a "], %[t0]\n\t"                                                           \
    "xor %[" #b "], %[" #ab "]\n\t"             /* a ^ b */                                    \
    "rorx $34, %[" #a "], %[s0]\n\t"                                                           \
    "lea (%[" #d "],%[" #h "]), %[" #d "]\n\t"  /* the new e */                                \
    "and %[" #ab "], %[" #bc "]\n\t"                                                           \
    "xor %[t0], %[s0]\n\t"                                                                     \
    "rorx $28, %[" #a "], %[t0]\n\t"                                                           \
    "xor %[" #b "], %[" #bc "]\n\t"             /* the majority */                             \
    "xor %[t0], %[s0]\n\t"                      /* big Sigma0(a), for the next round */        \
    "lea (%[" #h "],%[" #bc "]), %[" #h "]\n\t" /* the new a, but for s0 */
// clang-format on

// GCC keeps the schedule's stores in flight only when it knows which memory the rounds read;
// clang cannot spare the register that operand costs it, so it gets a memory clobber instead.
#ifdef __clang__
#define HASHWELL_SHA512_READS(kw)
#define HASHWELL_SHA512_CLOBBERS "cc", "memory"
#else
#define HASHWELL_SHA512_READS(kw) , "m"(*reinterpret_cast<const std::uint64_t(*)[8]>(kw))
#define HASHWELL_SHA512_CLOBBERS "cc"
#endif

// The working words of one block between groups of eight rounds.
struct WorkingWords {
    Word64 v0, v1, v2, v3, v4, v5, v6, v7;
    Word64 x, y;  // b ^ c, and the place for a ^ b: they swap roles each round
    Word64 s0;    // the big Sigma0 still to be added to a

    [[gnu::always_inline]] void Start(const Word64* state) {
        v0 = state[0], v1 = state[1], v2 = state[2], v3 = state[3];
        v4 = state[4], v5 = state[5], v6 = state[6], v7 = state[7];
        x = v1 ^ v2, y = 0, s0 = 0;
    }

    [[gnu::always_inline]] void AddTo(Word64* state) const {
        state[0] += v0 + s0, state[1] += v1, state[2] += v2, state[3] += v3;
        state[4] += v4, state[5] += v5, state[6] += v6, state[7] += v7;
    }

    // Eight rounds, after which every word is back in its role.
    [[gnu::always_inline]] void EightRounds(const Word64* kw) {
        Word64 t0;
        // clang-format off
        asm(HASHWELL_SHA512_ROUND(v0, v1, v2, v3, v4, v5, v6, v7, x, y, 0)
            HASHWELL_SHA512_ROUND(v7, v0, v1, v2, v3, v4, v5, v6, y, x, 1)
            HASHWELL_SHA512_ROUND(v6, v7, v0, v1, v2, v3, v4, v5, x, y, 2)
            HASHWELL_SHA512_ROUND(v5, v6, v7, v0, v1, v2, v3, v4, y, x, 3)
            HASHWELL_SHA512_ROUND(v4, v5, v6, v7, v0, v1, v2, v3, x, y, 4)
            HASHWELL_SHA512_ROUND(v3, v4, v5, v6, v7, v0, v1, v2, y, x, 5)
            HASHWELL_SHA512_ROUND(v2, v3, v4, v5, v6, v7, v0, v1, x, y, 6)
            HASHWELL_SHA512_ROUND(v1, v2, v3, v4, v5, v6, v7, v0, y, x, 7)
            : [v0] "+r"(v0), [v1] "+r"(v1), [v2] "+r"(v2), [v3] "+r"(v3), [v4] "+r"(v4),
              [v5] "+r"(v5), [v6] "+r"(v6), [v7] "+r"(v7), [x] "+r"(x), [y] "+r"(y),
              [s0] "+r"(s0), [t0] "=&r"(t0)
            : [kw] "r"(kw) HASHWELL_SHA512_READS(kw)
            : HASHWELL_SHA512_CLOBBERS);
        // clang-format on
    }
};

#undef HASHWELL_SHA512_ROUND
#undef HASHWELL_SHA512_READS
#undef HASHWELL_SHA512_CLOBBERS

// The 160 rounds of a pair of blocks, with the 32 schedule steps of the next pair two to each
// of the first sixteen groups of eight rounds. A group of four groups brings the schedule's
// ring of registers back round, so the loop runs over those.
[[gnu::always_inline]] inline void PairWithNextSchedule(Word64* state, const PairWords& kw,
                                                        PairSchedule& next) {
    const Word64* words = &kw[0][0];
    WorkingWords working;
    working.Start(state);
    for (int turn = 0; turn < 4; ++turn, words += 32) {
#pragma GCC unroll 4
        for (int group = 0; group < 4; ++group) {
            working.EightRounds(words + 8 * group);
            const int t = 16 + 16 * turn + 4 * group;
            next.Step(2 * group, t);
            next.Step(2 * group + 1, t + 2);
            if (turn == 2 && group == 1) {  // the first block ends after 80 rounds
                working.AddTo(state);
                working.Start(state);
            }
        }
    }
    for (int group = 0; group < 4; ++group, words += 8) {
        working.EightRounds(words);
    }
    working.AddTo(state);
}

void BlockRounds(Word64* state, const Word64* kw) {
    WorkingWords working;
    working.Start(state);
    for (int group = 0; group < 10; ++group) {
        working.EightRounds(kw + 8 * group);
    }
    working.AddTo(state);
}

}  // namespace

void Sha512CompressAvx2(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count) {
    alignas(32) PairWords kw[2];
    int current = 0;
    if (count >= 2) {
        PairSchedule(blocks, blocks + 128, kw[current]).AllSteps();
    }
    for (; count >= 2; count -= 2, blocks += 256, current ^= 1) {
        if (count >= 4) {
            PairSchedule next(blocks + 256, blocks + 384, kw[current ^ 1]);
            PairWithNextSchedule(state, kw[current], next);
        } else {
            BlockRounds(state, kw[current][0]);
            BlockRounds(state, kw[current][1]);
        }
    }
    if (count == 1) {
        PairSchedule(blocks, blocks, kw[current]).AllSteps();
        BlockRounds(state, kw[current][0]);
    }
    // Leave the upper halves clean: SSE code after dirty AVX state runs slower.
    _mm256_zeroupper();
}

}  // namespace hashwell::digest
