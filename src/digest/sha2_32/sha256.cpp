#include "digest/sha2_32/sha256.h"

#include <bit>

#include "digest/byte_order.h"
#include "digest/sha2_32/sha256_compress.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

constexpr std::array<Word, 8> kInitial224 = {0xc1059ed8, 0x367cd507, 0x3070dd17, 0xf70e5939,
                                             0xffc00b31, 0x68581511, 0x64f98fa7, 0xbefa4fa4};
constexpr std::array<Word, 8> kInitial256 = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                             0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

}  // namespace

void Sha256CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    for (; count > 0; --count, blocks += 64) {
        Word w[64];
        for (int t = 0; t < 16; ++t) {
            w[t] = LoadBe32(blocks + 4 * t);
        }
        for (int t = 16; t < 64; ++t) {
            const Word s0 = std::rotr(w[t - 15], 7) ^ std::rotr(w[t - 15], 18) ^ (w[t - 15] >> 3);
            const Word s1 = std::rotr(w[t - 2], 17) ^ std::rotr(w[t - 2], 19) ^ (w[t - 2] >> 10);
            w[t] = w[t - 16] + s0 + w[t - 7] + s1;
        }
        Word a = state[0], b = state[1], c = state[2], d = state[3];
        Word e = state[4], f = state[5], g = state[6], h = state[7];
        for (int t = 0; t < 64; ++t) {
            const Word sum1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
            const Word choose = g ^ (e & (f ^ g));
            const Word t1 = h + sum1 + choose + kSha256RoundConstants[t] + w[t];
            const Word sum0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
            const Word majority = (a & b) | (c & (a | b));
            const Word t2 = sum0 + majority;
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

KernelTable<Sha256Compress>& Sha256Kernels() {
    static constexpr Kernel<Sha256Compress> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"shani", [] { return Cpu().sha && Cpu().sse41; }, &Sha256CompressShaNi},
#endif
        {"portable", &AlwaysSupported, &Sha256CompressPortable},
    };
    static KernelTable<Sha256Compress> table{kKernels};
    return table;
}

Sha256::Sha256(int bits)
    : state_(bits == 224 ? kInitial224 : kInitial256),
      outputBytes_(bits == 224 ? 28 : 32),
      compress_(Sha256Kernels().Active().function) {}

void Sha256::Update(const std::uint8_t* data, std::size_t length) {
    buffer_.Absorb(data, length, [this](const std::uint8_t* blocks, std::size_t count) {
        compress_(state_.data(), blocks, count);
    });
}

void Sha256::Finish(std::uint8_t* out) {
    buffer_.Pad<8>([](std::uint8_t* field, std::uint64_t bytes) { StoreBe64(field, bytes * 8); },
                   [this](const std::uint8_t* blocks, std::size_t count) {
                       compress_(state_.data(), blocks, count);
                   });
    for (int i = 0; i < outputBytes_ / 4; ++i) {
        StoreBe32(out + 4 * i, state_[i]);
    }
}

}  // namespace hashwell::digest
