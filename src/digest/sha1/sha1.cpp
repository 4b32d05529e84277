#include "digest/sha1/sha1.h"

#include <bit>

#include "digest/byte_order.h"
#include "digest/sha1/sha1_compress.h"

namespace hashwell::digest {
namespace {

using Word = std::uint32_t;

}  // namespace

// The message schedule lives in a 16-word ring, so the caller's bytes are only ever read.
void Sha1CompressPortable(std::uint32_t* state, const std::uint8_t* blocks, std::size_t count) {
    for (; count > 0; --count, blocks += 64) {
        Word w[16];
        for (int t = 0; t < 16; ++t) {
            w[t] = LoadBe32(blocks + 4 * t);
        }
        Word a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
        auto round = [&](int t, Word f, Word k) {
            Word wt;
            if (t < 16) {
                wt = w[t];
            } else {
                wt = std::rotl(w[(t + 13) & 15] ^ w[(t + 8) & 15] ^ w[(t + 2) & 15] ^ w[t & 15], 1);
                w[t & 15] = wt;
            }
            const Word temp = std::rotl(a, 5) + f + e + k + wt;
            e = d;
            d = c;
            c = std::rotl(b, 30);
            b = a;
            a = temp;
        };
        for (int t = 0; t < 20; ++t) {
            round(t, d ^ (b & (c ^ d)), 0x5A827999);
        }
        for (int t = 20; t < 40; ++t) {
            round(t, b ^ c ^ d, 0x6ED9EBA1);
        }
        for (int t = 40; t < 60; ++t) {
            round(t, (b & c) | (d & (b | c)), 0x8F1BBCDC);
        }
        for (int t = 60; t < 80; ++t) {
            round(t, b ^ c ^ d, 0xCA62C1D6);
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
    }
}

KernelTable<Sha1Compress>& Sha1Kernels() {
    static constexpr Kernel<Sha1Compress> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"shani", [] { return Cpu().sha && Cpu().sse41; }, &Sha1CompressShaNi},
#endif
        {"portable", &AlwaysSupported, &Sha1CompressPortable},
    };
    static KernelTable<Sha1Compress> table{kKernels};
    return table;
}

void Sha1::Update(const std::uint8_t* data, std::size_t length) {
    buffer_.Absorb(data, length, [this](const std::uint8_t* blocks, std::size_t count) {
        compress_(state_.data(), blocks, count);
    });
}

void Sha1::Finish(std::uint8_t* out) {
    buffer_.Pad<8>([](std::uint8_t* field, std::uint64_t bytes) { StoreBe64(field, bytes * 8); },
                   [this](const std::uint8_t* blocks, std::size_t count) {
                       compress_(state_.data(), blocks, count);
                   });
    for (int i = 0; i < 5; ++i) {
        StoreBe32(out + 4 * i, state_[i]);
    }
}

}  // namespace hashwell::digest
