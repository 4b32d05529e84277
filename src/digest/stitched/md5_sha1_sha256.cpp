#include "digest/stitched/md5_sha1_sha256.h"

#include "digest/kernel/cpu_features.h"

namespace hashwell::digest {
namespace {

// The three engines' own kernels, one after another over the same blocks.
void CompressSeparately(std::uint32_t* md5, std::uint32_t* sha1, std::uint32_t* sha256,
                        const std::uint8_t* blocks, std::size_t count) {
    Md5Kernels().Active().function(md5, blocks, count);
    Sha1Kernels().Active().function(sha1, blocks, count);
    Sha256Kernels().Active().function(sha256, blocks, count);
}

}  // namespace

KernelTable<Md5Sha1Sha256Compress>& Md5Sha1Sha256Kernels() {
    static constexpr Kernel<Md5Sha1Sha256Compress> kKernels[] = {
#ifdef HASHWELL_X86_KERNELS
        {"shani", [] { return Cpu().sha && Cpu().sse41; }, &Md5Sha1Sha256CompressShaNi},
#endif
        {"separate", &AlwaysSupported, &CompressSeparately},
    };
    static KernelTable<Md5Sha1Sha256Compress> table{kKernels};
    return table;
}

void Md5Sha1Sha256::Update(const std::uint8_t* data, std::size_t length) {
    buffer_.Absorb(data, length, [this](const std::uint8_t* blocks, std::size_t count) {
        compress_(md5_.ChainingState(), sha1_.ChainingState(), sha256_.ChainingState(), blocks,
                  count);
    });
}

void Md5Sha1Sha256::Finish(std::uint8_t* md5, std::uint8_t* sha1, std::uint8_t* sha256) {
    const std::size_t pending = buffer_.PendingLength();
    const std::uint64_t whole = buffer_.Absorbed() - pending;  // what the blocks held
    md5_.AssumeAbsorbed(whole);
    sha1_.AssumeAbsorbed(whole);
    sha256_.AssumeAbsorbed(whole);
    md5_.Update(buffer_.Pending(), pending);
    sha1_.Update(buffer_.Pending(), pending);
    sha256_.Update(buffer_.Pending(), pending);
    md5_.Finish(md5);
    sha1_.Finish(sha1);
    sha256_.Finish(sha256);
}

}  // namespace hashwell::digest
