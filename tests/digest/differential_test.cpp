// The engine against OpenSSL's libcrypto and zlib: every short length, so that every
// position of the padding is met, and some long inputs, all fed in random pieces (zero-length
// ones among them) from aligned and misaligned memory.

#include <gtest/gtest.h>

#include <vector>

#include "digest/registry.h"
#include "support/oracle.h"
#include "support/split_feeding.h"

namespace hashwell::test {
namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t length, std::mt19937_64& random) {
    std::vector<std::uint8_t> bytes(length);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

TEST(DifferentialAgainstOracle, EveryLengthUpTo640BytesMatches) {
    digest::RegisterDigestMethods();
    std::mt19937_64 random(202612);
    for (std::size_t length = 0; length <= 640; ++length) {
        const std::vector<std::uint8_t> bytes = RandomBytes(length, random);
        const Split split = length % 2 == 0 ? Split::Random : Split::Misaligned;
        for (const Variant& variant : kAllVariants) {
            ASSERT_EQ(DigestWithSplit(variant, bytes, split, random), OracleDigest(variant, bytes))
                << variant.tag << ", " << length << " bytes fed " << SplitName(split);
        }
    }
}

TEST(DifferentialAgainstOracle, RandomLengthsUpToFourMebibytesMatch) {
    digest::RegisterDigestMethods();
    std::mt19937_64 random(4194304);
    std::uniform_int_distribution<std::size_t> lengths(1, 4 * 1024 * 1024);
    for (int round = 0; round < 3; ++round) {
        const std::vector<std::uint8_t> bytes = RandomBytes(lengths(random), random);
        for (const Variant& variant : kAllVariants) {
            ASSERT_EQ(DigestWithSplit(variant, bytes, Split::Misaligned, random),
                      OracleDigest(variant, bytes))
                << variant.tag << ", " << bytes.size() << " bytes";
        }
    }
}

}  // namespace
}  // namespace hashwell::test
