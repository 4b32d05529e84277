// MD5, SHA-1 and SHA-256 computed at once by every kernel of the stitched engine: the same codes
// as the oracle gives each, for every length around the block boundaries and on long inputs,
// in every way of feeding them.

#include <gtest/gtest.h>

#include <random>

#include "digest/active_kernels.h"
#include "digest/digest.h"
#include "digest/registry.h"
#include "digest/stitched/md5_sha1_sha256.h"
#include "support/oracle.h"
#include "support/split_feeding.h"

namespace hashwell::test {
namespace {

const Variant& kMd5 = digest::AlgorithmOf(digest::AlgorithmId::Md5);
const Variant& kSha1 = digest::AlgorithmOf(digest::AlgorithmId::Sha1);
const Variant& kSha256 = digest::AlgorithmOf(digest::AlgorithmId::Sha256);

// The three codes, "md5 sha1 sha256".
std::string Stitched(std::span<const std::uint8_t> bytes, Split split, std::mt19937_64& random) {
    digest::Md5Sha1Sha256 all;
    FeedWithSplit(bytes, split, random, [&](std::span<const std::uint8_t> piece) {
        all.Update(piece.data(), piece.size());
    });
    std::uint8_t md5[16], sha1[20], sha256[32];
    all.Finish(md5, sha1, sha256);
    return digest::BytesToHex(md5) + " " + digest::BytesToHex(sha1) + " " +
           digest::BytesToHex(sha256);
}

std::string Oracle(std::span<const std::uint8_t> bytes) {
    return OracleDigest(kMd5, bytes) + " " + OracleDigest(kSha1, bytes) + " " +
           OracleDigest(kSha256, bytes);
}

class StitchedKernel : public ::testing::TestWithParam<digest::KernelInfo> {
protected:
    void SetUp() override {
        if (!GetParam().supported) {
            GTEST_SKIP() << "this processor cannot run the " << GetParam().name << " kernel";
        }
        ASSERT_TRUE(digest::SelectKernel(digest::kStitchedEngine, GetParam().name));
    }
    void TearDown() override { digest::SelectBestKernels(); }
};

TEST_P(StitchedKernel, GivesEachOraclesCodeAtEveryLengthAndInEverySplit) {
    std::mt19937_64 random(1321);
    std::vector<std::uint8_t> bytes(1024 * 1024 + 77 + 1);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    for (std::size_t length = 0; length <= 1100; ++length) {
        const std::span<const std::uint8_t> piece(bytes.data() + 1, length);
        const std::string expected = Oracle(piece);
        ASSERT_EQ(Stitched(piece, Split::Whole, random), expected) << length << " bytes whole";
        ASSERT_EQ(Stitched(piece, Split::Misaligned, random), expected) << length << " bytes";
        if (length % 61 == 0) {
            ASSERT_EQ(Stitched(piece, Split::ByteByByte, random), expected) << length << " bytes";
        }
    }
    const std::span<const std::uint8_t> long_input(bytes.data() + 1, bytes.size() - 1);
    const std::string expected = Oracle(long_input);
    for (const Split split : {Split::Whole, Split::Random, Split::Misaligned}) {
        EXPECT_EQ(Stitched(long_input, split, random), expected) << SplitName(split);
    }
}

std::vector<digest::KernelInfo> StitchedKernels() {
    std::vector<digest::KernelInfo> kernels;
    for (const digest::KernelInfo& kernel : digest::AllKernels()) {
        if (kernel.engine == digest::kStitchedEngine) {
            kernels.push_back(kernel);
        }
    }
    return kernels;
}

INSTANTIATE_TEST_SUITE_P(Kernels, StitchedKernel, ::testing::ValuesIn(StitchedKernels()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hashwell::test
