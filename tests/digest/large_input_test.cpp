// Really hashes more than 4 GiB per method, against the oracle. Slow (minutes); ctest runs
// it only when asked for the label "large".

#include <gtest/gtest.h>

#include <vector>

#include "digest/digest.h"
#include "digest/registry.h"
#include "support/oracle.h"

namespace hashwell::test {
namespace {

TEST(LargeInput, MoreThanFourGiBMatchesTheOracle) {
    digest::RegisterDigestMethods();
    std::vector<std::uint8_t> piece(1024 * 1024);
    for (std::size_t i = 0; i < piece.size(); ++i) {
        piece[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    constexpr std::size_t kPieces = 4 * 1024 + 1;  // 4 GiB + 1 MiB
    using enum digest::AlgorithmId;
    for (const digest::AlgorithmId id : {Crc32, Md5, Sha1, Sha256, Sha512, Sha3_256}) {
        const Variant& variant = digest::AlgorithmOf(id);
        digest::DigestStream ours(variant.method, variant.bits, 0);
        OracleStream oracle(variant);
        for (std::size_t k = 0; k < kPieces; ++k) {
            ours.Add(piece);
            oracle.Add(piece);
        }
        const std::span<const std::uint8_t> tail(piece.data(), 13);
        ours.Add(tail);
        oracle.Add(tail);
        EXPECT_EQ(ours.Finish(), oracle.Finish()) << variant.tag;
    }
}

}  // namespace
}  // namespace hashwell::test
