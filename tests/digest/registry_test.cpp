// The registry and the size rules of the streaming interface.

#include <gtest/gtest.h>

#include "digest/digest.h"
#include "digest/registry.h"

namespace hashwell::digest {
namespace {

const std::string kAbc = "abc";

class DigestRegistry : public ::testing::Test {
protected:
    void SetUp() override { RegisterDigestMethods(); }
};

TEST_F(DigestRegistry, ShaSizeZeroIsComputedAs256AndOtherSizesFail) {
    for (const std::int32_t method : {HashMethod::Sha2, HashMethod::Sha3}) {
        const std::string at256 = ComputeDigest(method, 256, 1, AsBytes(kAbc));
        EXPECT_EQ(at256.size(), 64u);
        EXPECT_EQ(ComputeDigest(method, 0, 1, AsBytes(kAbc)), at256);
        for (const std::int32_t unsupported : {300, 128, 1, -256, 160}) {
            EXPECT_EQ(ComputeDigest(method, unsupported, 1, AsBytes(kAbc)), "")
                << method << " with " << unsupported;
        }
    }
}

TEST_F(DigestRegistry, FixedSizeMethodsIgnoreTheSize) {
    for (const std::int32_t method : {HashMethod::Crc32, HashMethod::Md5, HashMethod::Sha1}) {
        const std::string reference = ComputeDigest(method, 256, 1, AsBytes(kAbc));
        for (const std::int32_t bits : {0, 224, 300, -1, 512}) {
            EXPECT_EQ(ComputeDigest(method, bits, 0, AsBytes(kAbc)), reference);
        }
    }
}

TEST_F(DigestRegistry, UnregisteredCodeGivesEmptyText) {
    for (const std::int32_t code : {0, 6, -2, 99}) {
        EXPECT_EQ(ComputeDigest(code, 256, 1, AsBytes(kAbc)), "");
    }
    EXPECT_EQ(DigestToHex(nullptr), "");
}

TEST_F(DigestRegistry, TakenCodeIsRefusedAndKeepsItsRow) {
    EXPECT_EQ(RegisterDigestMethod(HashMethod::Crc32), nullptr);
    EXPECT_EQ(ComputeDigest(HashMethod::Crc32, 0, 1, AsBytes("123456789")), "cbf43926");
}

TEST_F(DigestRegistry, TableHoldsSixtyFourRowsAndARowWithoutOperationsComputesNothing) {
    int accepted = 0;
    for (std::int32_t code = 1000; code < 1100; ++code) {
        accepted += RegisterDigestMethod(code) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(accepted, 64 - 5);
    EXPECT_NE(FindDigestMethod(1000), nullptr);
    EXPECT_EQ(ComputeDigest(1000, 256, 1, AsBytes(kAbc)), "");
}

}  // namespace
}  // namespace hashwell::digest
