#pragma once

// The MD5 engine.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/block_buffer.h"
#include "digest/md5/md5_compress.h"

namespace hashwell::digest {

// MD5 of RFC 1321.
class Md5 {
public:
    int DigestBits() const { return 128; }

    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 16 bytes, little-endian words
    void AssumeAbsorbed(std::uint64_t bytes) { buffer_.AssumeAbsorbed(bytes); }
    // For a caller that compresses whole blocks itself (the stitched kernel) and then hands the
    // rest to Update and Finish: the chaining state.
    std::uint32_t* ChainingState() { return state_.data(); }

private:
    std::array<std::uint32_t, 4> state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};
    Md5Compress compress_ = Md5Kernels().Active().function;  // chosen when the context is made
    BlockBuffer<64> buffer_;
};

}  // namespace hashwell::digest
