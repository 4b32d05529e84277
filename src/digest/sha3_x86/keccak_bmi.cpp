// Keccak-f[1600] with BMI1/BMI2: and-not makes chi two instructions a lane and rorx rotates
// without touching the flags.
//
// Each round is one block of assembly that reads the 25 lanes from one array and writes them
// to the other, row by row: the five lanes a row of chi needs are made from memory just before
// it, so that theta's five D values and one row fit in registers. The last row's new lanes
// also stay in registers for the next round's theta, which thus waits for no store to reach
// memory. Compiled from C, the rounds spent as many instructions on moving lanes between
// registers and the stack as on computing them.

#include "digest/sha3/keccak_permute.h"
#include "digest/sha3/keccak_rounds.h"

namespace hashwell::digest {
namespace {

// clang-format off
// The next lane of row 4 of the last round is in `last` (a D register); the column parity
// C[x] goes to a B register, which is free until the rows start.
#define HASHWELL_KECCAK_PARITY(c, x, last)            \
    "mov 8*" #x "(%[in]), %[" #c "]\n\t"              \
    "xor 8*" #x "+40(%[in]), %[" #c "]\n\t"           \
    "xor 8*" #x "+80(%[in]), %[" #c "]\n\t"           \
    "xor 8*" #x "+120(%[in]), %[" #c "]\n\t"          \
    "xor %[" #last "], %[" #c "]\n\t"

// D[x] = C[x-1] ^ (C[x+1] rotated left by one).
#define HASHWELL_KECCAK_D(d, cLeft, cRight)           \
    "rorx $63, %[" #cRight "], %[" #d "]\n\t"         \
    "xor %[" #cLeft "], %[" #d "]\n\t"

// Rho and pi: B = (lane `source` ^ its column's D) rotated right by `rotr`.
#define HASHWELL_KECCAK_LANE(b, source, d, rotr)      \
    "mov 8*" #source "(%[in]), %[" #b "]\n\t"         \
    "xor %[" #d "], %[" #b "]\n\t"                    \
    "rorx $" #rotr ", %[" #b "], %[" #b "]\n\t"

#define HASHWELL_KECCAK_LANE_UNROTATED(b, source, d)  \
    "mov 8*" #source "(%[in]), %[" #b "]\n\t"         \
    "xor %[" #d "], %[" #b "]\n\t"

// Chi: lane `i` of the result, in `e`, = B0 ^ (~B1 & B2).
#define HASHWELL_KECCAK_CHI(i, e, b0, b1, b2)         \
    "andn %[" #b2 "], %[" #b1 "], %[" #e "]\n\t"      \
    "xor %[" #b0 "], %[" #e "]\n\t"                   \
    "mov %[" #e "], 8*" #i "(%[out])\n\t"

// Chi for lane 0, with iota's round constant.
#define HASHWELL_KECCAK_CHI_IOTA(b0, b1, b2)          \
    "andn %[" #b2 "], %[" #b1 "], %[t]\n\t"           \
    "xor %[" #b0 "], %[t]\n\t"                        \
    "xor %[rc], %[t]\n\t"                             \
    "mov %[t], (%[out])\n\t"

// Chi over a row, lanes i0 to i4, each made in `t`.
#define HASHWELL_KECCAK_ROW_CHI(i0, i1, i2, i3, i4)   \
    HASHWELL_KECCAK_CHI(i0, t, b0, b1, b2)            \
    HASHWELL_KECCAK_CHI(i1, t, b1, b2, b3)            \
    HASHWELL_KECCAK_CHI(i2, t, b2, b3, b4)            \
    HASHWELL_KECCAK_CHI(i3, t, b3, b4, b0)            \
    HASHWELL_KECCAK_CHI(i4, t, b4, b0, b1)

// The last row, whose new lanes stay in the D registers (free once its B lanes are made).
#define HASHWELL_KECCAK_LAST_ROW_CHI                  \
    HASHWELL_KECCAK_CHI(20, d0, b0, b1, b2)           \
    HASHWELL_KECCAK_CHI(21, d1, b1, b2, b3)           \
    HASHWELL_KECCAK_CHI(22, d2, b2, b3, b4)           \
    HASHWELL_KECCAK_CHI(23, d3, b3, b4, b0)           \
    HASHWELL_KECCAK_CHI(24, d4, b4, b0, b1)

// One round from `in` to `out`. Lane i of a row (i = x + 5y) comes from lane kSource[i]
// rotated left by kRotation[i], as in keccak_rounds.h; here as the right rotation rorx takes.
// `lastRow` holds lanes 20 to 24 of `in` and receives those of `out`.
[[gnu::always_inline]] inline void KeccakRoundAsm(const std::uint64_t* in, std::uint64_t* out,
                                                  std::uint64_t roundConstant,
                                                  std::uint64_t (&lastRow)[5]) {
    std::uint64_t b0, b1, b2, b3, b4, t;
    asm volatile(
        HASHWELL_KECCAK_PARITY(b0, 0, d0)
        HASHWELL_KECCAK_PARITY(b1, 1, d1)
        HASHWELL_KECCAK_PARITY(b2, 2, d2)
        HASHWELL_KECCAK_PARITY(b3, 3, d3)
        HASHWELL_KECCAK_PARITY(b4, 4, d4)
        HASHWELL_KECCAK_D(d0, b4, b1)
        HASHWELL_KECCAK_D(d1, b0, b2)
        HASHWELL_KECCAK_D(d2, b1, b3)
        HASHWELL_KECCAK_D(d3, b2, b4)
        HASHWELL_KECCAK_D(d4, b3, b0)

        HASHWELL_KECCAK_LANE_UNROTATED(b0, 0, d0)
        HASHWELL_KECCAK_LANE(b1, 6, d1, 20)
        HASHWELL_KECCAK_LANE(b2, 12, d2, 21)
        HASHWELL_KECCAK_LANE(b3, 18, d3, 43)
        HASHWELL_KECCAK_LANE(b4, 24, d4, 50)
        HASHWELL_KECCAK_CHI_IOTA(b0, b1, b2)
        HASHWELL_KECCAK_CHI(1, t, b1, b2, b3)
        HASHWELL_KECCAK_CHI(2, t, b2, b3, b4)
        HASHWELL_KECCAK_CHI(3, t, b3, b4, b0)
        HASHWELL_KECCAK_CHI(4, t, b4, b0, b1)

        HASHWELL_KECCAK_LANE(b0, 3, d3, 36)
        HASHWELL_KECCAK_LANE(b1, 9, d4, 44)
        HASHWELL_KECCAK_LANE(b2, 10, d0, 61)
        HASHWELL_KECCAK_LANE(b3, 16, d1, 19)
        HASHWELL_KECCAK_LANE(b4, 22, d2, 3)
        HASHWELL_KECCAK_ROW_CHI(5, 6, 7, 8, 9)

        HASHWELL_KECCAK_LANE(b0, 1, d1, 63)
        HASHWELL_KECCAK_LANE(b1, 7, d2, 58)
        HASHWELL_KECCAK_LANE(b2, 13, d3, 39)
        HASHWELL_KECCAK_LANE(b3, 19, d4, 56)
        HASHWELL_KECCAK_LANE(b4, 20, d0, 46)
        HASHWELL_KECCAK_ROW_CHI(10, 11, 12, 13, 14)

        HASHWELL_KECCAK_LANE(b0, 4, d4, 37)
        HASHWELL_KECCAK_LANE(b1, 5, d0, 28)
        HASHWELL_KECCAK_LANE(b2, 11, d1, 54)
        HASHWELL_KECCAK_LANE(b3, 17, d2, 49)
        HASHWELL_KECCAK_LANE(b4, 23, d3, 8)
        HASHWELL_KECCAK_ROW_CHI(15, 16, 17, 18, 19)

        HASHWELL_KECCAK_LANE(b0, 2, d2, 2)
        HASHWELL_KECCAK_LANE(b1, 8, d3, 9)
        HASHWELL_KECCAK_LANE(b2, 14, d4, 25)
        HASHWELL_KECCAK_LANE(b3, 15, d0, 23)
        HASHWELL_KECCAK_LANE(b4, 21, d1, 62)
        HASHWELL_KECCAK_LAST_ROW_CHI
        : [b0] "=&r"(b0), [b1] "=&r"(b1), [b2] "=&r"(b2), [b3] "=&r"(b3), [b4] "=&r"(b4),
          [d0] "+r"(lastRow[0]), [d1] "+r"(lastRow[1]), [d2] "+r"(lastRow[2]),
          [d3] "+r"(lastRow[3]), [d4] "+r"(lastRow[4]), [t] "=&r"(t)
        : [in] "r"(in), [out] "r"(out), [rc] "rm"(roundConstant)
        : "cc", "memory");
}

// clang-format on

#undef HASHWELL_KECCAK_PARITY
#undef HASHWELL_KECCAK_D
#undef HASHWELL_KECCAK_LANE
#undef HASHWELL_KECCAK_LANE_UNROTATED
#undef HASHWELL_KECCAK_CHI
#undef HASHWELL_KECCAK_CHI_IOTA
#undef HASHWELL_KECCAK_ROW_CHI
#undef HASHWELL_KECCAK_LAST_ROW_CHI

}  // namespace

void KeccakPermuteBmi(std::uint64_t* lanes) {
    // The lanes go back and forth between the caller's array and this one, two rounds a turn,
    // and end where they started: the round count is even.
    std::uint64_t other[25];
    std::uint64_t lastRow[5] = {lanes[20], lanes[21], lanes[22], lanes[23], lanes[24]};
    for (int round = 0; round < kKeccakRounds; round += 2) {
        KeccakRoundAsm(lanes, other, kKeccakRoundConstants[round], lastRow);
        KeccakRoundAsm(other, lanes, kKeccakRoundConstants[round + 1], lastRow);
    }
}

}  // namespace hashwell::digest
