#include <bit>
#include <cstring>

#include "digest/blake3/blake3_compress.h"
#include "digest/byte_order.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

// The order in which each round reads the message words.
constexpr std::uint8_t kSchedule[7][16] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
    {2, 6, 3, 10, 7, 0, 4, 13, 1, 11, 12, 5, 9, 14, 15, 8},
    {3, 4, 10, 12, 13, 2, 7, 14, 6, 5, 9, 0, 11, 15, 8, 1},
    {10, 7, 12, 9, 14, 3, 13, 15, 4, 0, 11, 2, 5, 8, 1, 6},
    {12, 13, 9, 11, 15, 10, 14, 8, 7, 2, 5, 3, 0, 1, 6, 4},
    {9, 14, 11, 5, 8, 12, 15, 1, 13, 3, 0, 10, 2, 6, 4, 7},
    {11, 15, 5, 0, 1, 9, 8, 6, 14, 10, 2, 12, 3, 4, 7, 13},
};

void Mix(Word* v, int a, int b, int c, int d, Word x, Word y) {
    v[a] = v[a] + v[b] + x;
    v[d] = std::rotr(v[d] ^ v[a], 16);
    v[c] = v[c] + v[d];
    v[b] = std::rotr(v[b] ^ v[c], 12);
    v[a] = v[a] + v[b] + y;
    v[d] = std::rotr(v[d] ^ v[a], 8);
    v[c] = v[c] + v[d];
    v[b] = std::rotr(v[b] ^ v[c], 7);
}

}  // namespace

void Blake3CompressPortable(std::uint32_t cv[8], const std::uint8_t block[64],
                            std::uint8_t blockLength, std::uint64_t counter, std::uint8_t flags) {
    Word m[16];
    for (int i = 0; i < 16; ++i) {
        m[i] = LoadLe32(block + 4 * i);
    }
    Word v[16] = {cv[0],
                  cv[1],
                  cv[2],
                  cv[3],
                  cv[4],
                  cv[5],
                  cv[6],
                  cv[7],
                  kBlake3Iv[0],
                  kBlake3Iv[1],
                  kBlake3Iv[2],
                  kBlake3Iv[3],
                  static_cast<Word>(counter),
                  static_cast<Word>(counter >> 32),
                  blockLength,
                  flags};
    for (const std::uint8_t* s : kSchedule) {
        Mix(v, 0, 4, 8, 12, m[s[0]], m[s[1]]);
        Mix(v, 1, 5, 9, 13, m[s[2]], m[s[3]]);
        Mix(v, 2, 6, 10, 14, m[s[4]], m[s[5]]);
        Mix(v, 3, 7, 11, 15, m[s[6]], m[s[7]]);
        Mix(v, 0, 5, 10, 15, m[s[8]], m[s[9]]);
        Mix(v, 1, 6, 11, 12, m[s[10]], m[s[11]]);
        Mix(v, 2, 7, 8, 13, m[s[12]], m[s[13]]);
        Mix(v, 3, 4, 9, 14, m[s[14]], m[s[15]]);
    }
    for (int i = 0; i < 8; ++i) {
        cv[i] = v[i] ^ v[i + 8];
    }
}

void Blake3HashManyPortable(const std::uint8_t* const* inputs, std::size_t count,
                            std::size_t blocks, const std::uint32_t key[8], std::uint64_t counter,
                            bool incrementCounter, std::uint8_t flags, std::uint8_t flagsStart,
                            std::uint8_t flagsEnd, std::uint8_t* out) {
    for (std::size_t input = 0; input < count; ++input, out += kBlake3OutLength) {
        Word cv[8];
        std::memcpy(cv, key, sizeof cv);
        for (std::size_t block = 0; block < blocks; ++block) {
            std::uint8_t blockFlags = flags;
            if (block == 0) {
                blockFlags |= flagsStart;
            }
            if (block + 1 == blocks) {
                blockFlags |= flagsEnd;
            }
            Blake3CompressPortable(cv, inputs[input] + block * kBlake3BlockLength,
                                   kBlake3BlockLength, counter, blockFlags);
        }
        for (int i = 0; i < 8; ++i) {
            StoreLe32(out + 4 * i, cv[i]);
        }
        if (incrementCounter) {
            ++counter;
        }
    }
}

}  // namespace hashwell::digest
