#pragma once

// The SHA-384 and SHA-512 engine.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/block_buffer.h"
#include "digest/sha2_64/sha512_compress.h"

namespace hashwell::digest {

// SHA-384 and SHA-512 of FIPS 180-4: one engine, two initial values and output lengths.
class Sha512 {
public:
    // `bits` is 384 or 512.
    explicit Sha512(int bits);

    int DigestBits() const { return outputBytes_ * 8; }
    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 48 or 64 bytes, big-endian words
    void AssumeAbsorbed(std::uint64_t bytes) { buffer_.AssumeAbsorbed(bytes); }

private:
    std::array<std::uint64_t, 8> state_;
    int outputBytes_;
    Sha512Compress compress_ =
        Sha512Kernels().Active().function;  // chosen when the context is made
    BlockBuffer<128> buffer_;
};

}  // namespace hashwell::digest
