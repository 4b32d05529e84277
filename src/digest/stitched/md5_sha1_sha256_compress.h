#pragma once

// MD5, SHA-1 and SHA-256 of the same blocks in one pass: a kernel that interleaves the three
// compression functions block by block, and the separate kernels one after another where the
// processor has no such kernel.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs `count` 64-byte blocks into the three states (4, 5 and 8 words); the blocks need no
// alignment.
using Md5Sha1Sha256Compress = void (*)(std::uint32_t* md5, std::uint32_t* sha1,
                                       std::uint32_t* sha256, const std::uint8_t* blocks,
                                       std::size_t count);

#ifdef HASHWELL_X86_KERNELS
void Md5Sha1Sha256CompressShaNi(std::uint32_t* md5, std::uint32_t* sha1, std::uint32_t* sha256,
                                const std::uint8_t* blocks, std::size_t count);
#endif

KernelTable<Md5Sha1Sha256Compress>& Md5Sha1Sha256Kernels();

}  // namespace hashwell::digest
