#pragma once

// BLAKE3's compression on vector registers, for the x86 kernel files only. Each file includes
// this and gets its own copies, built with its own instruction-set flags: everything here has
// internal linkage, and only the register widths the file's flags offer are defined.
//
// Two layouts. One block at a time keeps the state's four rows in four 128-bit registers and
// turns the columns into diagonals by rotating rows 1 to 3 by one, two and three words. Many
// inputs side by side keep each of the sixteen state words in a register of its own, one input
// per 32-bit lane, and the message words likewise, transposed from the inputs as they load.
// With AVX-512VL every rotation is one vprord; without it, 16 and 8 are byte shuffles.

#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "digest/blake3/blake3_compress.h"

namespace hashwell::digest {
namespace {

#define HASHWELL_INLINE [[gnu::always_inline]] inline

// Four lanes: SSE4.1 (or its VEX form), and the one-block layout's rows.
struct Lanes4 {
    using V = __m128i;
    static constexpr std::size_t kCount = 4;

    HASHWELL_INLINE static V Set1(std::uint32_t x) { return _mm_set1_epi32(static_cast<int>(x)); }
    HASHWELL_INLINE static V Load(const void* at) {
        return _mm_loadu_si128(static_cast<const __m128i*>(at));
    }
    HASHWELL_INLINE static void Store(void* at, V x) {
        _mm_storeu_si128(static_cast<__m128i*>(at), x);
    }
    HASHWELL_INLINE static V Add(V a, V b) { return _mm_add_epi32(a, b); }
    HASHWELL_INLINE static V Xor(V a, V b) { return _mm_xor_si128(a, b); }
#ifdef __AVX512VL__
    HASHWELL_INLINE static V Rot16(V x) {
        return _mm_ror_epi32(x, 16);
    }
    HASHWELL_INLINE static V Rot12(V x) {
        return _mm_ror_epi32(x, 12);
    }
    HASHWELL_INLINE static V Rot8(V x) {
        return _mm_ror_epi32(x, 8);
    }
    HASHWELL_INLINE static V Rot7(V x) {
        return _mm_ror_epi32(x, 7);
    }
#else
    HASHWELL_INLINE static V Rot16(V x) {
        return _mm_shuffle_epi8(x,
                                _mm_set_epi8(13, 12, 15, 14, 9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2));
    }
    HASHWELL_INLINE static V Rot12(V x) {
        return _mm_or_si128(_mm_srli_epi32(x, 12), _mm_slli_epi32(x, 20));
    }
    HASHWELL_INLINE static V Rot8(V x) {
        return _mm_shuffle_epi8(x,
                                _mm_set_epi8(12, 15, 14, 13, 8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1));
    }
    HASHWELL_INLINE static V Rot7(V x) {
        return _mm_or_si128(_mm_srli_epi32(x, 7), _mm_slli_epi32(x, 25));
    }
#endif

    // Rows become columns: r[t]'s lane i is r[i]'s lane t.
    HASHWELL_INLINE static void Transpose(V (&r)[4]) {
        const V a0 = _mm_unpacklo_epi32(r[0], r[1]);
        const V a1 = _mm_unpackhi_epi32(r[0], r[1]);
        const V a2 = _mm_unpacklo_epi32(r[2], r[3]);
        const V a3 = _mm_unpackhi_epi32(r[2], r[3]);
        r[0] = _mm_unpacklo_epi64(a0, a2);
        r[1] = _mm_unpackhi_epi64(a0, a2);
        r[2] = _mm_unpacklo_epi64(a1, a3);
        r[3] = _mm_unpackhi_epi64(a1, a3);
    }
    HASHWELL_INLINE static void LoadMessage(const std::uint8_t* const* inputs, std::size_t offset,
                                            V (&m)[16]) {
#pragma GCC unroll 4
        for (std::size_t q = 0; q < 4; ++q) {
            V r[4];
#pragma GCC unroll 4
            for (std::size_t i = 0; i < 4; ++i) {
                r[i] = Load(inputs[i] + offset + 16 * q);
            }
            Transpose(r);
#pragma GCC unroll 4
            for (std::size_t t = 0; t < 4; ++t) {
                m[4 * q + t] = r[t];
            }
        }
    }
    HASHWELL_INLINE static void StoreChainingValues(const V (&h)[8], std::uint8_t* out) {
        V low[4] = {h[0], h[1], h[2], h[3]};
        V high[4] = {h[4], h[5], h[6], h[7]};
        Transpose(low);
        Transpose(high);
#pragma GCC unroll 4
        for (std::size_t i = 0; i < 4; ++i) {
            Store(out + 32 * i, low[i]);
            Store(out + 32 * i + 16, high[i]);
        }
    }
};

#ifdef __AVX2__
// Eight lanes: AVX2, or AVX-512VL's 256-bit forms.
struct Lanes8 {
    using V = __m256i;
    static constexpr std::size_t kCount = 8;

    HASHWELL_INLINE static V Set1(std::uint32_t x) {
        return _mm256_set1_epi32(static_cast<int>(x));
    }
    HASHWELL_INLINE static V Load(const void* at) {
        return _mm256_loadu_si256(static_cast<const __m256i*>(at));
    }
    HASHWELL_INLINE static void Store(void* at, V x) {
        _mm256_storeu_si256(static_cast<__m256i*>(at), x);
    }
    HASHWELL_INLINE static V Add(V a, V b) { return _mm256_add_epi32(a, b); }
    HASHWELL_INLINE static V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
#ifdef __AVX512VL__
    HASHWELL_INLINE static V Rot16(V x) {
        return _mm256_ror_epi32(x, 16);
    }
    HASHWELL_INLINE static V Rot12(V x) {
        return _mm256_ror_epi32(x, 12);
    }
    HASHWELL_INLINE static V Rot8(V x) {
        return _mm256_ror_epi32(x, 8);
    }
    HASHWELL_INLINE static V Rot7(V x) {
        return _mm256_ror_epi32(x, 7);
    }
#else
    HASHWELL_INLINE static V Rot16(V x) {
        return _mm256_shuffle_epi8(
            x, _mm256_set_epi8(13, 12, 15, 14, 9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2, 13, 12, 15, 14,
                               9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2));
    }
    HASHWELL_INLINE static V Rot12(V x) {
        return _mm256_or_si256(_mm256_srli_epi32(x, 12), _mm256_slli_epi32(x, 20));
    }
    HASHWELL_INLINE static V Rot8(V x) {
        return _mm256_shuffle_epi8(
            x, _mm256_set_epi8(12, 15, 14, 13, 8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1, 12, 15, 14, 13,
                               8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1));
    }
    HASHWELL_INLINE static V Rot7(V x) {
        return _mm256_or_si256(_mm256_srli_epi32(x, 7), _mm256_slli_epi32(x, 25));
    }
#endif

    // Rows become columns: r[t]'s lane i is r[i]'s lane t. Within each 128-bit half as with
    // four lanes; then the halves trade places.
    HASHWELL_INLINE static void Transpose(V (&r)[8]) {
        V a[8];
#pragma GCC unroll 4
        for (std::size_t p = 0; p < 8; p += 2) {
            a[p] = _mm256_unpacklo_epi32(r[p], r[p + 1]);
            a[p + 1] = _mm256_unpackhi_epi32(r[p], r[p + 1]);
        }
        V b[8];  // b[4g + t]'s half k: word 4k + t of rows 4g to 4g + 3
#pragma GCC unroll 2
        for (std::size_t g = 0; g < 8; g += 4) {
            b[g] = _mm256_unpacklo_epi64(a[g], a[g + 2]);
            b[g + 1] = _mm256_unpackhi_epi64(a[g], a[g + 2]);
            b[g + 2] = _mm256_unpacklo_epi64(a[g + 1], a[g + 3]);
            b[g + 3] = _mm256_unpackhi_epi64(a[g + 1], a[g + 3]);
        }
#pragma GCC unroll 4
        for (std::size_t t = 0; t < 4; ++t) {
            r[t] = _mm256_permute2x128_si256(b[t], b[4 + t], 0x20);
            r[4 + t] = _mm256_permute2x128_si256(b[t], b[4 + t], 0x31);
        }
    }
    HASHWELL_INLINE static void LoadMessage(const std::uint8_t* const* inputs, std::size_t offset,
                                            V (&m)[16]) {
#pragma GCC unroll 2
        for (std::size_t half = 0; half < 2; ++half) {
            V r[8];
#pragma GCC unroll 8
            for (std::size_t i = 0; i < 8; ++i) {
                r[i] = Load(inputs[i] + offset + 32 * half);
            }
            Transpose(r);
#pragma GCC unroll 8
            for (std::size_t t = 0; t < 8; ++t) {
                m[8 * half + t] = r[t];
            }
        }
    }
    HASHWELL_INLINE static void StoreChainingValues(const V (&h)[8], std::uint8_t* out) {
        V r[8] = {h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7]};
        Transpose(r);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < 8; ++i) {
            Store(out + 32 * i, r[i]);
        }
    }
};
#endif

#if defined(__AVX512F__) && defined(__AVX512VL__)
// Sixteen lanes: AVX-512.
struct Lanes16 {
    using V = __m512i;
    static constexpr std::size_t kCount = 16;

    HASHWELL_INLINE static V Set1(std::uint32_t x) {
        return _mm512_set1_epi32(static_cast<int>(x));
    }
    HASHWELL_INLINE static V Load(const void* at) { return _mm512_loadu_si512(at); }
    HASHWELL_INLINE static V Add(V a, V b) { return _mm512_add_epi32(a, b); }
    HASHWELL_INLINE static V Xor(V a, V b) { return _mm512_xor_si512(a, b); }
    HASHWELL_INLINE static V Rot16(V x) { return _mm512_ror_epi32(x, 16); }
    HASHWELL_INLINE static V Rot12(V x) { return _mm512_ror_epi32(x, 12); }
    HASHWELL_INLINE static V Rot8(V x) { return _mm512_ror_epi32(x, 8); }
    HASHWELL_INLINE static V Rot7(V x) { return _mm512_ror_epi32(x, 7); }

    // Rows become columns: r[t]'s lane i is r[i]'s lane t. Within each 128-bit quarter as with
    // four lanes; then the quarters, as a 4 x 4 matrix of their own, are transposed in two
    // steps.
    HASHWELL_INLINE static void Transpose(V (&r)[16]) {
        V a[16];
#pragma GCC unroll 8
        for (std::size_t p = 0; p < 16; p += 2) {
            a[p] = _mm512_unpacklo_epi32(r[p], r[p + 1]);
            a[p + 1] = _mm512_unpackhi_epi32(r[p], r[p + 1]);
        }
        V b[16];  // b[4g + t]'s quarter k: word 4k + t of rows 4g to 4g + 3
#pragma GCC unroll 4
        for (std::size_t g = 0; g < 16; g += 4) {
            b[g] = _mm512_unpacklo_epi64(a[g], a[g + 2]);
            b[g + 1] = _mm512_unpackhi_epi64(a[g], a[g + 2]);
            b[g + 2] = _mm512_unpacklo_epi64(a[g + 1], a[g + 3]);
            b[g + 3] = _mm512_unpackhi_epi64(a[g + 1], a[g + 3]);
        }
#pragma GCC unroll 4
        for (std::size_t t = 0; t < 4; ++t) {
            const V c0 = _mm512_shuffle_i32x4(b[t], b[4 + t], _MM_SHUFFLE(1, 0, 1, 0));
            const V c1 = _mm512_shuffle_i32x4(b[t], b[4 + t], _MM_SHUFFLE(3, 2, 3, 2));
            const V c2 = _mm512_shuffle_i32x4(b[8 + t], b[12 + t], _MM_SHUFFLE(1, 0, 1, 0));
            const V c3 = _mm512_shuffle_i32x4(b[8 + t], b[12 + t], _MM_SHUFFLE(3, 2, 3, 2));
            r[t] = _mm512_shuffle_i32x4(c0, c2, _MM_SHUFFLE(2, 0, 2, 0));
            r[4 + t] = _mm512_shuffle_i32x4(c0, c2, _MM_SHUFFLE(3, 1, 3, 1));
            r[8 + t] = _mm512_shuffle_i32x4(c1, c3, _MM_SHUFFLE(2, 0, 2, 0));
            r[12 + t] = _mm512_shuffle_i32x4(c1, c3, _MM_SHUFFLE(3, 1, 3, 1));
        }
    }
    HASHWELL_INLINE static void LoadMessage(const std::uint8_t* const* inputs, std::size_t offset,
                                            V (&m)[16]) {
#pragma GCC unroll 16
        for (std::size_t i = 0; i < 16; ++i) {
            m[i] = Load(inputs[i] + offset);
        }
        Transpose(m);
    }
    // Each 256-bit half holds eight inputs' words: transposed as with eight lanes.
    HASHWELL_INLINE static void StoreChainingValues(const V (&h)[8], std::uint8_t* out) {
        __m256i low[8];
        __m256i high[8];
#pragma GCC unroll 8
        for (std::size_t i = 0; i < 8; ++i) {
            low[i] = _mm512_castsi512_si256(h[i]);
            high[i] = _mm512_extracti64x4_epi64(h[i], 1);
        }
        Lanes8::Transpose(low);
        Lanes8::Transpose(high);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < 8; ++i) {
            Lanes8::Store(out + 32 * i, low[i]);
            Lanes8::Store(out + 32 * (8 + i), high[i]);
        }
    }
};
#endif

template <class L>
HASHWELL_INLINE void Mix(typename L::V& a, typename L::V& b, typename L::V& c, typename L::V& d,
                         typename L::V x, typename L::V y) {
    a = L::Add(L::Add(a, b), x);
    d = L::Rot16(L::Xor(d, a));
    c = L::Add(c, d);
    b = L::Rot12(L::Xor(b, c));
    a = L::Add(L::Add(a, b), y);
    d = L::Rot8(L::Xor(d, a));
    c = L::Add(c, d);
    b = L::Rot7(L::Xor(b, c));
}

// One block, its state in rows.

HASHWELL_INLINE __m128i GatherWords(const std::uint32_t (&m)[16], int w0, int w1, int w2, int w3) {
    return _mm_set_epi32(static_cast<int>(m[w3]), static_cast<int>(m[w2]), static_cast<int>(m[w1]),
                         static_cast<int>(m[w0]));
}

template <class L, std::size_t R>
HASHWELL_INLINE void RowRound(__m128i (&row)[4], const std::uint32_t (&m)[16]) {
    constexpr const std::uint8_t* s = kBlake3Schedule[R];
    Mix<L>(row[0], row[1], row[2], row[3], GatherWords(m, s[0], s[2], s[4], s[6]),
           GatherWords(m, s[1], s[3], s[5], s[7]));
    // The diagonals into the columns: words 5, 10 and 15 under word 0, and so on.
    row[1] = _mm_shuffle_epi32(row[1], _MM_SHUFFLE(0, 3, 2, 1));
    row[2] = _mm_shuffle_epi32(row[2], _MM_SHUFFLE(1, 0, 3, 2));
    row[3] = _mm_shuffle_epi32(row[3], _MM_SHUFFLE(2, 1, 0, 3));
    Mix<L>(row[0], row[1], row[2], row[3], GatherWords(m, s[8], s[10], s[12], s[14]),
           GatherWords(m, s[9], s[11], s[13], s[15]));
    row[1] = _mm_shuffle_epi32(row[1], _MM_SHUFFLE(2, 1, 0, 3));
    row[2] = _mm_shuffle_epi32(row[2], _MM_SHUFFLE(1, 0, 3, 2));
    row[3] = _mm_shuffle_epi32(row[3], _MM_SHUFFLE(0, 3, 2, 1));
}

template <class L, std::size_t... Rounds>
HASHWELL_INLINE void RowRounds(__m128i (&row)[4], const std::uint32_t (&m)[16],
                               std::index_sequence<Rounds...>) {
    (RowRound<L, Rounds>(row, m), ...);
}

template <class L>
HASHWELL_INLINE void CompressRows(std::uint32_t cv[8], const std::uint8_t block[64],
                                  std::uint8_t blockLength, std::uint64_t counter,
                                  std::uint8_t flags) {
    std::uint32_t m[16];
    std::memcpy(m, block, sizeof m);  // x86 is little-endian, as the message words are
    __m128i row[4] = {L::Load(cv), L::Load(cv + 4),
                      _mm_set_epi32(static_cast<int>(kBlake3Iv[3]), static_cast<int>(kBlake3Iv[2]),
                                    static_cast<int>(kBlake3Iv[1]), static_cast<int>(kBlake3Iv[0])),
                      _mm_set_epi32(flags, blockLength, static_cast<int>(counter >> 32),
                                    static_cast<int>(counter))};
    RowRounds<L>(row, m, std::make_index_sequence<7>());
    L::Store(cv, _mm_xor_si128(row[0], row[2]));
    L::Store(cv + 4, _mm_xor_si128(row[1], row[3]));
}

// Many inputs side by side, each state word in a register of its own.

struct Blake3Job {
    const std::uint8_t* const* inputs;
    std::size_t count;
    std::size_t blocks;
    const std::uint32_t* key;
    std::uint64_t counter;
    bool incrementCounter;
    std::uint8_t flags;
    std::uint8_t flagsStart;
    std::uint8_t flagsEnd;
    std::uint8_t* out;
};

template <class L, std::size_t R>
HASHWELL_INLINE void LaneRound(typename L::V (&v)[16], const typename L::V (&m)[16]) {
    constexpr const std::uint8_t* s = kBlake3Schedule[R];
    Mix<L>(v[0], v[4], v[8], v[12], m[s[0]], m[s[1]]);
    Mix<L>(v[1], v[5], v[9], v[13], m[s[2]], m[s[3]]);
    Mix<L>(v[2], v[6], v[10], v[14], m[s[4]], m[s[5]]);
    Mix<L>(v[3], v[7], v[11], v[15], m[s[6]], m[s[7]]);
    Mix<L>(v[0], v[5], v[10], v[15], m[s[8]], m[s[9]]);
    Mix<L>(v[1], v[6], v[11], v[12], m[s[10]], m[s[11]]);
    Mix<L>(v[2], v[7], v[8], v[13], m[s[12]], m[s[13]]);
    Mix<L>(v[3], v[4], v[9], v[14], m[s[14]], m[s[15]]);
}

template <class L, std::size_t... Rounds>
HASHWELL_INLINE void LaneRounds(typename L::V (&v)[16], const typename L::V (&m)[16],
                                std::index_sequence<Rounds...>) {
    (LaneRound<L, Rounds>(v, m), ...);
}

// The job's first L::kCount inputs.
template <class L>
HASHWELL_INLINE void HashLanes(const Blake3Job& job) {
    using V = typename L::V;
    V h[8];
#pragma GCC unroll 8
    for (std::size_t i = 0; i < 8; ++i) {
        h[i] = L::Set1(job.key[i]);
    }
    // Each lane's counter, its carry into the high word included.
    std::uint32_t counterLow[L::kCount];
    std::uint32_t counterHigh[L::kCount];
    for (std::size_t i = 0; i < L::kCount; ++i) {
        const std::uint64_t counter = job.counter + (job.incrementCounter ? i : 0);
        counterLow[i] = static_cast<std::uint32_t>(counter);
        counterHigh[i] = static_cast<std::uint32_t>(counter >> 32);
    }
    const V low = L::Load(counterLow);
    const V high = L::Load(counterHigh);
    for (std::size_t block = 0; block < job.blocks; ++block) {
        std::uint8_t flags = job.flags;
        if (block == 0) {
            flags |= job.flagsStart;
        }
        if (block + 1 == job.blocks) {
            flags |= job.flagsEnd;
        }
        V m[16];
        L::LoadMessage(job.inputs, block * kBlake3BlockLength, m);
        V v[16] = {h[0],
                   h[1],
                   h[2],
                   h[3],
                   h[4],
                   h[5],
                   h[6],
                   h[7],
                   L::Set1(kBlake3Iv[0]),
                   L::Set1(kBlake3Iv[1]),
                   L::Set1(kBlake3Iv[2]),
                   L::Set1(kBlake3Iv[3]),
                   low,
                   high,
                   L::Set1(static_cast<std::uint32_t>(kBlake3BlockLength)),
                   L::Set1(flags)};
        LaneRounds<L>(v, m, std::make_index_sequence<7>());
#pragma GCC unroll 8
        for (std::size_t i = 0; i < 8; ++i) {
            h[i] = L::Xor(v[i], v[i + 8]);
        }
    }
    L::StoreChainingValues(h, job.out);
}

// Takes as many batches of L::kCount inputs off the job as it holds.
template <class L>
HASHWELL_INLINE void HashBatches(Blake3Job& job) {
    for (; job.count >= L::kCount; job.count -= L::kCount) {
        HashLanes<L>(job);
        job.inputs += L::kCount;
        job.out += L::kCount * kBlake3OutLength;
        if (job.incrementCounter) {
            job.counter += L::kCount;
        }
    }
}

// The job's inputs, one block at a time.
template <class L>
HASHWELL_INLINE void HashEach(Blake3Job& job) {
    for (; job.count > 0; --job.count) {
        std::uint32_t cv[8];
        std::memcpy(cv, job.key, sizeof cv);
        for (std::size_t block = 0; block < job.blocks; ++block) {
            std::uint8_t flags = job.flags;
            if (block == 0) {
                flags |= job.flagsStart;
            }
            if (block + 1 == job.blocks) {
                flags |= job.flagsEnd;
            }
            CompressRows<L>(cv, *job.inputs + block * kBlake3BlockLength, kBlake3BlockLength,
                            job.counter, flags);
        }
        std::memcpy(job.out, cv, sizeof cv);
        ++job.inputs;
        job.out += kBlake3OutLength;
        if (job.incrementCounter) {
            ++job.counter;
        }
    }
}

// All of them: as many as each width in turn takes side by side, widest first, then the rest
// one at a time.
template <class... Widths>
HASHWELL_INLINE void HashMany(const std::uint8_t* const* inputs, std::size_t count,
                              std::size_t blocks, const std::uint32_t key[8], std::uint64_t counter,
                              bool incrementCounter, std::uint8_t flags, std::uint8_t flagsStart,
                              std::uint8_t flagsEnd, std::uint8_t* out) {
    Blake3Job job{inputs,           count, blocks,     key,      counter,
                  incrementCounter, flags, flagsStart, flagsEnd, out};
    (HashBatches<Widths>(job), ...);
    HashEach<Lanes4>(job);
}

}  // namespace
}  // namespace hashwell::digest
