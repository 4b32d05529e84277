// BLAKE3's compression with AVX-512: sixteen inputs side by side, one per 32-bit lane, then
// the last few eight and four at a time with the 256- and 128-bit forms, and one by one
// (blake3_lanes.h). Every rotation is one vprord.

// GCC 12 takes the undefined first operand of the 512-bit shuffles for an uninitialised one.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "digest/blake3_x86/blake3_lanes.h"

namespace hashwell::digest {

void Blake3CompressAvx512(std::uint32_t cv[8], const std::uint8_t block[64],
                          std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags) {
    CompressRows<Lanes4>(cv, block, blockLength, counter, flags);
}

void Blake3HashManyAvx512(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                          const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                          std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                          std::uint8_t* out) {
    HashMany<Lanes16, Lanes8, Lanes4>(inputs, count, blocks, key, counter, incrementCounter, flags,
                                      flagsStart, flagsEnd, out);
}

}  // namespace hashwell::digest
