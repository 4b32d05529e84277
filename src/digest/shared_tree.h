#pragma once

// One BLAKE3 code of a file that two workers hash at once from the same buffers: each hashes its
// half of every whole buffer as a subtree of BLAKE3's tree, and the one that finishes a buffer
// second joins both halves to the tree, in order. A buffer that cannot be halved so (the last,
// or one read short) goes whole to the tree by the worker that finishes it second.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "digest/blake3/blake3.h"

namespace hashwell::digest {

class SharedBlake3 {
public:
    // `bufferSize`: the size of a whole buffer, a power of two and at least two BLAKE3 chunks;
    // `inFlight`: how many buffers the two workers may be apart, at most.
    SharedBlake3(std::size_t bufferSize, std::size_t inFlight);

    // Worker 0 or 1 hashes its part of the file's next buffer; each worker calls it for every
    // buffer of the file, in order. True for the worker that completed the code, with the last
    // buffer: Code() is then final.
    bool Add(int worker, std::span<const std::uint8_t> bytes, bool last);
    const std::string& Code() const { return code_; }

private:
    struct Buffer {
        Blake3::ChainingValue halves[2]{};
        std::atomic<int> arrived{0};
    };

    std::size_t bufferSize_;
    std::vector<Buffer> buffers_;   // by buffer number, modulo their count
    std::uint64_t offset_[2] = {};  // the bytes before each worker's next buffer
    std::uint64_t count_[2] = {};   // each worker's next buffer's number
    Blake3 tree_;                   // only the buffer's second worker touches it
    std::string code_;
};

}  // namespace hashwell::digest
