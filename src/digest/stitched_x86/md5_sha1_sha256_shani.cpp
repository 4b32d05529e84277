// MD5, SHA-1 and SHA-256 of the same block in one stream of instructions. MD5 is a chain of
// dependent integer additions that leaves most execution ports idle; SHA-1 and SHA-256 run on
// the SHA extensions' unit. Interleaved in sixteen slots per block (four MD5 steps, four SHA-256
// rounds and five SHA-1 rounds each, on average), the out-of-order core runs them side by side,
// so the three cost little more than MD5 alone. The code is plain intrinsics: laid out in this
// order, the compiler's schedule keeps the three interleaved.

#include <immintrin.h>

#include <utility>

#include "digest/sha2_32/sha256_compress.h"
#include "digest/stitched/md5_sha1_sha256_compress.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

#define HASHWELL_INLINE [[gnu::always_inline]] inline

constexpr Word kMd5Constants[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};
constexpr int kMd5Shifts[4][4] = {
    {7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

struct Md5State {
    Word v[4];  // a, b, c, d
};

struct Sha1State {
    __m128i abcd, e0, e1;
    __m128i w[4];  // the schedule, four words per register, in a ring
};

struct Sha256State {
    __m128i abef, cdgh;
    __m128i w[4];
};

HASHWELL_INLINE Word Rotl(Word x, int s) {
    return (x << s) | (x >> (32 - s));
}

// Step I of the RFC: a = b + ((a + f(b,c,d) + x[k] + t) <<< s), the roles of a, b, c and d
// moving one place each step.
template <int I>
HASHWELL_INLINE void Md5Step(Md5State& m, const std::uint8_t* block) {
    constexpr int kRound = I / 16;
    constexpr int kTarget = (4 - I % 4) % 4;
    constexpr int kWord = kRound == 0   ? I
                          : kRound == 1 ? (5 * I + 1) % 16
                          : kRound == 2 ? (3 * I + 5) % 16
                                        : (7 * I) % 16;
    Word& a = m.v[kTarget];
    const Word b = m.v[(kTarget + 1) % 4];
    const Word c = m.v[(kTarget + 2) % 4];
    const Word d = m.v[(kTarget + 3) % 4];
    Word x;
    __builtin_memcpy(&x, block + 4 * kWord, 4);  // little-endian, as the processor
    Word sum = a + x + kMd5Constants[I];
    if constexpr (kRound == 0) {
        sum += d ^ (b & (c ^ d));
    } else if constexpr (kRound == 1) {
        sum += (c & ~d) + (b & d);  // the halves share no bit: "or" is an addition
    } else if constexpr (kRound == 2) {
        sum += b ^ c ^ d;
    } else {
        sum += c ^ (b | ~d);
    }
    a = b + Rotl(sum, kMd5Shifts[kRound][I % 4]);
}

// Rounds 4G .. 4G+3 of SHA-1.
template <int G>
HASHWELL_INLINE void Sha1Group(Sha1State& s, const std::uint8_t* block) {
    if constexpr (G < 4) {
        const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607ULL, 0x08090a0b0c0d0e0fULL);
        s.w[G] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * G)),
                                  byteSwap);
    }
    // E for these four rounds comes from the A of four rounds ago, held in e0 or e1.
    __m128i& e = G % 2 == 0 ? s.e0 : s.e1;
    __m128i& nextE = G % 2 == 0 ? s.e1 : s.e0;
    e = G == 0 ? _mm_add_epi32(e, s.w[0]) : _mm_sha1nexte_epu32(e, s.w[G % 4]);
    nextE = s.abcd;
    if constexpr (G >= 3 && G <= 18) {
        s.w[(G + 1) % 4] = _mm_sha1msg2_epu32(s.w[(G + 1) % 4], s.w[G % 4]);
    }
    s.abcd = _mm_sha1rnds4_epu32(s.abcd, e, G / 5);
    if constexpr (G >= 1 && G <= 16) {
        s.w[(G + 3) % 4] = _mm_sha1msg1_epu32(s.w[(G + 3) % 4], s.w[G % 4]);
    }
    if constexpr (G >= 2 && G <= 17) {
        s.w[(G + 2) % 4] = _mm_xor_si128(s.w[(G + 2) % 4], s.w[G % 4]);
    }
}

// Rounds 4G .. 4G+3 of SHA-256.
template <int G>
HASHWELL_INLINE void Sha256Group(Sha256State& s, const std::uint8_t* block) {
    if constexpr (G < 4) {
        const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
        s.w[G] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * G)),
                                  byteSwap);
    }
    __m128i message = _mm_add_epi32(
        s.w[G % 4],
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kSha256RoundConstants[4 * G])));
    s.cdgh = _mm_sha256rnds2_epu32(s.cdgh, s.abef, message);
    if constexpr (G >= 3 && G <= 14) {
        __m128i& next = s.w[(G + 1) % 4];
        next = _mm_add_epi32(next, _mm_alignr_epi8(s.w[G % 4], s.w[(G + 3) % 4], 4));
        next = _mm_sha256msg2_epu32(next, s.w[G % 4]);
    }
    message = _mm_shuffle_epi32(message, 0x0E);
    s.abef = _mm_sha256rnds2_epu32(s.abef, s.cdgh, message);
    if constexpr (G >= 1 && G <= 12) {
        s.w[(G + 3) % 4] = _mm_sha256msg1_epu32(s.w[(G + 3) % 4], s.w[G % 4]);
    }
}

// The SHA-1 groups of slot S: twenty groups spread over sixteen slots.
template <int S, std::size_t... Groups>
HASHWELL_INLINE void Sha1GroupsOfSlot(Sha1State& s, const std::uint8_t* block,
                                      std::index_sequence<Groups...>) {
    ((static_cast<int>(Groups) * 16 / 20 == S ? Sha1Group<static_cast<int>(Groups)>(s, block)
                                              : void()),
     ...);
}

template <int S>
HASHWELL_INLINE void Slot(Md5State& m, Sha1State& s1, Sha256State& s2, const std::uint8_t* block) {
    Md5Step<4 * S>(m, block);
    Sha256Group<S>(s2, block);
    Md5Step<4 * S + 1>(m, block);
    Sha1GroupsOfSlot<S>(s1, block, std::make_index_sequence<20>());
    Md5Step<4 * S + 2>(m, block);
    Md5Step<4 * S + 3>(m, block);
}

template <std::size_t... Slots>
HASHWELL_INLINE void Block(Md5State& m, Sha1State& s1, Sha256State& s2, const std::uint8_t* block,
                           std::index_sequence<Slots...>) {
    (Slot<static_cast<int>(Slots)>(m, s1, s2, block), ...);
}

}  // namespace

void Md5Sha1Sha256CompressShaNi(std::uint32_t* md5, std::uint32_t* sha1, std::uint32_t* sha256,
                                const std::uint8_t* blocks, std::size_t count) {
    Md5State m{{md5[0], md5[1], md5[2], md5[3]}};

    Sha1State s1;
    s1.abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sha1)), 0x1B);
    s1.e0 = _mm_set_epi32(static_cast<int>(sha1[4]), 0, 0, 0);
    s1.e1 = _mm_setzero_si128();

    // SHA-256's state as the register pair ABEF/CDGH the instructions expect.
    Sha256State s2;
    const __m128i dcba =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sha256)), 0xB1);
    const __m128i efgh =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sha256 + 4)), 0x1B);
    s2.abef = _mm_alignr_epi8(dcba, efgh, 8);
    s2.cdgh = _mm_blend_epi16(efgh, dcba, 0xF0);

    for (; count > 0; --count, blocks += 64) {
        const Md5State md5Before = m;
        const __m128i abcdBefore = s1.abcd;
        const __m128i eBefore = s1.e0;
        const __m128i abefBefore = s2.abef;
        const __m128i cdghBefore = s2.cdgh;

        Block(m, s1, s2, blocks, std::make_index_sequence<16>());

        for (int i = 0; i < 4; ++i) {
            m.v[i] += md5Before.v[i];
        }
        s1.e0 = _mm_sha1nexte_epu32(s1.e0, eBefore);
        s1.abcd = _mm_add_epi32(s1.abcd, abcdBefore);
        s2.abef = _mm_add_epi32(s2.abef, abefBefore);
        s2.cdgh = _mm_add_epi32(s2.cdgh, cdghBefore);
    }

    for (int i = 0; i < 4; ++i) {
        md5[i] = m.v[i];
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sha1), _mm_shuffle_epi32(s1.abcd, 0x1B));
    sha1[4] = static_cast<std::uint32_t>(_mm_extract_epi32(s1.e0, 3));
    const __m128i feba = _mm_shuffle_epi32(s2.abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(s2.cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sha256), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sha256 + 4), _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace hashwell::digest
