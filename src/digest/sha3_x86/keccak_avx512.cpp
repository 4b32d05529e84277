// Keccak-f[1600] with AVX-512 on 128-bit registers, one lane each: vpternlogq makes theta's
// three-way exclusive or and chi's a ^ (~b & c) one instruction each, vprolq rotates, and the
// 32 vector registers hold most of the state, so a round takes about 90 instructions where the
// general-purpose ones need about 130. The lanes' order follows keccak_rounds.h.

#include <immintrin.h>

#include <utility>

#include "digest/sha3/keccak_permute.h"
#include "digest/sha3/keccak_rounds.h"

namespace hashwell::digest {
namespace {

#define HASHWELL_INLINE [[gnu::always_inline]] inline

using Lane = __m128i;  // the lane in the low 64 bits

constexpr int kXor3 = 0x96;  // a ^ b ^ c
constexpr int kChi = 0xD2;   // a ^ (~b & c)

template <int Rotation>
HASHWELL_INLINE Lane Rotated(Lane lane) {
    if constexpr (Rotation == 0) {
        return lane;
    } else {
        return _mm_rol_epi64(lane, Rotation);
    }
}

// Lane i of rho and pi's result: its source lane with theta applied, rotated.
template <int I>
HASHWELL_INLINE Lane RhoPi(const Lane (&a)[25], const Lane (&c)[5], const Lane (&d)[5]) {
    constexpr int kX = kSource[I] % 5;
    return Rotated<kRotation[I]>(
        _mm_ternarylogic_epi64(a[kSource[I]], c[(kX + 4) % 5], d[kX], kXor3));
}

// Row Y of the round: its five lanes through rho and pi, then chi.
template <int Y>
HASHWELL_INLINE void Row(const Lane (&a)[25], Lane (&e)[25], const Lane (&c)[5],
                         const Lane (&d)[5]) {
    const Lane b[5] = {RhoPi<5 * Y>(a, c, d), RhoPi<5 * Y + 1>(a, c, d), RhoPi<5 * Y + 2>(a, c, d),
                       RhoPi<5 * Y + 3>(a, c, d), RhoPi<5 * Y + 4>(a, c, d)};
#pragma GCC unroll 5
    for (int x = 0; x < 5; ++x) {
        e[5 * Y + x] = _mm_ternarylogic_epi64(b[x], b[(x + 1) % 5], b[(x + 2) % 5], kChi);
    }
}

template <std::size_t... Rows>
HASHWELL_INLINE void Round(const Lane (&a)[25], Lane (&e)[25], std::uint64_t roundConstant,
                           std::index_sequence<Rows...>) {
    Lane c[5];
#pragma GCC unroll 5
    for (int x = 0; x < 5; ++x) {
        c[x] = _mm_ternarylogic_epi64(_mm_ternarylogic_epi64(a[x], a[x + 5], a[x + 10], kXor3),
                                      a[x + 15], a[x + 20], kXor3);
    }
    Lane d[5];
#pragma GCC unroll 5
    for (int x = 0; x < 5; ++x) {
        d[x] = _mm_rol_epi64(c[(x + 1) % 5], 1);  // with c[x - 1], in RhoPi's ternlog
    }
    (Row<static_cast<int>(Rows)>(a, e, c, d), ...);
    e[0] = _mm_xor_si128(e[0], _mm_cvtsi64_si128(static_cast<long long>(roundConstant)));
}

}  // namespace

void KeccakPermuteAvx512(std::uint64_t* lanes) {
    Lane a[25];
    Lane e[25];
#pragma GCC unroll 25
    for (int i = 0; i < 25; ++i) {
        a[i] = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(lanes + i));
    }
    for (int round = 0; round < kKeccakRounds; round += 2) {
        Round(a, e, kKeccakRoundConstants[round], std::make_index_sequence<5>());
        Round(e, a, kKeccakRoundConstants[round + 1], std::make_index_sequence<5>());
    }
#pragma GCC unroll 25
    for (int i = 0; i < 25; ++i) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(lanes + i), a[i]);
    }
}

}  // namespace hashwell::digest
