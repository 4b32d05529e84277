#pragma once

// The CRC-32 update: the portable one and the accelerated kernels.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs the bytes through the CRC register (not complemented) and returns the new register.
using Crc32Update = std::uint32_t (*)(std::uint32_t crc, const std::uint8_t* data,
                                      std::size_t length);

std::uint32_t Crc32UpdatePortable(std::uint32_t crc, const std::uint8_t* data, std::size_t length);
#ifdef HASHWELL_X86_KERNELS
std::uint32_t Crc32UpdatePclmul(std::uint32_t crc, const std::uint8_t* data, std::size_t length);
std::uint32_t Crc32UpdateVpclmul(std::uint32_t crc, const std::uint8_t* data, std::size_t length);
#endif

KernelTable<Crc32Update>& Crc32Kernels();

}  // namespace hashwell::digest
