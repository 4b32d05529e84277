#include "digest/md5/md5.h"

#include <bit>

#include "digest/byte_order.h"
#include "digest/md5/md5_compress.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

inline Word F(Word x, Word y, Word z) {
    return z ^ (x & (y ^ z));
}
inline Word H(Word x, Word y, Word z) {
    return x ^ y ^ z;
}
inline Word I(Word x, Word y, Word z) {
    return y ^ (x | ~z);
}

// One operation of the RFC: a = b + ((a + f(b,c,d) + x + t) <<< s).
template <Word (*Mix)(Word, Word, Word)>
inline void Step(Word& a, Word b, Word c, Word d, Word x, Word t, int s) {
    a = b + std::rotl(a + Mix(b, c, d) + x + t, s);
}

// The same with G(b,c,d) = (b & d) | (c & ~d). Its two halves never share a bit, so the "or"
// is an addition, and the half without b is added while b, the result of the step before,
// is still being computed.
inline void StepG(Word& a, Word b, Word c, Word d, Word x, Word t, int s) {
    a = b + std::rotl((a + x + t + (c & ~d)) + (b & d), s);
}

}  // namespace

void Md5CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    for (; count > 0; --count, blocks += 64) {
        Word x[16];
        for (int i = 0; i < 16; ++i) {
            x[i] = LoadLe32(blocks + 4 * i);
        }
        Word a = state[0], b = state[1], c = state[2], d = state[3];

        Step<F>(a, b, c, d, x[0], 0xd76aa478, 7);
        Step<F>(d, a, b, c, x[1], 0xe8c7b756, 12);
        Step<F>(c, d, a, b, x[2], 0x242070db, 17);
        Step<F>(b, c, d, a, x[3], 0xc1bdceee, 22);
        Step<F>(a, b, c, d, x[4], 0xf57c0faf, 7);
        Step<F>(d, a, b, c, x[5], 0x4787c62a, 12);
        Step<F>(c, d, a, b, x[6], 0xa8304613, 17);
        Step<F>(b, c, d, a, x[7], 0xfd469501, 22);
        Step<F>(a, b, c, d, x[8], 0x698098d8, 7);
        Step<F>(d, a, b, c, x[9], 0x8b44f7af, 12);
        Step<F>(c, d, a, b, x[10], 0xffff5bb1, 17);
        Step<F>(b, c, d, a, x[11], 0x895cd7be, 22);
        Step<F>(a, b, c, d, x[12], 0x6b901122, 7);
        Step<F>(d, a, b, c, x[13], 0xfd987193, 12);
        Step<F>(c, d, a, b, x[14], 0xa679438e, 17);
        Step<F>(b, c, d, a, x[15], 0x49b40821, 22);

        StepG(a, b, c, d, x[1], 0xf61e2562, 5);
        StepG(d, a, b, c, x[6], 0xc040b340, 9);
        StepG(c, d, a, b, x[11], 0x265e5a51, 14);
        StepG(b, c, d, a, x[0], 0xe9b6c7aa, 20);
        StepG(a, b, c, d, x[5], 0xd62f105d, 5);
        StepG(d, a, b, c, x[10], 0x02441453, 9);
        StepG(c, d, a, b, x[15], 0xd8a1e681, 14);
        StepG(b, c, d, a, x[4], 0xe7d3fbc8, 20);
        StepG(a, b, c, d, x[9], 0x21e1cde6, 5);
        StepG(d, a, b, c, x[14], 0xc33707d6, 9);
        StepG(c, d, a, b, x[3], 0xf4d50d87, 14);
        StepG(b, c, d, a, x[8], 0x455a14ed, 20);
        StepG(a, b, c, d, x[13], 0xa9e3e905, 5);
        StepG(d, a, b, c, x[2], 0xfcefa3f8, 9);
        StepG(c, d, a, b, x[7], 0x676f02d9, 14);
        StepG(b, c, d, a, x[12], 0x8d2a4c8a, 20);

        Step<H>(a, b, c, d, x[5], 0xfffa3942, 4);
        Step<H>(d, a, b, c, x[8], 0x8771f681, 11);
        Step<H>(c, d, a, b, x[11], 0x6d9d6122, 16);
        Step<H>(b, c, d, a, x[14], 0xfde5380c, 23);
        Step<H>(a, b, c, d, x[1], 0xa4beea44, 4);
        Step<H>(d, a, b, c, x[4], 0x4bdecfa9, 11);
        Step<H>(c, d, a, b, x[7], 0xf6bb4b60, 16);
        Step<H>(b, c, d, a, x[10], 0xbebfbc70, 23);
        Step<H>(a, b, c, d, x[13], 0x289b7ec6, 4);
        Step<H>(d, a, b, c, x[0], 0xeaa127fa, 11);
        Step<H>(c, d, a, b, x[3], 0xd4ef3085, 16);
        Step<H>(b, c, d, a, x[6], 0x04881d05, 23);
        Step<H>(a, b, c, d, x[9], 0xd9d4d039, 4);
        Step<H>(d, a, b, c, x[12], 0xe6db99e5, 11);
        Step<H>(c, d, a, b, x[15], 0x1fa27cf8, 16);
        Step<H>(b, c, d, a, x[2], 0xc4ac5665, 23);

        Step<I>(a, b, c, d, x[0], 0xf4292244, 6);
        Step<I>(d, a, b, c, x[7], 0x432aff97, 10);
        Step<I>(c, d, a, b, x[14], 0xab9423a7, 15);
        Step<I>(b, c, d, a, x[5], 0xfc93a039, 21);
        Step<I>(a, b, c, d, x[12], 0x655b59c3, 6);
        Step<I>(d, a, b, c, x[3], 0x8f0ccc92, 10);
        Step<I>(c, d, a, b, x[10], 0xffeff47d, 15);
        Step<I>(b, c, d, a, x[1], 0x85845dd1, 21);
        Step<I>(a, b, c, d, x[8], 0x6fa87e4f, 6);
        Step<I>(d, a, b, c, x[15], 0xfe2ce6e0, 10);
        Step<I>(c, d, a, b, x[6], 0xa3014314, 15);
        Step<I>(b, c, d, a, x[13], 0x4e0811a1, 21);
        Step<I>(a, b, c, d, x[4], 0xf7537e82, 6);
        Step<I>(d, a, b, c, x[11], 0xbd3af235, 10);
        Step<I>(c, d, a, b, x[2], 0x2ad7d2bb, 15);
        Step<I>(b, c, d, a, x[9], 0xeb86d391, 21);

        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
    }
}

KernelTable<Md5Compress>& Md5Kernels() {
    static constexpr Kernel<Md5Compress> kKernels[] = {
        {"portable", &AlwaysSupported, &Md5CompressPortable},
    };
    static KernelTable<Md5Compress> table{kKernels};
    return table;
}

void Md5::Update(const std::uint8_t* data, std::size_t length) {
    buffer_.Absorb(data, length, [this](const std::uint8_t* blocks, std::size_t count) {
        compress_(state_.data(), blocks, count);
    });
}

void Md5::Finish(std::uint8_t* out) {
    buffer_.Pad<8>([](std::uint8_t* field, std::uint64_t bytes) { StoreLe64(field, bytes * 8); },
                   [this](const std::uint8_t* blocks, std::size_t count) {
                       compress_(state_.data(), blocks, count);
                   });
    for (int i = 0; i < 4; ++i) {
        StoreLe32(out + 4 * i, state_[i]);
    }
}

}  // namespace hashwell::digest
