// Every kernel of every engine, the stitched MD5+SHA-1+SHA-256 ones among them, against the
// standards' vectors and against OpenSSL, zlib and b3sum: each length around the block boundaries
// and long inputs, fed whole, byte by byte and in random pieces from misaligned memory. A kernel
// this processor cannot run is reported as skipped, never passed.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <string>

#include "digest/active_kernels.h"
#include "digest/blake3/blake3.h"
#include "digest/digest.h"
#include "digest/kernel/cpu_features.h"
#include "digest/registry.h"
#include "digest/stitched/md5_sha1_sha256.h"
#include "support/oracle.h"
#include "support/platform_testing.h"
#include "support/table_file.h"
#include "support/vector_file.h"

namespace hashwell::test {
namespace {

using Bytes = std::span<const std::uint8_t>;
using enum digest::AlgorithmId;

// Ways of handing the same bytes to an engine; every one must give the same code.
enum Split { kWhole, kByteByByte, kRandomPieces };
constexpr const char* kSplitNames[] = {"whole", "byte by byte", "in random pieces"};

// Hands `bytes` to `add` as the split says; the pieces come from a copy that starts 0 to 7 bytes
// past an aligned address. Random pieces are mostly small, so that block boundaries are crossed
// in every way, some empty, and now and then a large one.
void Feed(Bytes bytes, Split split, std::mt19937_64& random,
          const std::function<void(Bytes)>& add) {
    if (split == kWhole) {
        add(bytes);
        return;
    }
    std::vector<std::uint64_t> aligned(bytes.size() / 8 + 2);
    std::uint8_t* copy = reinterpret_cast<std::uint8_t*>(aligned.data()) + random() % 8;
    std::ranges::copy(bytes, copy);
    for (std::size_t at = 0, piece = 0; at < bytes.size(); at += piece) {
        const std::uint64_t r = random();
        piece = split == kByteByByte ? 1
                : r % 10 == 0        ? 0
                : r % 10 == 9        ? 1 + r / 10 % 70000
                                     : 1 + r / 10 % 200;
        piece = std::min(piece, bytes.size() - at);
        add({copy + at, piece});
    }
    add({});
}

class EveryKernel : public ::testing::TestWithParam<digest::KernelInfo> {
protected:
    void SetUp() override {
        digest::RegisterDigestMethods();
        const digest::KernelInfo& kernel = GetParam();
        if (!kernel.supported) {
            GTEST_SKIP() << "this processor cannot run the " << kernel.name << " kernel of "
                         << kernel.engine;
        }
        ASSERT_TRUE(digest::SelectKernel(kernel.engine, kernel.name));
    }
    void TearDown() override { digest::SelectBestKernels(); }

    static bool Stitched() { return GetParam().engine == digest::kStitchedEngine; }

    static bool Computes(const Variant& variant) {
        if (Stitched()) {
            return variant.id == Md5 || variant.id == Sha1 || variant.id == Sha256;
        }
        return variant.engine == GetParam().engine;
    }

    // The variant's code of `bytes` from the kernel, fed as the split says.
    static std::string Ours(const Variant& variant, Bytes bytes, Split split,
                            std::mt19937_64& random) {
        if (!Stitched()) {
            digest::DigestStream stream(variant.method, variant.bits, 1);
            Feed(bytes, split, random, [&](Bytes piece) { stream.Add(piece); });
            return stream.Finish();
        }
        digest::Md5Sha1Sha256 all;
        Feed(bytes, split, random, [&](Bytes piece) { all.Update(piece.data(), piece.size()); });
        std::uint8_t md5[16], sha1[20], sha256[32];
        all.Finish(md5, sha1, sha256);
        return digest::BytesToHex(variant.id == Md5    ? Bytes(md5)
                                  : variant.id == Sha1 ? Bytes(sha1)
                                                       : Bytes(sha256));
    }
};

TEST_P(EveryKernel, GivesThePublishedCodesAndTheOraclesAtEveryLengthInEverySplit) {
    std::mt19937_64 random(1321);
    int checked = 0;
    for (const char* file :
         {"crc32.vec", "md5.vec", "sha1.vec", "sha2.vec", "sha3.vec", "blake3.vec"}) {
        for (const KnownAnswer& answer : ReadVectorFile(file)) {
            const Variant* variant = digest::FindAlgorithmByTag(answer.section);
            ASSERT_NE(variant, nullptr) << file << ": unknown section " << answer.section;
            if (!Computes(*variant)) {
                continue;
            }
            ++checked;
            for (const Split split : {kWhole, kByteByByte, kRandomPieces}) {
                EXPECT_EQ(Ours(*variant, digest::AsBytes(answer.input), split, random),
                          answer.expected)
                    << file << ":" << answer.line << " fed " << kSplitNames[split];
            }
        }
    }
    EXPECT_GT(checked, 0);

    std::vector<std::uint8_t> bytes(2050 * 1024);
    std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random()); });
    for (const Variant& variant : kAllVariants) {
        if (!Computes(variant)) {
            continue;
        }
        if (!OracleHas(variant)) {
            GTEST_SKIP() << "no oracle of " << variant.tag << " here (b3sum is not installed)";
        }
        // Every length to 1100 and 1 MiB and more; for BLAKE3 also those around its chunks and
        // subtrees (of 2 to 2048 chunks: the wide paths' groups and the tree's levels).
        std::vector<std::size_t> lengths(1101);
        std::iota(lengths.begin(), lengths.end(), 0);
        lengths.push_back(1024 * 1024 + 77);
        if (variant.id == Blake3) {
            for (const std::size_t chunks :
                 {2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 64, 65, 512, 2047, 2048, 2049}) {
                for (const std::size_t length :
                     {chunks * 1024 - 1, chunks * 1024, chunks * 1024 + 1, chunks * 1024 + 555}) {
                    lengths.push_back(length);
                }
            }
        }
        // From a misaligned address.
        std::vector<Bytes> pieces;
        for (const std::size_t length : lengths) {
            pieces.emplace_back(bytes.data() + 1, length);
        }
        const std::vector<std::string> expected = OracleDigests(variant, pieces);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            // Whole, so that the wide paths meet every length; byte by byte only now and then,
            // for its time.
            const std::size_t length = pieces[i].size();
            for (const Split split : {kWhole, kRandomPieces, kByteByByte}) {
                if (split != kByteByByte || (length % 61 == 0 && length <= 1100)) {
                    ASSERT_EQ(Ours(variant, pieces[i], split, random), expected[i])
                        << variant.tag << ", " << length << " bytes " << kSplitNames[split];
                }
            }
        }
    }
}

// The list run's way with one large BLAKE3 file on two threads: each buffer but the last as two
// subtrees hashed apart and joined in order, the last one (and here also the first) through
// Update; with every kernel, whole buffers of 1 MiB and of 2 chunks, evenly split or not.
TEST(Blake3Subtrees, JoinedInOrderGiveTheCodeOfTheWholeInput) {
    digest::RegisterDigestMethods();
    std::mt19937_64 random(3);
    std::vector<std::uint8_t> bytes(3 * 1024 * 1024 + 777);
    std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random()); });
    for (const digest::KernelInfo& kernel : digest::AllKernels()) {
        if (kernel.engine != "BLAKE3" || !kernel.supported) {
            continue;
        }
        ASSERT_TRUE(digest::SelectKernel(kernel.engine, kernel.name));
        for (const std::size_t buffer : {std::size_t{1024 * 1024}, std::size_t{2048}}) {
            for (const std::size_t length : {bytes.size(), 3 * buffer, 3 * buffer + 1}) {
                digest::Blake3 whole;
                whole.Update(bytes.data(), length);
                for (const bool firstByUpdate : {false, true}) {
                    digest::Blake3 joined;
                    std::size_t at = 0;
                    if (firstByUpdate) {
                        joined.Update(bytes.data(), buffer);
                        at = buffer;
                    }
                    for (; length - at > buffer; at += buffer) {
                        const std::size_t half = buffer / 2;
                        const auto left = digest::Blake3::HashSubtree(&bytes[at], half, at / 1024);
                        const auto right = digest::Blake3::HashSubtree(&bytes[at + half], half,
                                                                       (at + half) / 1024);
                        joined.AddSubtree(left, half);
                        joined.AddSubtree(right, half);
                    }
                    joined.Update(&bytes[at], length - at);
                    std::uint8_t expected[32], ours[32];
                    digest::Blake3(whole).Finish(expected);
                    joined.Finish(ours);
                    EXPECT_EQ(digest::BytesToHex(ours), digest::BytesToHex(expected))
                        << kernel.name << ", " << length << " bytes in buffers of " << buffer
                        << (firstByUpdate ? ", the first through Update" : "");
                }
            }
        }
    }
    digest::SelectBestKernels();
}

// The kernels' names as test names: "SHA256_shani", "MD5SHA1SHA256_separate".
std::string KernelName(const ::testing::TestParamInfo<digest::KernelInfo>& info) {
    std::string name = std::string(info.param.engine) + "_" + std::string(info.param.name);
    std::erase_if(name, [](char c) { return c == '-' || c == '+'; });
    return name;
}

INSTANTIATE_TEST_SUITE_P(Kernels, EveryKernel, ::testing::ValuesIn(digest::AllKernels()),
                         KernelName);

// The algorithms computed by this program's own kernels (not by a library).
std::vector<Variant> WithKernels() {
    const std::vector<digest::KernelInfo> kernels = digest::AllKernels();
    std::vector<Variant> variants;
    std::ranges::copy_if(kAllVariants, std::back_inserter(variants), [&](const Variant& variant) {
        return std::ranges::any_of(kernels, [&](const digest::KernelInfo& kernel) {
            return kernel.engine == variant.engine;
        });
    });
    return variants;
}

TEST(KernelChoice, TheEnvironmentVariableForcesThePortableKernels) {
    SetVariable(digest::kPortableKernelsVariable, "1");
    digest::SelectBestKernels();
    for (const Variant& variant : WithKernels()) {
        EXPECT_EQ(digest::ActiveKernelName(variant.method, variant.bits), "portable")
            << variant.tag;
    }
    SetVariable(digest::kPortableKernelsVariable, "0");
    digest::SelectBestKernels();
    const std::vector<digest::KernelInfo> kernels = digest::AllKernels();  // the best first
    for (const Variant& variant : WithKernels()) {
        EXPECT_EQ(digest::ActiveKernelName(variant.method, variant.bits),
                  std::ranges::find_if(kernels, [&](const digest::KernelInfo& kernel) {
                      return kernel.engine == variant.engine && kernel.supported;
                  })->name);
    }
    SetVariable(digest::kPortableKernelsVariable, std::nullopt);
}

#if defined(__x86_64__) || defined(__i386__)
// A kernel is offered only where it can run: the features as the compiler's run-time library
// reads them, AVX ones only where the system saves their registers.
TEST(KernelChoice, ProcessorFeaturesAreTheOnesTheCompilersRuntimeFinds) {
    const digest::CpuFeatures& cpu = digest::Cpu();
    EXPECT_EQ(cpu.ssse3, __builtin_cpu_supports("ssse3") != 0);
    EXPECT_EQ(cpu.sse41, __builtin_cpu_supports("sse4.1") != 0);
    EXPECT_EQ(cpu.pclmul, __builtin_cpu_supports("pclmul") != 0);
    EXPECT_EQ(cpu.sha, __builtin_cpu_supports("sha") != 0);
    EXPECT_EQ(cpu.bmi1, __builtin_cpu_supports("bmi") != 0);
    EXPECT_EQ(cpu.bmi2, __builtin_cpu_supports("bmi2") != 0);
    EXPECT_EQ(cpu.avx2, __builtin_cpu_supports("avx2") != 0);
    EXPECT_EQ(cpu.vpclmul, cpu.avx2 && __builtin_cpu_supports("vpclmulqdq") != 0);
    EXPECT_EQ(cpu.avx512,
              __builtin_cpu_supports("avx512f") != 0 && __builtin_cpu_supports("avx512vl") != 0);
}
#endif

// BLAKE3's kernels hash a batch of inputs side by side, each lane with its own counter. No
// vector reaches a chunk counter of 2^32 (4 TiB), so here each kernel meets the portable one on
// batches whose counters cross into the high word at every lane, widths mixed as 31 inputs mix
// them, and on a counter that stays put (parents); and its one-block compression likewise.
TEST(Blake3Kernels, EachLanesCounterCarriesIntoItsHighWordAsThePortableOnes) {
    const auto kernels = digest::Blake3Kernels().All();
    const digest::Blake3Kernel& portable = kernels.back().function;
    constexpr std::size_t kInputs = 31;
    constexpr std::size_t kBlocks = 2;
    std::mt19937_64 random(7);
    std::vector<std::uint8_t> data(kInputs * kBlocks * 64 + 1);
    std::ranges::generate(data, [&] { return static_cast<std::uint8_t>(random()); });
    std::vector<const std::uint8_t*> inputs;
    for (std::size_t i = 0; i < kInputs; ++i) {
        inputs.push_back(data.data() + 1 + i * kBlocks * 64);  // misaligned
    }
    for (const auto& kernel : kernels) {
        if (!kernel.supported()) {
            continue;
        }
        for (std::uint64_t counter = (1ULL << 32) - kInputs; counter <= 1ULL << 32; ++counter) {
            for (const bool increment : {true, false}) {
                std::vector<std::uint8_t> ours(kInputs * 32);
                std::vector<std::uint8_t> theirs(kInputs * 32);
                kernel.function.hashMany(inputs.data(), kInputs, kBlocks, digest::kBlake3Iv,
                                         counter, increment, 0, 1, 2, ours.data());
                portable.hashMany(inputs.data(), kInputs, kBlocks, digest::kBlake3Iv, counter,
                                  increment, 0, 1, 2, theirs.data());
                EXPECT_EQ(ours, theirs) << kernel.name << " from " << counter << increment;
            }
            std::uint32_t ours[8] = {1, 2, 3, 4, 5, 6, 7, 8};
            std::uint32_t theirs[8] = {1, 2, 3, 4, 5, 6, 7, 8};
            kernel.function.compress(ours, inputs[0], 64, counter, 11);
            portable.compress(theirs, inputs[0], 64, counter, 11);
            EXPECT_TRUE(std::ranges::equal(ours, theirs)) << kernel.name << " at " << counter;
        }
    }
}

// More than 4 GiB, really hashed: minutes, so run only as digest_large_input_tests.
TEST(LargeInput, DISABLED_MoreThanFourGiBGivesThePrecomputedCodes) {
    digest::RegisterDigestMethods();
    std::vector<std::uint8_t> piece(1024 * 1024);
    for (std::size_t i = 0; i < piece.size(); ++i) {
        piece[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    for (const std::vector<std::string>& row : ReadTable("digest/large_input.tsv")) {
        const Variant* variant = digest::FindAlgorithmByTag(row[0]);
        digest::DigestStream ours(variant->method, variant->bits, 0);
        for (int k = 0; k < 4 * 1024 + 1; ++k) {  // 4 GiB + 1 MiB
            ours.Add(piece);
        }
        ours.Add(Bytes(piece.data(), 13));
        EXPECT_EQ(ours.Finish(), row[1]) << row[0];
    }
}

}  // namespace
}  // namespace hashwell::test
