// The message length must be counted in 64 bits: a 32-bit count goes wrong past 4 GiB, and
// MD5 and SHA-1, which keep the bit count in two 32-bit words, go wrong at 2^29 bytes when the
// carry into the high word is lost. Hashing that much takes too long for every test run, so
// both our engine and OpenSSL's low-level context start with their counters just before the
// boundary and the same fresh chaining state; the codes after crossing it must agree.

#define OPENSSL_SUPPRESS_DEPRECATED
#include <gtest/gtest.h>
#include <openssl/md5.h>
#include <openssl/sha.h>

#include <random>
#include <vector>

#include "digest/byte_order.h"
#include "digest/md5/md5.h"
#include "digest/sha1/sha1.h"
#include "digest/sha2_32/sha256.h"
#include "digest/sha2_64/sha512.h"

namespace hashwell::digest {
namespace {

constexpr std::uint64_t kLowBitWordLimit = std::uint64_t{1} << 29;  // 2^32 bits
constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

// Block-aligned starting points just before each boundary, and a tail long enough to
// cross it with a few blocks and a partial one.
constexpr std::uint64_t kStarts[] = {kLowBitWordLimit - 128, kFourGiB - 128,
                                     std::uint64_t{1} << 61};  // 2^64 bits: 128-bit SHA-512
const std::vector<std::uint8_t> kTail = [] {
    std::vector<std::uint8_t> tail(1000);
    std::mt19937 random(29);
    for (auto& b : tail) {
        b = static_cast<std::uint8_t>(random());
    }
    return tail;
}();

template <class Engine>
std::vector<std::uint8_t> OursAfter(Engine engine, std::uint64_t start) {
    engine.AssumeAbsorbed(start);
    engine.Update(kTail.data(), kTail.size());
    std::vector<std::uint8_t> out(engine.DigestBits() / 8);
    engine.Finish(out.data());
    return out;
}

std::uint32_t Low32Bits(std::uint64_t bytes) {
    return static_cast<std::uint32_t>(bytes << 3);
}
std::uint32_t High32Bits(std::uint64_t bytes) {
    return static_cast<std::uint32_t>(bytes >> 29);
}

TEST(LengthCounter, Md5CarriesPastBothBoundaries) {
    for (const std::uint64_t start : {kStarts[0], kStarts[1]}) {
        MD5_CTX oracle;
        MD5_Init(&oracle);
        oracle.Nl = Low32Bits(start);
        oracle.Nh = High32Bits(start);
        MD5_Update(&oracle, kTail.data(), kTail.size());
        std::vector<std::uint8_t> expected(16);
        MD5_Final(expected.data(), &oracle);
        EXPECT_EQ(OursAfter(Md5{}, start), expected) << "start " << start;
    }
}

TEST(LengthCounter, Sha1CarriesPastBothBoundaries) {
    for (const std::uint64_t start : {kStarts[0], kStarts[1]}) {
        SHA_CTX oracle;
        SHA1_Init(&oracle);
        oracle.Nl = Low32Bits(start);
        oracle.Nh = High32Bits(start);
        SHA1_Update(&oracle, kTail.data(), kTail.size());
        std::vector<std::uint8_t> expected(20);
        SHA1_Final(expected.data(), &oracle);
        EXPECT_EQ(OursAfter(Sha1{}, start), expected) << "start " << start;
    }
}

TEST(LengthCounter, Sha256CountsPastFourGiB) {
    for (const std::uint64_t start : {kStarts[0], kStarts[1]}) {
        SHA256_CTX oracle;
        SHA256_Init(&oracle);
        oracle.Nl = Low32Bits(start);
        oracle.Nh = High32Bits(start);
        SHA256_Update(&oracle, kTail.data(), kTail.size());
        std::vector<std::uint8_t> expected(32);
        SHA256_Final(expected.data(), &oracle);
        EXPECT_EQ(OursAfter(Sha256(256), start), expected) << "start " << start;
    }
}

TEST(LengthCounter, Sha512FillsTheHighHalfOfItsLengthField) {
    for (const std::uint64_t start : kStarts) {
        SHA512_CTX oracle;
        SHA512_Init(&oracle);
        oracle.Nl = start << 3;
        oracle.Nh = start >> 61;
        SHA512_Update(&oracle, kTail.data(), kTail.size());
        std::vector<std::uint8_t> expected(64);
        SHA512_Final(expected.data(), &oracle);
        EXPECT_EQ(OursAfter(Sha512(512), start), expected) << "start " << start;
    }
}

}  // namespace
}  // namespace hashwell::digest
