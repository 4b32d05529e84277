#pragma once

// The Keccak-f[1600] permutation: the portable one and the accelerated kernels.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

// Runs the 24 rounds over the 25 lanes (lane x + 5y at index x + 5y).
using KeccakPermute = void (*)(std::uint64_t* lanes);

void KeccakPermutePortable(std::uint64_t* lanes);
#ifdef HASHWELL_X86_KERNELS
void KeccakPermuteBmi(std::uint64_t* lanes);
void KeccakPermuteAvx512(std::uint64_t* lanes);
#endif

KernelTable<KeccakPermute>& KeccakKernels();

}  // namespace hashwell::digest
