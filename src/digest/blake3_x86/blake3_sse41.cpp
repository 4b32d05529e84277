// BLAKE3's compression with SSE4.1: one block with the state's rows in four registers, and
// four inputs side by side, one per 32-bit lane (blake3_lanes.h).

#include "digest/blake3_x86/blake3_lanes.h"

namespace hashwell::digest {

void Blake3CompressSse41(std::uint32_t cv[8], const std::uint8_t block[64],
                         std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags) {
    CompressRows<Lanes4>(cv, block, blockLength, counter, flags);
}

void Blake3HashManySse41(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                         const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                         std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                         std::uint8_t* out) {
    HashMany<Lanes4>(inputs, count, blocks, key, counter, incrementCounter, flags, flagsStart,
                     flagsEnd, out);
}

}  // namespace hashwell::digest
