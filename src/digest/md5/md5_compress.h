#pragma once

// The MD5 compression function: the portable one and the accelerated kernels.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs `count` 64-byte blocks into the four state words; the blocks need no alignment.
using Md5Compress = void (*)(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);

void Md5CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);

KernelTable<Md5Compress>& Md5Kernels();

}  // namespace hashwell::digest
