// BLAKE3's compression with AVX2: eight inputs side by side, one per 32-bit lane
// (blake3_lanes.h); the last few four at a time and then one by one, in the same encoding.

#include "digest/blake3_x86/blake3_lanes.h"

namespace hashwell::digest {

void Blake3HashManyAvx2(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                        const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                        std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                        std::uint8_t* out) {
    HashMany<Lanes8, Lanes4>(inputs, count, blocks, key, counter, incrementCounter, flags,
                             flagsStart, flagsEnd, out);
}

}  // namespace hashwell::digest
