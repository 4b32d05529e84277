#include "digest/blake3/blake3.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

#include "digest/byte_order.h"

namespace hashwell::digest {

// A block that waits for its compression into `cv`: a chunk's last or a parent's, which give a
// chaining value, or the root's, which gives the code.
struct Blake3Output {
    std::uint32_t cv[8];
    std::uint8_t block[kBlake3BlockLength];
    std::uint8_t blockLength;
    std::uint64_t counter;
    std::uint8_t flags;
};

namespace {

using Output = Blake3Output;

// The widest kernel's degree; the arrays of chaining values below are sized for it.
constexpr std::size_t kMaxDegree = 16;
constexpr std::size_t kOut = kBlake3OutLength;
constexpr std::size_t kChunk = kBlake3ChunkLength;
constexpr std::size_t kBlocksPerChunk = kBlake3ChunkLength / kBlake3BlockLength;

void StoreWords(std::uint8_t* out, const std::uint32_t words[8]) {
    for (int i = 0; i < 8; ++i) {
        StoreLe32(out + 4 * i, words[i]);
    }
}

void ChainingValueOf(const Output& output, Blake3CompressInPlace compress, std::uint8_t* out) {
    std::uint32_t cv[8];
    std::memcpy(cv, output.cv, sizeof cv);
    compress(cv, output.block, output.blockLength, output.counter, output.flags);
    StoreWords(out, cv);
}

// The parent of two chaining values, `block` holding the left one and then the right one.
Output ParentOutput(const std::uint8_t* block) {
    Output output;
    std::memcpy(output.cv, kBlake3Iv, sizeof output.cv);
    std::memcpy(output.block, block, sizeof output.block);
    output.blockLength = kBlake3BlockLength;
    output.counter = 0;
    output.flags = Blake3Flag::Parent;
    return output;
}

// The chaining values of the chunks of `length` bytes (at most the kernel's degree of chunks,
// the last one whole too), side by side; returns how many.
std::size_t CompressChunks(const std::uint8_t* input, std::size_t length,
                           std::uint64_t chunkCounter, const Blake3Kernel& kernel,
                           std::uint8_t* out) {
    const std::uint8_t* chunks[kMaxDegree];
    const std::size_t count = length / kChunk;
    for (std::size_t i = 0; i < count; ++i) {
        chunks[i] = input + i * kChunk;
    }
    kernel.hashMany(chunks, count, kBlocksPerChunk, kBlake3Iv, chunkCounter, true, 0,
                    Blake3Flag::ChunkStart, Blake3Flag::ChunkEnd, out);
    return count;
}

// The parents of pairs of `count` chaining values, side by side; an odd one out is copied as
// it is. Returns how many chaining values are left.
std::size_t CompressParents(const std::uint8_t* cvs, std::size_t count, const Blake3Kernel& kernel,
                            std::uint8_t* out) {
    const std::uint8_t* parents[kMaxDegree];
    const std::size_t pairs = count / 2;
    for (std::size_t i = 0; i < pairs; ++i) {
        parents[i] = cvs + 2 * i * kOut;
    }
    kernel.hashMany(parents, pairs, 1, kBlake3Iv, 0, false, Blake3Flag::Parent, 0, 0, out);
    if (count % 2 != 0) {
        std::memcpy(out + pairs * kOut, cvs + (count - 1) * kOut, kOut);
        return pairs + 1;
    }
    return pairs;
}

// The kernel's degree, and at least 2 above the chunks, so that a subtree gives two chaining
// values to the level above.
std::size_t Degree(const Blake3Kernel& kernel) {
    return std::clamp<std::size_t>(kernel.degree, 1, kMaxDegree);
}

// The chaining values of a subtree of `length` bytes of whole chunks, reduced level by level
// only as far as keeps the kernel's lanes full: at most max(degree, 2) of them, and at least 2
// when the subtree has more than one chunk. Returns how many.
std::size_t CompressSubtreeWide(const std::uint8_t* input, std::size_t length,
                                std::uint64_t chunkCounter, const Blake3Kernel& kernel,
                                std::uint8_t* out) {
    std::size_t degree = Degree(kernel);
    if (length <= degree * kChunk) {
        return CompressChunks(input, length, chunkCounter, kernel, out);
    }
    // The left subtree: the largest power of two of chunks that leaves some to the right.
    const std::size_t leftLength = std::bit_floor((length - 1) / kChunk) * kChunk;
    if (leftLength > kChunk && degree == 1) {
        degree = 2;
    }
    // The left subtree gives exactly `degree` chaining values, the right one at most as many.
    std::uint8_t cvs[2 * kMaxDegree * kOut];
    const std::size_t left = CompressSubtreeWide(input, leftLength, chunkCounter, kernel, cvs);
    const std::size_t right =
        CompressSubtreeWide(input + leftLength, length - leftLength,
                            chunkCounter + leftLength / kChunk, kernel, cvs + degree * kOut);
    if (left == 1) {  // one chunk to each side: both are the caller's
        std::memcpy(out, cvs, 2 * kOut);
        return 2;
    }
    return CompressParents(cvs, left + right, kernel, out);
}

// The two chaining values below the top of a subtree of more than one chunk: `out` is the
// top's block, left then right.
void CompressSubtreeToParentBlock(const std::uint8_t* input, std::size_t length,
                                  std::uint64_t chunkCounter, const Blake3Kernel& kernel,
                                  std::uint8_t out[2 * kOut]) {
    std::uint8_t cvs[2 * kMaxDegree * kOut];
    std::size_t count = CompressSubtreeWide(input, length, chunkCounter, kernel, cvs);
    assert(count >= 2);
    while (count > 2) {
        std::uint8_t parents[kMaxDegree * kOut];
        count = CompressParents(cvs, count, kernel, parents);
        std::memcpy(cvs, parents, count * kOut);
    }
    std::memcpy(out, cvs, 2 * kOut);
}

}  // namespace

void Blake3::Update(const std::uint8_t* data, std::size_t length) {
    if (length == 0) {  // nothing, maybe from nowhere
        return;
    }
    const std::size_t inChunk = blocksCompressed_ * kBlake3BlockLength + blockLength_;
    if (inChunk > 0) {
        const std::size_t take = std::min(kChunk - inChunk, length);
        AddToChunk(data, take);
        data += take;
        length -= take;
        if (length == 0) {
            return;
        }
        AddChunkOfState();
    }
    // Whole subtrees, as large as the bytes so far allow, but never the last byte: that one
    // stays in the chunk, which may be the root's.
    while (length > kChunk) {
        std::size_t subtree = std::bit_floor(length);
        const std::uint64_t before = chunkCounter_ * kChunk;
        while (((subtree - 1) & before) != 0) {
            subtree /= 2;
        }
        const std::uint64_t chunks = subtree / kChunk;
        if (chunks == 1) {
            std::uint8_t cv[kOut];
            CompressChunks(data, kChunk, chunkCounter_, kernel_, cv);
            PushChainingValue(cv, chunkCounter_);
        } else {
            // Its two halves, not its top: that one is the root when nothing follows.
            std::uint8_t pair[2 * kOut];
            CompressSubtreeToParentBlock(data, subtree, chunkCounter_, kernel_, pair);
            PushChainingValue(pair, chunkCounter_);
            PushChainingValue(pair + kOut, chunkCounter_ + chunks / 2);
        }
        chunkCounter_ += chunks;
        data += subtree;
        length -= subtree;
    }
    if (length > 0) {
        AddToChunk(data, length);
        MergeStack(chunkCounter_);
    }
}

void Blake3::Finish(std::uint8_t* out) {
    Output output;
    std::size_t below = stackLength_;  // the chaining values still to join, top down
    if (stackLength_ == 0 || blocksCompressed_ > 0 || blockLength_ > 0) {
        output = ChunkOutput();
    } else {
        below -= 2;
        output = ParentOutput(stack_ + below * kOut);
    }
    while (below > 0) {
        --below;
        std::uint8_t block[2 * kOut];
        std::memcpy(block, stack_ + below * kOut, kOut);
        ChainingValueOf(output, kernel_.compress, block + kOut);
        output = ParentOutput(block);
    }
    std::uint32_t root[8];
    std::memcpy(root, output.cv, sizeof root);
    kernel_.compress(root, output.block, output.blockLength, 0, output.flags | Blake3Flag::Root);
    StoreWords(out, root);
}

Blake3::ChainingValue Blake3::HashSubtree(const std::uint8_t* bytes, std::size_t length,
                                          std::uint64_t firstChunk) {
    const Blake3Kernel& kernel = Blake3Kernels().Active().function;
    std::uint8_t cv[kOut];
    if (length == kChunk) {
        CompressChunks(bytes, length, firstChunk, kernel, cv);
    } else {
        std::uint8_t pair[2 * kOut];
        CompressSubtreeToParentBlock(bytes, length, firstChunk, kernel, pair);
        ChainingValueOf(ParentOutput(pair), kernel.compress, cv);
    }
    ChainingValue words;
    for (int i = 0; i < 8; ++i) {
        words[i] = LoadLe32(cv + 4 * i);
    }
    return words;
}

void Blake3::AddSubtree(const ChainingValue& cv, std::size_t length) {
    if (blocksCompressed_ > 0 || blockLength_ > 0) {
        assert(blocksCompressed_ * kBlake3BlockLength + blockLength_ == kChunk);
        AddChunkOfState();
    }
    std::uint8_t bytes[kOut];
    StoreWords(bytes, cv.data());
    PushChainingValue(bytes, chunkCounter_);
    chunkCounter_ += length / kChunk;
}

void Blake3::AddToChunk(const std::uint8_t* data, std::size_t length) {
    if (blockLength_ > 0) {
        const std::size_t take = std::min(kBlake3BlockLength - blockLength_, length);
        std::memcpy(block_ + blockLength_, data, take);
        blockLength_ += static_cast<std::uint8_t>(take);
        data += take;
        length -= take;
        if (length == 0) {
            return;
        }
        CompressBlock(block_);
        blockLength_ = 0;
    }
    // The last block waits in block_, even when whole: it may be the chunk's last.
    for (; length > kBlake3BlockLength; data += kBlake3BlockLength, length -= kBlake3BlockLength) {
        CompressBlock(data);
    }
    std::memcpy(block_, data, length);
    blockLength_ = static_cast<std::uint8_t>(length);
}

void Blake3::CompressBlock(const std::uint8_t* block) {
    kernel_.compress(chunkCv_, block, kBlake3BlockLength, chunkCounter_, StartFlag());
    ++blocksCompressed_;
}

Blake3Output Blake3::ChunkOutput() const {
    Output output;
    std::memcpy(output.cv, chunkCv_, sizeof output.cv);
    std::memset(output.block, 0, sizeof output.block);
    std::memcpy(output.block, block_, blockLength_);
    output.blockLength = blockLength_;
    output.counter = chunkCounter_;
    output.flags = StartFlag() | Blake3Flag::ChunkEnd;
    return output;
}

void Blake3::AddChunkOfState() {
    std::uint8_t cv[kOut];
    ChainingValueOf(ChunkOutput(), kernel_.compress, cv);
    PushChainingValue(cv, chunkCounter_);
    std::memcpy(chunkCv_, kBlake3Iv, sizeof chunkCv_);
    ++chunkCounter_;
    blockLength_ = 0;
    blocksCompressed_ = 0;
}

void Blake3::PushChainingValue(const std::uint8_t* cv, std::uint64_t chunkCounter) {
    MergeStack(chunkCounter);
    std::memcpy(stack_ + stackLength_ * kOut, cv, kOut);
    ++stackLength_;
}

// Joins the top two chaining values while the stack holds more subtrees than `chunkCount`
// has bits: each bit of a count of whole chunks is one complete subtree.
void Blake3::MergeStack(std::uint64_t chunkCount) {
    const std::size_t subtrees = static_cast<std::size_t>(std::popcount(chunkCount));
    while (stackLength_ > subtrees) {
        std::uint8_t* top = stack_ + (stackLength_ - 2) * kOut;
        ChainingValueOf(ParentOutput(top), kernel_.compress, top);
        --stackLength_;
    }
}

}  // namespace hashwell::digest
