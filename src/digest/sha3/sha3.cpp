#include "digest/sha3/sha3.h"

#include <cstring>

#include "digest/byte_order.h"
#include "digest/sha3/keccak_permute.h"
#include "digest/sha3/keccak_rounds.h"

namespace hashwell::digest {
namespace {

constexpr std::uint8_t kDomainPadding = 0x06;
constexpr std::uint8_t kFinalBit = 0x80;

}  // namespace

void KeccakPermutePortable(std::uint64_t* lanes) {
    KeccakRounds(lanes);
}

KernelTable<KeccakPermute>& KeccakKernels() {
    static constexpr Kernel<KeccakPermute> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"avx512", [] { return Cpu().avx512; }, &KeccakPermuteAvx512},
        {"bmi", [] { return Cpu().bmi1 && Cpu().bmi2; }, &KeccakPermuteBmi},
#endif
        {"portable", &AlwaysSupported, &KeccakPermutePortable},
    };
    static KernelTable<KeccakPermute> table{kKernels};
    return table;
}

Sha3::Sha3(int bits)
    : rate_(static_cast<std::size_t>(1600 - 2 * bits) / 8), outputBytes_(bits / 8) {}

void Sha3::AbsorbBlock(const std::uint8_t* block) {
    for (std::size_t i = 0; i < rate_ / 8; ++i) {
        lanes_[i] ^= LoadLe64(block + 8 * i);
    }
    permute_(lanes_.data());
}

void Sha3::Update(const std::uint8_t* data, std::size_t length) {
    if (length == 0) {
        return;  // a zero-length piece may come with no address at all
    }
    if (used_ > 0) {
        const std::size_t take = length < rate_ - used_ ? length : rate_ - used_;
        std::memcpy(block_.data() + used_, data, take);
        used_ += take;
        data += take;
        length -= take;
        if (used_ < rate_) {
            return;
        }
        AbsorbBlock(block_.data());
        used_ = 0;
    }
    for (; length >= rate_; data += rate_, length -= rate_) {
        AbsorbBlock(data);
    }
    if (length > 0) {
        std::memcpy(block_.data(), data, length);
        used_ = length;
    }
}

void Sha3::Finish(std::uint8_t* out) {
    // Both padding bits share one byte (0x86) when only one byte of the block is free.
    std::memset(block_.data() + used_, 0, rate_ - used_);
    block_[used_] ^= kDomainPadding;
    block_[rate_ - 1] ^= kFinalBit;
    AbsorbBlock(block_.data());
    used_ = 0;
    for (int i = 0; i < outputBytes_; ++i) {
        out[i] = static_cast<std::uint8_t>(lanes_[i / 8] >> (8 * (i % 8)));
    }
}

}  // namespace hashwell::digest
