#pragma once

// MD5, SHA-1 and SHA-256 of the same bytes in one pass.

#include <cstddef>
#include <cstdint>

#include "digest/block_buffer.h"
#include "digest/md5/md5.h"
#include "digest/sha1/sha1.h"
#include "digest/sha2_32/sha256.h"
#include "digest/stitched/md5_sha1_sha256_compress.h"

namespace hashwell::digest {

// MD5, SHA-1 and SHA-256 of the same bytes. Whole blocks go through one kernel for the three
// (stitched where the processor can, the three kernels in turn elsewhere); the last, unfinished
// block is each engine's own to pad.
class Md5Sha1Sha256 {
public:
    void Update(const std::uint8_t* data, std::size_t length);
    // The three digests: 16, 20 and 32 bytes.
    void Finish(std::uint8_t* md5, std::uint8_t* sha1, std::uint8_t* sha256);

private:
    Md5 md5_;
    Sha1 sha1_;
    Sha256 sha256_{256};
    Md5Sha1Sha256Compress compress_ = Md5Sha1Sha256Kernels().Active().function;
    BlockBuffer<64> buffer_;
};

}  // namespace hashwell::digest
