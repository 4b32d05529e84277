#pragma once

// The BLAKE3 engine: the default 256-bit hash, with no key, and its tree, whose subtrees may be
// hashed apart (on other threads) and joined.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/blake3/blake3_compress.h"

namespace hashwell::digest {

class Blake3 {
public:
    using ChainingValue = std::array<std::uint32_t, 8>;

    int DigestBits() const { return 256; }

    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 32 bytes

    // The chaining value of a subtree: `length` bytes, a power-of-two number of whole chunks,
    // that begin at chunk `firstChunk` of the input and are not all of it. Any thread may call
    // it; the kernel is the one active now.
    static ChainingValue HashSubtree(const std::uint8_t* bytes, std::size_t length,
                                     std::uint64_t firstChunk);
    // Takes in the next `length` bytes of the input as their subtree's chaining value, instead
    // of the bytes: the bytes taken in so far are a multiple of `length`, and more follow.
    void AddSubtree(const ChainingValue& cv, std::size_t length);

private:
    // ... the chunk being hashed and the stack of subtrees' chaining values
};

}  // namespace hashwell::digest
