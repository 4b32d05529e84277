// The system's byte strings as program text: names that are not UTF-8 survive the round trip
// byte for byte, and show one replacement character per byte that is not UTF-8.

#include <gtest/gtest.h>

#include <random>

#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::platform {
namespace {

TEST(NativeText, EveryByteStringComesBackExactly) {
    const std::string named[] = {
        "plain.txt",
        "caf\xC3\xA9 \xF0\x9F\x98\x80",
        "bad\xFFname",
        "\x80",
        "t\xE2\x82z",
        "s\xED\xA0\x80z",  // an encoded surrogate is not UTF-8
        "o\xC0\xAFz",      // nor is an overlong form
        "f\xF0\x9F\x98",   // nor a sequence cut short at the end
        "\xC3\xA9\xFF\xC3\xA9",
    };
    for (const std::string& bytes : named) {
        EXPECT_EQ(EncodeNativeBytes(DecodeNativeBytes(bytes)), bytes) << bytes;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(static_cast<std::size_t>(round % 24), '\0');
        for (char& b : bytes) {
            b = static_cast<char>(byte(random));
        }
        ASSERT_EQ(EncodeNativeBytes(DecodeNativeBytes(bytes)), bytes);
    }
}

TEST(NativeText, ValidUtf8DecodesAsTextAndEachStrayByteShowsAsOneReplacement) {
    EXPECT_EQ(DecodeNativeBytes("caf\xC3\xA9 \xF0\x9F\x98\x80"), u"caf\u00E9 \U0001F600");
    EXPECT_EQ(DecodeNativeBytes("bad\xFFname"), u"bad\xDCFFname");
    // As many replacements as bytes, as Qt shows such names too.
    EXPECT_EQ(ReadableText(DecodeNativeBytes("t\xE2\x82z")), u"t\uFFFD\uFFFDz");
    EXPECT_EQ(ReadableText(DecodeNativeBytes("s\xED\xA0\x80z")), u"s\uFFFD\uFFFD\uFFFDz");
    EXPECT_EQ(ReadableText(u"\U0001F600 \xD800"), u"\U0001F600 \uFFFD");
    // A lone surrogate that stands for no byte has no bytes of its own.
    EXPECT_EQ(EncodeNativeBytes(u"a\xD800z"), "a\xEF\xBF\xBDz");
}

TEST(FileUri, PercentEncodedBytesBecomeTheNameAsTheSystemHasIt) {
#ifdef _WIN32
    EXPECT_EQ(PathFromFileUri("file:///C:/dir/a%20b"), u"C:\\dir\\a b");
    EXPECT_EQ(PathFromFileUri("file://server/share/caf%C3%A9"), u"\\\\server\\share\\caf\u00E9");
#else
    EXPECT_EQ(PathFromFileUri("file:///tmp/a%20b"), u"/tmp/a b");
    EXPECT_EQ(PathFromFileUri("FILE:///caf%C3%A9"), u"/caf\u00E9");
    EXPECT_EQ(PathFromFileUri("file:///tmp/bad%FFname"), DecodeNativeBytes("/tmp/bad\xFFname"));
    EXPECT_EQ(PathFromFileUri("file:///a%0Ab"), u"/a\nb");  // a name may hold a line feed
    EXPECT_EQ(PathFromFileUri("file://localhost/x"), u"/x");
    EXPECT_EQ(PathFromFileUri("file:///50%"), u"/50%");
    EXPECT_FALSE(PathFromFileUri("file://server/x")) << "another machine's file";
#endif
    EXPECT_FALSE(PathFromFileUri("https://example.com/x"));
    EXPECT_FALSE(PathFromFileUri("file:relative"));
}

}  // namespace
}  // namespace hashwell::platform
