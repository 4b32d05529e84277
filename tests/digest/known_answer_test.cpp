// Published vectors of the standards, each fed whole, byte by byte, in random pieces and
// from misaligned memory: a wrong round constant, padding or block-boundary bug shows here.

#include <gtest/gtest.h>

#include <algorithm>

#include "digest/digest.h"
#include "digest/registry.h"
#include "support/split_feeding.h"
#include "support/vector_file.h"

namespace hashwell::test {
namespace {

const Variant* FindVariant(const std::string& section) {
    return digest::FindAlgorithmByTag(section);
}

class KnownAnswers : public ::testing::TestWithParam<const char*> {};

TEST_P(KnownAnswers, MatchInEverySplit) {
    digest::RegisterDigestMethods();
    const std::vector<KnownAnswer> answers = ReadVectorFile(GetParam());
    ASSERT_FALSE(answers.empty());
    std::mt19937_64 random(1321);
    for (const KnownAnswer& answer : answers) {
        const Variant* variant = FindVariant(answer.section);
        ASSERT_NE(variant, nullptr) << "unknown section " << answer.section;
        for (const Split split : kAllSplits) {
            EXPECT_EQ(DigestWithSplit(*variant, digest::AsBytes(answer.input), split, random),
                      answer.expected)
                << GetParam() << ":" << answer.line << " fed " << SplitName(split);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(VectorFiles, KnownAnswers,
                         ::testing::Values("crc32.vec", "md5.vec", "sha1.vec", "sha2.vec",
                                           "sha3.vec"));

TEST(KnownAnswers, EveryMethodAndSizeHasTheEmptyInputVector) {
    std::vector<std::string> sectionsWithEmptyInput;
    for (const char* file : {"crc32.vec", "md5.vec", "sha1.vec", "sha2.vec", "sha3.vec"}) {
        for (const KnownAnswer& answer : ReadVectorFile(file)) {
            if (answer.input.empty()) {
                sectionsWithEmptyInput.push_back(answer.section);
            }
        }
    }
    for (const Variant& variant : kAllVariants) {
        EXPECT_NE(
            std::count(sectionsWithEmptyInput.begin(), sectionsWithEmptyInput.end(), variant.tag),
            0)
            << variant.tag;
    }
}

}  // namespace
}  // namespace hashwell::test
