#include "digest/sha2_64/sha512.h"

#include "digest/byte_order.h"
#include "digest/sha2_64/sha512_compress.h"
#include "digest/sha2_64/sha512_rounds.h"

namespace hashwell::digest {
namespace {

using Word = std::uint64_t;

constexpr std::array<Word, 8> kInitial384 = {
    0xcbbb9d5dc1059ed8, 0x629a292a367cd507, 0x9159015a3070dd17, 0x152fecd8f70e5939,
    0x67332667ffc00b31, 0x8eb44a8768581511, 0xdb0c2e0d64f98fa7, 0x47b5481dbefa4fa4};
constexpr std::array<Word, 8> kInitial512 = {
    0x6a09e667f3bcc908, 0xbb67ae8584caa73b, 0x3c6ef372fe94f82b, 0xa54ff53a5f1d36f1,
    0x510e527fade682d1, 0x9b05688c2b3e6c1f, 0x1f83d9abfb41bd6b, 0x5be0cd19137e2179};

}  // namespace

void Sha512CompressPortable(std::uint64_t* state, const std::uint8_t* blocks, std::size_t count) {
    Sha512Blocks(state, blocks, count);
}

KernelTable<Sha512Compress>& Sha512Kernels() {
    static constexpr Kernel<Sha512Compress> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"avx2", [] { return Cpu().avx2 && Cpu().bmi1 && Cpu().bmi2; }, &Sha512CompressAvx2},
        {"bmi", [] { return Cpu().bmi1 && Cpu().bmi2; }, &Sha512CompressBmi},
#endif
        {"portable", &AlwaysSupported, &Sha512CompressPortable},
    };
    static KernelTable<Sha512Compress> table{kKernels};
    return table;
}

Sha512::Sha512(int bits)
    : state_(bits == 384 ? kInitial384 : kInitial512), outputBytes_(bits == 384 ? 48 : 64) {}

void Sha512::Update(const std::uint8_t* data, std::size_t length) {
    buffer_.Absorb(data, length, [this](const std::uint8_t* blocks, std::size_t count) {
        compress_(state_.data(), blocks, count);
    });
}

void Sha512::Finish(std::uint8_t* out) {
    // The 128-bit big-endian bit length: the byte count's top three bits, then the rest.
    buffer_.Pad<16>(
        [](std::uint8_t* field, std::uint64_t bytes) {
            StoreBe64(field, bytes >> 61);
            StoreBe64(field + 8, bytes << 3);
        },
        [this](const std::uint8_t* blocks, std::size_t count) {
            compress_(state_.data(), blocks, count);
        });
    for (int i = 0; i < outputBytes_ / 8; ++i) {
        StoreBe64(out + 8 * i, state_[i]);
    }
}

}  // namespace hashwell::digest
