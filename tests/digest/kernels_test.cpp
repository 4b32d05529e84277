// Every kernel of every engine against the standards' vectors and against OpenSSL and zlib:
// each length around the block boundaries, in random pieces from misaligned memory. A kernel
// this processor cannot run is reported as skipped, never passed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "digest/active_kernels.h"
#include "digest/digest.h"
#include "digest/kernel/cpu_features.h"
#include "digest/registry.h"
#include "support/oracle.h"
#include "support/split_feeding.h"
#include "support/vector_file.h"

namespace hashwell::test {
namespace {

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

    static bool OfThisEngine(const Variant& variant) {
        return digest::EngineOf(variant.method, variant.bits) == GetParam().engine;
    }
};

TEST_P(EveryKernel, GivesThePublishedCodesInEverySplit) {
    std::mt19937_64 random(1321);
    int checked = 0;
    for (const char* file : {"crc32.vec", "md5.vec", "sha1.vec", "sha2.vec", "sha3.vec"}) {
        for (const KnownAnswer& answer : ReadVectorFile(file)) {
            for (const Variant& variant : kAllVariants) {
                if (variant.tag != answer.section || !OfThisEngine(variant)) {
                    continue;
                }
                for (const Split split : kAllSplits) {
                    EXPECT_EQ(
                        DigestWithSplit(variant, digest::AsBytes(answer.input), split, random),
                        answer.expected)
                        << file << ":" << answer.line << " fed " << SplitName(split);
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_P(EveryKernel, MatchesTheOracleAroundEveryBlockBoundaryAndOnLongInputs) {
    std::mt19937_64 random(202612);
    std::vector<std::uint8_t> bytes(1024 * 1024 + 77);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    for (const Variant& variant : kAllVariants) {
        if (!OfThisEngine(variant)) {
            continue;
        }
        // Whole, so that the wide paths (256 bytes and more in one piece) meet every length,
        // and in random misaligned pieces.
        for (std::size_t length = 0; length <= 1100; ++length) {
            const std::span<const std::uint8_t> piece(bytes.data() + 1, length);
            const std::string expected = OracleDigest(variant, piece);
            ASSERT_EQ(DigestWithSplit(variant, piece, Split::Whole, random), expected)
                << variant.tag << ", " << length << " bytes whole";
            ASSERT_EQ(DigestWithSplit(variant, piece, Split::Misaligned, random), expected)
                << variant.tag << ", " << length << " bytes";
        }
        EXPECT_EQ(DigestWithSplit(variant, bytes, Split::Misaligned, random),
                  OracleDigest(variant, bytes))
            << variant.tag << ", " << bytes.size() << " bytes";
    }
}

// Sets a variable of this process's environment; an empty value unsets it.
void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
    ::_putenv_s(name, value);
#else
    *value == '\0' ? ::unsetenv(name) : ::setenv(name, value, 1);
#endif
}

TEST(KernelChoice, TheEnvironmentVariableForcesThePortableKernels) {
    SetVariable(digest::kPortableKernelsVariable, "1");
    digest::SelectBestKernels();
    for (const Variant& variant : kAllVariants) {
        EXPECT_EQ(digest::ActiveKernelName(variant.method, variant.bits), "portable")
            << variant.tag;
    }
    SetVariable(digest::kPortableKernelsVariable, "0");
    digest::SelectBestKernels();
    for (const digest::KernelInfo& kernel : digest::AllKernels()) {
        if (kernel.engine == "CRC32" && kernel.supported) {  // the best one this CPU runs
            EXPECT_EQ(digest::ActiveKernelName(2, 0), kernel.name);
            break;
        }
    }
    SetVariable(digest::kPortableKernelsVariable, "");
}

std::string KernelName(const ::testing::TestParamInfo<digest::KernelInfo>& info) {
    std::string name = std::string(info.param.engine) + "_" + std::string(info.param.name);
    std::erase(name, '-');
    return name;
}

// The kernels of the engines behind the methods; the stitched one has a test of its own.
std::vector<digest::KernelInfo> MethodKernels() {
    std::vector<digest::KernelInfo> kernels = digest::AllKernels();
    std::erase_if(kernels, [](const auto& k) { return k.engine == digest::kStitchedEngine; });
    return kernels;
}

INSTANTIATE_TEST_SUITE_P(Kernels, EveryKernel, ::testing::ValuesIn(MethodKernels()), KernelName);

}  // namespace
}  // namespace hashwell::test
