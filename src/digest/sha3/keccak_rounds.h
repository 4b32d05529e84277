#pragma once

// The Keccak-f[1600] round constants and tables every kernel shares, and the portable rounds.
// The BMI kernel includes this for the constants and so gets its own copy of the rounds: every
// function here has internal linkage and calls no function that has not (no std::rotl), so a
// copy built for BMI can never stand in for the portable one.

#include <cstdint>

namespace hashwell::digest {

inline constexpr int kKeccakRounds = 24;
inline constexpr std::uint64_t kKeccakRoundConstants[kKeccakRounds] = {
    0x0000000000000001, 0x0000000000008082, 0x800000000000808a, 0x8000000080008000,
    0x000000000000808b, 0x0000000080000001, 0x8000000080008081, 0x8000000000008009,
    0x000000000000008a, 0x0000000000000088, 0x0000000080008009, 0x000000008000000a,
    0x000000008000808b, 0x800000000000008b, 0x8000000000008089, 0x8000000000008003,
    0x8000000000008002, 0x8000000000000080, 0x000000000000800a, 0x800000008000000a,
    0x8000000080008081, 0x8000000000008080, 0x0000000080000001, 0x8000000080008008,
};

namespace {

[[gnu::always_inline]] inline std::uint64_t RotL(std::uint64_t x, int n) {
    return n == 0 ? x : (x << n) | (x >> (64 - n));
}

// Where rho and pi take each lane from, and by how much they rotate it: lane i of the result
// (x + 5y) is lane kSource[i] of the input, theta applied, rotated left by kRotation[i].
constexpr int kSource[25] = {0,  6,  12, 18, 24, 3,  9,  10, 16, 22, 1,  7, 13,
                             19, 20, 4,  5,  11, 17, 23, 2,  8,  14, 15, 21};
constexpr int kRotation[25] = {0, 44, 43, 21, 14, 28, 20, 3,  45, 61, 1,  6, 25,
                               8, 18, 27, 36, 10, 15, 56, 62, 55, 39, 41, 2};

// One round from `a` into `e`. Row by row: the five lanes a row of chi needs are made just
// before it, so only a handful of temporaries are alive at any time.
[[gnu::always_inline]] inline void KeccakRound(const std::uint64_t (&a)[25], std::uint64_t (&e)[25],
                                               std::uint64_t roundConstant) {
    std::uint64_t c[5];
#pragma GCC unroll 5
    for (int x = 0; x < 5; ++x) {
        c[x] = a[x] ^ a[x + 5] ^ a[x + 10] ^ a[x + 15] ^ a[x + 20];
    }
    std::uint64_t d[5];
#pragma GCC unroll 5
    for (int x = 0; x < 5; ++x) {
        d[x] = c[(x + 4) % 5] ^ RotL(c[(x + 1) % 5], 1);
    }
#pragma GCC unroll 5
    for (int y = 0; y < 5; ++y) {
        std::uint64_t b[5];
#pragma GCC unroll 5
        for (int x = 0; x < 5; ++x) {
            const int i = 5 * y + x;
            b[x] = RotL(a[kSource[i]] ^ d[kSource[i] % 5], kRotation[i]);
        }
#pragma GCC unroll 5
        for (int x = 0; x < 5; ++x) {
            e[5 * y + x] = b[x] ^ (~b[(x + 1) % 5] & b[(x + 2) % 5]);
        }
    }
    e[0] ^= roundConstant;
}

[[gnu::always_inline]] inline void KeccakRounds(std::uint64_t* lanes) {
    std::uint64_t a[25];
    std::uint64_t e[25];
    for (int i = 0; i < 25; ++i) {
        a[i] = lanes[i];
    }
    // Two rounds a turn, so that the two sets of lanes swap roles without copying.
    for (int round = 0; round < kKeccakRounds; round += 2) {
        KeccakRound(a, e, kKeccakRoundConstants[round]);
        KeccakRound(e, a, kKeccakRoundConstants[round + 1]);
    }
    for (int i = 0; i < 25; ++i) {
        lanes[i] = a[i];
    }
}

}  // namespace
}  // namespace hashwell::digest
