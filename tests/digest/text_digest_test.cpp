// How a text becomes bytes before hashing, and the display case of codes.

#include <gtest/gtest.h>

#include "digest/digest.h"
#include "digest/registry.h"
#include "digest/text_digest.h"
#include "support/platform_testing.h"

namespace hashwell::digest {
namespace {

class TextDigest : public ::testing::Test {
protected:
    void SetUp() override { RegisterDigestMethods(); }
    static std::string Md5Of(std::string_view bytes) {
        return ComputeDigest(HashMethod::Md5, 0, 1, AsBytes(bytes));
    }
};

TEST_F(TextDigest, AbcIsTheSameInUtf8AndAsciiButUnicodeHashesSixBytes) {
    const std::string utf8 = HashText(u"abc", HashMethod::Md5, 256, TextFormat::Utf8);
    EXPECT_EQ(utf8, "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(HashText(u"abc", HashMethod::Md5, 256, TextFormat::Ascii), utf8);
    const std::string unicode = Md5Of(std::string("a\0b\0c\0", 6));
    EXPECT_EQ(HashText(u"abc", HashMethod::Md5, 256, TextFormat::Unicode), unicode);
    EXPECT_EQ(HashText(u"abc", HashMethod::Md5, 256, 7), unicode) << "unknown codes mean Unicode";
    EXPECT_EQ(HashText(u"abc", HashMethod::Md5, 256, 0), unicode);
}

TEST_F(TextDigest, AsciiUsesWindows1252AndMarksForTheRest) {
    if (test::AnsiCodePage() != 1252) {
        GTEST_SKIP() << "the expected bytes are code page 1252's";
    }
    // U+20AC is byte 0x80 of the code page.
    EXPECT_EQ(HashText(u"\u20ac\u00e9", HashMethod::Md5, 256, TextFormat::Ascii),
              Md5Of("\x80\xe9"));
    // U+0100 and a character beyond the basic plane (one surrogate pair) are not in it. POSIX
    // gives one '?' for each; Windows' own conversion gives U+0100 its look-alike and each half
    // of the pair a '?'.
#ifdef _WIN32
    const std::string expected = "aAb??c";
#else
    const std::string expected = "a?b?c";
#endif
    EXPECT_EQ(HashText(u"a\u0100b\U0001F600c", HashMethod::Md5, 256, TextFormat::Ascii),
              Md5Of(expected));
}

TEST_F(TextDigest, Utf8TurnsAnUnpairedSurrogateIntoTheReplacementCharacter) {
    const std::u16string lone = {u'x', char16_t{0xD800}, u'y'};
    EXPECT_EQ(HashText(lone, HashMethod::Md5, 256, TextFormat::Utf8), Md5Of("x\xEF\xBF\xBDy"));
    EXPECT_EQ(HashText(u"\u00e9\U0001F600", HashMethod::Md5, 256, TextFormat::Utf8),
              Md5Of("\xC3\xA9\xF0\x9F\x98\x80"));
}

TEST_F(TextDigest, TextIsHashedUntrimmedAndEmptyTextGivesTheEmptyInputCode) {
    EXPECT_EQ(HashText(u" \t\n", HashMethod::Md5, 256, TextFormat::Utf8), Md5Of(" \t\n"));
    EXPECT_EQ(HashText(u"", HashMethod::Crc32, 256, TextFormat::Utf8), "00000000");
    EXPECT_EQ(HashText(u"abc", HashMethod::Sha3, 0, TextFormat::Utf8),
              HashText(u"abc", HashMethod::Sha3, 256, TextFormat::Utf8));
    EXPECT_EQ(HashText(u"abc", HashMethod::Sha2, 300, TextFormat::Utf8), "");
}

}  // namespace
}  // namespace hashwell::digest
