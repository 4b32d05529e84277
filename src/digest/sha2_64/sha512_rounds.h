#pragma once

// The SHA-512 rounds, written once for every kernel that differs from the portable one only in
// the instructions the compiler may use. Each kernel's file includes this and gets its own
// copy: every function here has internal linkage and calls no function that has not (no
// std::rotr, no shared helper), so a copy built for BMI2 can never stand in for the portable
// one at link time.

#include <cstddef>
#include <cstdint>

namespace hashwell::digest {

inline constexpr std::uint64_t kSha512RoundConstants[80] = {
    0x428a2f98d728ae22, 0x7137449123ef65cd, 0xb5c0fbcfec4d3b2f, 0xe9b5dba58189dbbc,
    0x3956c25bf348b538, 0x59f111f1b605d019, 0x923f82a4af194f9b, 0xab1c5ed5da6d8118,
    0xd807aa98a3030242, 0x12835b0145706fbe, 0x243185be4ee4b28c, 0x550c7dc3d5ffb4e2,
    0x72be5d74f27b896f, 0x80deb1fe3b1696b1, 0x9bdc06a725c71235, 0xc19bf174cf692694,
    0xe49b69c19ef14ad2, 0xefbe4786384f25e3, 0x0fc19dc68b8cd5b5, 0x240ca1cc77ac9c65,
    0x2de92c6f592b0275, 0x4a7484aa6ea6e483, 0x5cb0a9dcbd41fbd4, 0x76f988da831153b5,
    0x983e5152ee66dfab, 0xa831c66d2db43210, 0xb00327c898fb213f, 0xbf597fc7beef0ee4,
    0xc6e00bf33da88fc2, 0xd5a79147930aa725, 0x06ca6351e003826f, 0x142929670a0e6e70,
    0x27b70a8546d22ffc, 0x2e1b21385c26c926, 0x4d2c6dfc5ac42aed, 0x53380d139d95b3df,
    0x650a73548baf63de, 0x766a0abb3c77b2a8, 0x81c2c92e47edaee6, 0x92722c851482353b,
    0xa2bfe8a14cf10364, 0xa81a664bbc423001, 0xc24b8b70d0f89791, 0xc76c51a30654be30,
    0xd192e819d6ef5218, 0xd69906245565a910, 0xf40e35855771202a, 0x106aa07032bbd1b8,
    0x19a4c116b8d2d0c8, 0x1e376c085141ab53, 0x2748774cdf8eeb99, 0x34b0bcb5e19b48a8,
    0x391c0cb3c5c95a63, 0x4ed8aa4ae3418acb, 0x5b9cca4f7763e373, 0x682e6ff3d6b2b8a3,
    0x748f82ee5defb2fc, 0x78a5636f43172f60, 0x84c87814a1f0ab72, 0x8cc702081a6439ec,
    0x90befffa23631e28, 0xa4506cebde82bde9, 0xbef9a3f7b2c67915, 0xc67178f2e372532b,
    0xca273eceea26619c, 0xd186b8c721c0c207, 0xeada7dd6cde0eb1e, 0xf57d4f7fee6ed178,
    0x06f067aa72176fba, 0x0a637dc5a2c898a6, 0x113f9804bef90dae, 0x1b710b35131c471b,
    0x28db77f523047d84, 0x32caab7b40c72493, 0x3c9ebe0a15c9bebc, 0x431d67c49c100d4c,
    0x4cc5d4becb3e42b6, 0x597f299cfc657e2a, 0x5fcb6fab3ad6faec, 0x6c44198c4a475817,
};

namespace {

using Word64 = std::uint64_t;

[[gnu::always_inline]] inline Word64 RotR(Word64 x, int n) {
    return (x >> n) | (x << (64 - n));  // n is 1 to 63
}

[[gnu::always_inline]] inline Word64 LoadBigEndian64(const std::uint8_t* bytes) {
    Word64 value = 0;
    for (int i = 0; i < 8; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// One round with the roles of the eight working words given by the caller, so that no word
// is ever moved: d takes the new e and h the new a. `bXorC` carries b ^ c from round to round,
// since this round's a ^ b is the next round's b ^ c; with it the majority takes two steps.
[[gnu::always_inline]] inline void Sha512Round(Word64 a, Word64 b, Word64& d, Word64 e, Word64 f,
                                               Word64 g, Word64& h, Word64 kw, Word64& bXorC) {
    const Word64 sigma1 = RotR(e, 14) ^ RotR(e, 18) ^ RotR(e, 41);
    const Word64 choose = (e & f) + (~e & g);  // the two halves share no bit
    const Word64 t1 = h + kw + choose + sigma1;
    const Word64 aXorB = a ^ b;
    const Word64 majority = (aXorB & bXorC) ^ b;
    bXorC = aXorB;
    d += t1;
    h = t1 + (RotR(a, 28) ^ RotR(a, 34) ^ RotR(a, 39)) + majority;
}

// Schedule word t >= 16, computed in place in the ring of the last sixteen.
[[gnu::always_inline]] inline Word64 NextScheduleWord(Word64* w, int t) {
    const Word64 w15 = w[(t - 15) & 15];
    const Word64 w2 = w[(t - 2) & 15];
    const Word64 s0 = RotR(w15, 1) ^ RotR(w15, 8) ^ (w15 >> 7);
    const Word64 s1 = RotR(w2, 19) ^ RotR(w2, 61) ^ (w2 >> 6);
    return w[t & 15] += s0 + w[(t - 7) & 15] + s1;
}

// Eight rounds from round t on, with the schedule words and constants already added.
[[gnu::always_inline]] inline void EightRounds(Word64 (&v)[8], int t, const Word64* kw,
                                               Word64& bXorC) {
    Sha512Round(v[0], v[1], v[3], v[4], v[5], v[6], v[7], kw[t], bXorC);
    Sha512Round(v[7], v[0], v[2], v[3], v[4], v[5], v[6], kw[t + 1], bXorC);
    Sha512Round(v[6], v[7], v[1], v[2], v[3], v[4], v[5], kw[t + 2], bXorC);
    Sha512Round(v[5], v[6], v[0], v[1], v[2], v[3], v[4], kw[t + 3], bXorC);
    Sha512Round(v[4], v[5], v[7], v[0], v[1], v[2], v[3], kw[t + 4], bXorC);
    Sha512Round(v[3], v[4], v[6], v[7], v[0], v[1], v[2], kw[t + 5], bXorC);
    Sha512Round(v[2], v[3], v[5], v[6], v[7], v[0], v[1], kw[t + 6], bXorC);
    Sha512Round(v[1], v[2], v[4], v[5], v[6], v[7], v[0], kw[t + 7], bXorC);
}

// The 80 rounds of one block whose schedule words, constants added, are ready in `kw`.
[[gnu::always_inline]] inline void Sha512RoundsFromSchedule(Word64* state, const Word64* kw) {
    Word64 v[8] = {state[0], state[1], state[2], state[3], state[4], state[5], state[6], state[7]};
    Word64 bXorC = v[1] ^ v[2];
#pragma GCC unroll 10
    for (int t = 0; t < 80; t += 8) {
        EightRounds(v, t, kw, bXorC);
    }
    for (int i = 0; i < 8; ++i) {
        state[i] += v[i];
    }
}

inline void Sha512Blocks(Word64* state, const std::uint8_t* blocks, std::size_t count) {
    for (; count > 0; --count, blocks += 128) {
        // The whole schedule first, each word with its round constant added: the rounds then
        // read one ready word each and the two chains of work overlap freely.
        Word64 w[16];
        Word64 kw[80];
        for (int t = 0; t < 16; ++t) {
            w[t] = LoadBigEndian64(blocks + 8 * t);
            kw[t] = w[t] + kSha512RoundConstants[t];
        }
        for (int t = 16; t < 80; ++t) {
            kw[t] = NextScheduleWord(w, t) + kSha512RoundConstants[t];
        }
        Sha512RoundsFromSchedule(state, kw);
    }
}

}  // namespace
}  // namespace hashwell::digest
