#pragma once

// The SHA-1 compression function: the portable one and the accelerated kernels.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs `count` 64-byte blocks into the five state words; the blocks need no alignment.
using Sha1Compress = void (*)(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);

void Sha1CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);
#ifdef HASHWELL_X86_KERNELS
void Sha1CompressShaNi(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count);
#endif

KernelTable<Sha1Compress>& Sha1Kernels();

}  // namespace hashwell::digest
