#include <bit>
#include <cstring>

#include "digest/blake3/blake3_compress.h"
#include "digest/byte_order.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

// The quarter-round on four words of the state, two message words mixed in.
[[gnu::always_inline]] inline void Mix(Word& a, Word& b, Word& c, Word& d, Word x, Word y) {
    a = a + b + x;
    d = std::rotr(d ^ a, 16);
    c = c + d;
    b = std::rotr(b ^ c, 12);
    a = a + b + y;
    d = std::rotr(d ^ a, 8);
    c = c + d;
    b = std::rotr(b ^ c, 7);
}

// One round, its schedule known when compiled, so that every word stays in a register.
template <int Round>
[[gnu::always_inline]] inline void DoRound(Word (&v)[16], const Word (&m)[16]) {
    constexpr const std::uint8_t* s = kBlake3Schedule[Round];
    Mix(v[0], v[4], v[8], v[12], m[s[0]], m[s[1]]);
    Mix(v[1], v[5], v[9], v[13], m[s[2]], m[s[3]]);
    Mix(v[2], v[6], v[10], v[14], m[s[4]], m[s[5]]);
    Mix(v[3], v[7], v[11], v[15], m[s[6]], m[s[7]]);
    Mix(v[0], v[5], v[10], v[15], m[s[8]], m[s[9]]);
    Mix(v[1], v[6], v[11], v[12], m[s[10]], m[s[11]]);
    Mix(v[2], v[7], v[8], v[13], m[s[12]], m[s[13]]);
    Mix(v[3], v[4], v[9], v[14], m[s[14]], m[s[15]]);
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
    DoRound<0>(v, m);
    DoRound<1>(v, m);
    DoRound<2>(v, m);
    DoRound<3>(v, m);
    DoRound<4>(v, m);
    DoRound<5>(v, m);
    DoRound<6>(v, m);
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
