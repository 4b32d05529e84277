#pragma once

// The CRC-32 engine.

#include <cstddef>
#include <cstdint>

#include "digest/crc32/crc32_update.h"

namespace hashwell::digest {

// CRC-32 of IEEE 802.3 (CRC-32b, as zlib computes it): reflected polynomial 0xEDB88320,
// initial value and final exclusive-or 0xFFFFFFFF.
class Crc32 {
public:
    int DigestBits() const { return 32; }

    void Update(const std::uint8_t* data, std::size_t length);
    // Writes the CRC most significant byte first, so its hex text reads as the number.
    void Finish(std::uint8_t* out) const;
    std::uint32_t Value() const { return crc_; }

private:
    // The finished (complemented) value, so any split of the input gives the same result.
    std::uint32_t crc_ = 0;
    Crc32Update update_ = Crc32Kernels().Active().function;  // chosen when the context is made
};

}  // namespace hashwell::digest
