#pragma once

// The SHA-512 compression function: the portable one and the accelerated kernels.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs `count` 128-byte blocks into the eight state words; the blocks need no alignment.
using Sha512Compress = void (*)(std::uint64_t* state, const std::uint8_t* blocks,
                                std::size_t count);

void Sha512CompressPortable(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count);
#ifdef HASHWELL_X86_KERNELS
void Sha512CompressBmi(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count);
void Sha512CompressAvx2(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count);
#endif

KernelTable<Sha512Compress>& Sha512Kernels();

}  // namespace hashwell::digest
