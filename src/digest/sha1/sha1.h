#pragma once

// The SHA-1 engine.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/block_buffer.h"
#include "digest/sha1/sha1_compress.h"

namespace hashwell::digest {

// SHA-1 of FIPS 180-4.
class Sha1 {
public:
    int DigestBits() const { return 160; }

    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 20 bytes, big-endian words
    void AssumeAbsorbed(std::uint64_t bytes) { buffer_.AssumeAbsorbed(bytes); }
    // For a caller that compresses whole blocks itself (the stitched kernel) and then hands the
    // rest to Update and Finish: the chaining state.
    std::uint32_t* ChainingState() { return state_.data(); }

private:
    std::array<std::uint32_t, 5> state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    Sha1Compress compress_ = Sha1Kernels().Active().function;  // chosen when the context is made
    BlockBuffer<64> buffer_;
};

}  // namespace hashwell::digest
