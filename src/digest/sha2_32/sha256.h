#pragma once

// The SHA-224 and SHA-256 engine.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/block_buffer.h"
#include "digest/sha2_32/sha256_compress.h"

namespace hashwell::digest {

// SHA-224 and SHA-256 of FIPS 180-4: one engine, two initial values and output lengths.
class Sha256 {
public:
    // `bits` is 224 or 256.
    explicit Sha256(int bits);

    int DigestBits() const { return outputBytes_ * 8; }
    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 28 or 32 bytes, big-endian words
    void AssumeAbsorbed(std::uint64_t bytes) { buffer_.AssumeAbsorbed(bytes); }
    // For a caller that compresses whole blocks itself (the stitched kernel) and then hands the
    // rest to Update and Finish: the chaining state.
    std::uint32_t* ChainingState() { return state_.data(); }

private:
    std::array<std::uint32_t, 8> state_;
    int outputBytes_;
    Sha256Compress compress_;  // the kernel chosen when the context was made
    BlockBuffer<64> buffer_;
};

}  // namespace hashwell::digest
