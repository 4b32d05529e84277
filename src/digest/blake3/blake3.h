#pragma once

// The BLAKE3 engine: the default 256-bit hash, with no key, and its tree, whose subtrees may be
// hashed apart (on other threads) and joined.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/blake3/blake3_compress.h"

namespace hashwell::digest {

struct Blake3Output;

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
    // of the bytes: the bytes taken in so far are a multiple of `length`, and the input is more
    // than this subtree (bytes came before it, or more follow), since the root of an input
    // that is one subtree cannot be had from its chaining value.
    void AddSubtree(const ChainingValue& cv, std::size_t length);

private:
    // The most chaining values the stack holds: one per bit of a 64-bit chunk count, and one
    // more pushed before the merge that makes room.
    static constexpr std::size_t kMaxStack = 54 + 1;

    void AddToChunk(const std::uint8_t* data, std::size_t length);
    void CompressBlock(const std::uint8_t* block);
    std::uint8_t StartFlag() const { return blocksCompressed_ == 0 ? Blake3Flag::ChunkStart : 0; }
    Blake3Output ChunkOutput() const;
    // Ends the chunk, whole, and starts the next.
    void AddChunkOfState();
    void PushChainingValue(const std::uint8_t cv[kBlake3OutLength], std::uint64_t chunkCounter);
    void MergeStack(std::uint64_t chunkCount);

    Blake3Kernel kernel_ = Blake3Kernels().Active().function;  // chosen when the context is made
    // The chunk being hashed: its chaining value, its index, the block not yet compressed
    // (which may be the chunk's last, so it waits for more input) and how many came before it.
    std::uint32_t chunkCv_[8] = {kBlake3Iv[0], kBlake3Iv[1], kBlake3Iv[2], kBlake3Iv[3],
                                 kBlake3Iv[4], kBlake3Iv[5], kBlake3Iv[6], kBlake3Iv[7]};
    std::uint64_t chunkCounter_ = 0;
    std::uint8_t block_[kBlake3BlockLength] = {};
    std::uint8_t blockLength_ = 0;
    std::uint8_t blocksCompressed_ = 0;
    // The chaining values of the subtrees before the chunk, largest first, not yet merged: a
    // parent is made only once more input shows it is not the root.
    std::uint8_t stack_[kMaxStack * kBlake3OutLength] = {};
    std::size_t stackLength_ = 0;
};

}  // namespace hashwell::digest
