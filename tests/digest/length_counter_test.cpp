// The message length must be counted in 64 bits: a 32-bit count goes wrong past 4 GiB, and
// MD5 and SHA-1, which keep the bit count in two 32-bit words, go wrong at 2^29 bytes when the
// carry into the high word is lost. Hashing that much takes too long for every test run, so
// both our engine and OpenSSL's low-level context start with their counters just before the
// boundary and the same fresh chaining state; the codes after crossing it must agree.

#define OPENSSL_SUPPRESS_DEPRECATED
#include <gtest/gtest.h>
#include <openssl/md5.h>
#include <openssl/sha.h>

#include <algorithm>
#include <random>
#include <vector>

#include "digest/md5/md5.h"
#include "digest/sha1/sha1.h"
#include "digest/sha2_32/sha256.h"
#include "digest/sha2_64/sha512.h"

namespace hashwell::digest {
namespace {

// Our engine and an OpenSSL context, both starting as if `start` bytes had been hashed, must
// agree after a tail that crosses the boundary with a few blocks and a partial one.
template <class Engine, class Oracle>
void ExpectAgreementAfter(std::uint64_t start, Engine engine, int (*init)(Oracle*),
                          int (*update)(Oracle*, const void*, std::size_t),
                          int (*final)(unsigned char*, Oracle*)) {
    std::vector<std::uint8_t> tail(1000);
    std::mt19937 random(29);
    std::ranges::generate(tail, [&] { return static_cast<std::uint8_t>(random()); });
    Oracle oracle;
    init(&oracle);
    if constexpr (sizeof(oracle.Nl) == 8) {  // SHA-512 counts bits in two 64-bit words
        oracle.Nl = start << 3;
        oracle.Nh = start >> 61;
    } else {
        oracle.Nl = static_cast<std::uint32_t>(start << 3);
        oracle.Nh = static_cast<std::uint32_t>(start >> 29);
    }
    update(&oracle, tail.data(), tail.size());
    std::vector<std::uint8_t> expected(engine.DigestBits() / 8);
    final(expected.data(), &oracle);

    engine.AssumeAbsorbed(start);
    engine.Update(tail.data(), tail.size());
    std::vector<std::uint8_t> ours(expected.size());
    engine.Finish(ours.data());
    EXPECT_EQ(ours, expected) << engine.DigestBits() << "-bit code from " << start;
}

TEST(LengthCounter, CarriesIntoTheHighBitCountWordAndCountsPastFourGiB) {
    // Block-aligned starts just before 2^32 bits and 2^32 bytes.
    for (const std::uint64_t start :
         {(std::uint64_t{1} << 29) - 128, (std::uint64_t{1} << 32) - 128}) {
        ExpectAgreementAfter(start, Md5{}, MD5_Init, MD5_Update, MD5_Final);
        ExpectAgreementAfter(start, Sha1{}, SHA1_Init, SHA1_Update, SHA1_Final);
        ExpectAgreementAfter(start, Sha256(256), SHA256_Init, SHA256_Update, SHA256_Final);
        ExpectAgreementAfter(start, Sha512(512), SHA512_Init, SHA512_Update, SHA512_Final);
    }
    // 2^64 bits: the high half of SHA-512's 128-bit length field.
    ExpectAgreementAfter(std::uint64_t{1} << 61, Sha512(512), SHA512_Init, SHA512_Update,
                         SHA512_Final);
}

}  // namespace
}  // namespace hashwell::digest
