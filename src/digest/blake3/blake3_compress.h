#pragma once

// BLAKE3's compression: the portable kernel and the accelerated ones, which compress the blocks
// of several chunks (or several parents) side by side.

#include <cstddef>
#include <cstdint>

#include "digest/kernel/kernel_table.h"

namespace hashwell::digest {

inline constexpr std::size_t kBlake3BlockLength = 64;
inline constexpr std::size_t kBlake3ChunkLength = 1024;
inline constexpr std::size_t kBlake3OutLength = 32;

// The domain flags of a compression.
namespace Blake3Flag {
inline constexpr std::uint8_t ChunkStart = 1;
inline constexpr std::uint8_t ChunkEnd = 2;
inline constexpr std::uint8_t Parent = 4;
inline constexpr std::uint8_t Root = 8;
}  // namespace Blake3Flag

// The initial chaining value: SHA-256's, as the hash with no key uses it.
inline constexpr std::uint32_t kBlake3Iv[8] = {0x6A09E667, 0xBB67AE85, 0x3C6EF372, 0xA54FF53A,
                                               0x510E527F, 0x9B05688C, 0x1F83D9AB, 0x5BE0CD19};

// The order in which each round reads the message words. Static, so that every kernel file
// has its own copy and shares no symbol with the portable code.
static constexpr std::uint8_t kBlake3Schedule[7][16] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
    {2, 6, 3, 10, 7, 0, 4, 13, 1, 11, 12, 5, 9, 14, 15, 8},
    {3, 4, 10, 12, 13, 2, 7, 14, 6, 5, 9, 0, 11, 15, 8, 1},
    {10, 7, 12, 9, 14, 3, 13, 15, 4, 0, 11, 2, 5, 8, 1, 6},
    {12, 13, 9, 11, 15, 10, 14, 8, 7, 2, 5, 3, 0, 1, 6, 4},
    {9, 14, 11, 5, 8, 12, 15, 1, 13, 3, 0, 10, 2, 6, 4, 7},
    {11, 15, 5, 0, 1, 9, 8, 6, 14, 10, 2, 12, 3, 4, 7, 13},
};

// Compresses one block (`blockLength` bytes of it in use, the rest zero) into the chaining
// value `cv`, eight little-endian words, in place.
using Blake3CompressInPlace = void (*)(std::uint32_t cv[8], const std::uint8_t block[64],
                                       std::uint8_t blockLength, std::uint64_t counter,
                                       std::uint8_t flags);

// Hashes `count` inputs of `blocks` whole blocks each, every one from `key`, and writes their
// chaining values (32 bytes each) one after another to `out`. Whole chunks: 16 blocks, the
// counter the first chunk's index, counted up for each input; parents: 1 block, the counter 0
// for all. `flagsStart` joins `flags` on each input's first block, `flagsEnd` on its last.
using Blake3HashMany = void (*)(const std::uint8_t* const* inputs, std::size_t count,
                                std::size_t blocks, const std::uint32_t key[8],
                                std::uint64_t counter, bool incrementCounter, std::uint8_t flags,
                                std::uint8_t flagsStart, std::uint8_t flagsEnd, std::uint8_t* out);

struct Blake3Kernel {
    Blake3CompressInPlace compress;
    Blake3HashMany hashMany;
    std::size_t degree;  // how many inputs hashMany takes side by side; the engine batches so many
};

void Blake3CompressPortable(std::uint32_t cv[8], const std::uint8_t block[64],
                            std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags);
void Blake3HashManyPortable(const std::uint8_t* const* inputs, std::size_t count,
                            std::size_t blocks, const std::uint32_t key[8], std::uint64_t counter,
                            bool incrementCounter, std::uint8_t flags, std::uint8_t flagsStart,
                            std::uint8_t flagsEnd, std::uint8_t* out);
#ifdef HASHWELL_X86_KERNELS
void Blake3CompressSse41(std::uint32_t cv[8], const std::uint8_t block[64],
                         std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags);
void Blake3HashManySse41(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                         const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                         std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                         std::uint8_t* out);
void Blake3HashManyAvx2(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                        const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                        std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                        std::uint8_t* out);
void Blake3CompressAvx512(std::uint32_t cv[8], const std::uint8_t block[64],
                          std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags);
void Blake3HashManyAvx512(const std::uint8_t* const* inputs, std::size_t count, std::size_t blocks,
                          const std::uint32_t key[8], std::uint64_t counter, bool incrementCounter,
                          std::uint8_t flags, std::uint8_t flagsStart, std::uint8_t flagsEnd,
                          std::uint8_t* out);
#endif

KernelTable<Blake3Kernel>& Blake3Kernels();

}  // namespace hashwell::digest
