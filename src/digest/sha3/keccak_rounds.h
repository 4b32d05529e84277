#pragma once

// The Keccak-f[1600] rounds, written once for every kernel that differs from the portable one
// only in the instructions the compiler may use (BMI's and-not makes chi one instruction a
// lane, which is what lane complementing achieves without it). Each kernel's file includes this
// and gets its own copy: everything here has internal linkage.

#include <array>
#include <bit>
#include <cstdint>

namespace hashwell::digest {

inline constexpr std::array<std::uint64_t, 24> kKeccakRoundConstants = {
    0x0000000000000001, 0x0000000000008082, 0x800000000000808a, 0x8000000080008000,
    0x000000000000808b, 0x0000000080000001, 0x8000000080008081, 0x8000000000008009,
    0x000000000000008a, 0x0000000000000088, 0x0000000080008009, 0x000000008000000a,
    0x000000008000808b, 0x800000000000008b, 0x8000000000008089, 0x8000000000008003,
    0x8000000000008002, 0x8000000000000080, 0x000000000000800a, 0x800000008000000a,
    0x8000000080008081, 0x8000000000008080, 0x0000000080000001, 0x8000000080008008,
};

namespace {

[[gnu::always_inline]] inline void KeccakRounds(std::uint64_t* lanes) {
    // Written out lane by lane so that the compiler keeps the state in registers; aNN is
    // lane NN = x + 5y of the standard.
    std::uint64_t a00 = lanes[0], a01 = lanes[1], a02 = lanes[2], a03 = lanes[3], a04 = lanes[4];
    std::uint64_t a05 = lanes[5], a06 = lanes[6], a07 = lanes[7], a08 = lanes[8], a09 = lanes[9];
    std::uint64_t a10 = lanes[10], a11 = lanes[11], a12 = lanes[12], a13 = lanes[13],
                  a14 = lanes[14];
    std::uint64_t a15 = lanes[15], a16 = lanes[16], a17 = lanes[17], a18 = lanes[18],
                  a19 = lanes[19];
    std::uint64_t a20 = lanes[20], a21 = lanes[21], a22 = lanes[22], a23 = lanes[23],
                  a24 = lanes[24];
    for (const std::uint64_t roundConstant : kKeccakRoundConstants) {
        // theta
        const std::uint64_t c0 = a00 ^ a05 ^ a10 ^ a15 ^ a20;
        const std::uint64_t c1 = a01 ^ a06 ^ a11 ^ a16 ^ a21;
        const std::uint64_t c2 = a02 ^ a07 ^ a12 ^ a17 ^ a22;
        const std::uint64_t c3 = a03 ^ a08 ^ a13 ^ a18 ^ a23;
        const std::uint64_t c4 = a04 ^ a09 ^ a14 ^ a19 ^ a24;
        const std::uint64_t d0 = c4 ^ std::rotl(c1, 1);
        const std::uint64_t d1 = c0 ^ std::rotl(c2, 1);
        const std::uint64_t d2 = c1 ^ std::rotl(c3, 1);
        const std::uint64_t d3 = c2 ^ std::rotl(c4, 1);
        const std::uint64_t d4 = c3 ^ std::rotl(c0, 1);
        // rho and pi: lane (x, y) moves to (y, 2x + 3y mod 5)
        const std::uint64_t b00 = a00 ^ d0;
        const std::uint64_t b01 = std::rotl(a06 ^ d1, 44);
        const std::uint64_t b02 = std::rotl(a12 ^ d2, 43);
        const std::uint64_t b03 = std::rotl(a18 ^ d3, 21);
        const std::uint64_t b04 = std::rotl(a24 ^ d4, 14);
        const std::uint64_t b05 = std::rotl(a03 ^ d3, 28);
        const std::uint64_t b06 = std::rotl(a09 ^ d4, 20);
        const std::uint64_t b07 = std::rotl(a10 ^ d0, 3);
        const std::uint64_t b08 = std::rotl(a16 ^ d1, 45);
        const std::uint64_t b09 = std::rotl(a22 ^ d2, 61);
        const std::uint64_t b10 = std::rotl(a01 ^ d1, 1);
        const std::uint64_t b11 = std::rotl(a07 ^ d2, 6);
        const std::uint64_t b12 = std::rotl(a13 ^ d3, 25);
        const std::uint64_t b13 = std::rotl(a19 ^ d4, 8);
        const std::uint64_t b14 = std::rotl(a20 ^ d0, 18);
        const std::uint64_t b15 = std::rotl(a04 ^ d4, 27);
        const std::uint64_t b16 = std::rotl(a05 ^ d0, 36);
        const std::uint64_t b17 = std::rotl(a11 ^ d1, 10);
        const std::uint64_t b18 = std::rotl(a17 ^ d2, 15);
        const std::uint64_t b19 = std::rotl(a23 ^ d3, 56);
        const std::uint64_t b20 = std::rotl(a02 ^ d2, 62);
        const std::uint64_t b21 = std::rotl(a08 ^ d3, 55);
        const std::uint64_t b22 = std::rotl(a14 ^ d4, 39);
        const std::uint64_t b23 = std::rotl(a15 ^ d0, 41);
        const std::uint64_t b24 = std::rotl(a21 ^ d1, 2);
        // chi, then iota
        a00 = b00 ^ (~b01 & b02);
        a01 = b01 ^ (~b02 & b03);
        a02 = b02 ^ (~b03 & b04);
        a03 = b03 ^ (~b04 & b00);
        a04 = b04 ^ (~b00 & b01);
        a05 = b05 ^ (~b06 & b07);
        a06 = b06 ^ (~b07 & b08);
        a07 = b07 ^ (~b08 & b09);
        a08 = b08 ^ (~b09 & b05);
        a09 = b09 ^ (~b05 & b06);
        a10 = b10 ^ (~b11 & b12);
        a11 = b11 ^ (~b12 & b13);
        a12 = b12 ^ (~b13 & b14);
        a13 = b13 ^ (~b14 & b10);
        a14 = b14 ^ (~b10 & b11);
        a15 = b15 ^ (~b16 & b17);
        a16 = b16 ^ (~b17 & b18);
        a17 = b17 ^ (~b18 & b19);
        a18 = b18 ^ (~b19 & b15);
        a19 = b19 ^ (~b15 & b16);
        a20 = b20 ^ (~b21 & b22);
        a21 = b21 ^ (~b22 & b23);
        a22 = b22 ^ (~b23 & b24);
        a23 = b23 ^ (~b24 & b20);
        a24 = b24 ^ (~b20 & b21);
        a00 ^= roundConstant;
    }
    lanes[0] = a00;
    lanes[1] = a01;
    lanes[2] = a02;
    lanes[3] = a03;
    lanes[4] = a04;
    lanes[5] = a05;
    lanes[6] = a06;
    lanes[7] = a07;
    lanes[8] = a08;
    lanes[9] = a09;
    lanes[10] = a10;
    lanes[11] = a11;
    lanes[12] = a12;
    lanes[13] = a13;
    lanes[14] = a14;
    lanes[15] = a15;
    lanes[16] = a16;
    lanes[17] = a17;
    lanes[18] = a18;
    lanes[19] = a19;
    lanes[20] = a20;
    lanes[21] = a21;
    lanes[22] = a22;
    lanes[23] = a23;
    lanes[24] = a24;
}

}  // namespace
}  // namespace hashwell::digest
