// How settings files are read and written back: each case opens a file, makes changes and
// compares the bytes written.

#include <gtest/gtest.h>

#include <functional>

#include "settings/settings_document.h"
#include "support/scratch_folder.h"

namespace hashwell::settings {
namespace {

class SettingsDocumentFile : public ::testing::Test {
protected:
    // Writes `before` to a file, opens it, applies `change` and returns the file's bytes after
    // closing.
    std::string Edit(std::string_view before,
                     const std::function<void(SettingsDocument&)>& change) {
        folder_.Write("test.ini", before);
        SettingsDocument document;
        EXPECT_TRUE(document.OpenDocument(folder_.PathOf("test.ini")));
        change(document);
        EXPECT_TRUE(document.CloseDocument());
        return folder_.Read("test.ini");
    }
    test::ScratchFolder folder_;
};

constexpr std::string_view kMark = "\xEF\xBB\xBF\r\n";

TEST_F(SettingsDocumentFile, HeaderWithoutClosingBracketNamesTheGroupAndTextAfterItIsDropped) {
    const std::string after = Edit("[Skins\n  Skin=3\n[Data Format] old\nFormat = 24", [](auto& d) {
        EXPECT_TRUE(d.SelectGroup(u"skins"));
        EXPECT_EQ(d.ReadInteger(u"Skin", 1), 3);
        d.WriteInteger(u"SKIN", -2);
    });
    EXPECT_EQ(after,
              std::string(kMark) + "[Skins]\r\nSKIN = -2\r\n[Data Format]\r\nFormat = 24\r\n");
}

TEST_F(SettingsDocumentFile, CommentsKeepTheirTextAfterOneDroppedSpace) {
    const std::string after = Edit(";bare\r\n;  indented\r\n\r\n\r\n# a = b", [](auto& d) {
        EXPECT_EQ(d.ReadText(u"# a", u"none"), u"b");
        d.WriteText(u"x", u"1");
    });
    EXPECT_EQ(after, std::string(kMark) + "; bare\r\n;  indented\r\n# a = b\r\nx = 1\r\n");
}

TEST_F(SettingsDocumentFile, FirstOfTwoEqualKeysIsReadAndUpdated) {
    const std::string after = Edit("[G]\r\nCase = a\r\ncase = b\r\n", [](auto& d) {
        d.SelectGroup(u"G");
        EXPECT_EQ(d.ReadText(u"CASE", u""), u"a");
        d.WriteText(u"Case", u"c");
    });
    EXPECT_EQ(after, std::string(kMark) + "[G]\r\nCase = c\r\ncase = b\r\n");
}

TEST_F(SettingsDocumentFile, NewKeysGoAfterTheirGroupsLastLineAndCommentsAfterTheKey) {
    const std::string after = Edit("top = 1\r\n[A]\r\nx = 1\r\n; note\r\n[B]\r\n", [](auto& d) {
        d.SelectGroup(u"A");
        d.WriteText(u"y", u"2");
        d.AddComment(u"about y");
        d.SelectGroup(u"");
        d.WriteText(u"top2", u"3");
    });
    EXPECT_EQ(after,
              std::string(kMark) +
                  "top = 1\r\ntop2 = 3\r\n[A]\r\nx = 1\r\n; note\r\ny = 2\r\n; about y\r\n[B]\r\n");
}

TEST_F(SettingsDocumentFile, EmptyFileIsWrittenWithoutTheMark) {
    EXPECT_EQ(Edit("",
                   [](auto& d) {
                       EXPECT_FALSE(d.SelectGroup(u"G"));
                       d.WriteText(u"k", u"v");
                   }),
              "[G]\r\nk = v\r\n");
}

TEST_F(SettingsDocumentFile, OnlyReadingLeavesTheBytesAloneEvenFromAMissingGroup) {
    const std::string before = "[A]\nk=v   \n\n";
    EXPECT_EQ(Edit(before,
                   [](auto& d) {
                       EXPECT_FALSE(d.SelectGroup(u"Missing"));
                       EXPECT_EQ(d.ReadText(u"k", u"default"), u"default");
                       d.SelectGroup(u"A");
                       EXPECT_EQ(d.ReadText(u"k", u""), u"v");
                   }),
              before);
}

TEST_F(SettingsDocumentFile, LineWithoutEqualsIsAKeyWithAnEmptyValue) {
    Edit("[Conversion Case]\r\nCase\r\n", [](auto& d) {
        d.SelectGroup(u"Conversion Case");
        EXPECT_EQ(d.ReadText(u"Case", u"lower"), u"");
    });
}

TEST_F(SettingsDocumentFile, NumbersBeyondSixtyFourBitsStopAtTheLimitsInsteadOfWrapping) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"99999999999999999999x", INT64_MAX},
        {"18446744073709551616", INT64_MAX},
        {"20000000000000000000", INT64_MAX},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"-18446744073709551617", INT64_MIN},
        {" \t+42 apples", 42},
    };
    for (const auto& [value, expected] : cases) {
        Edit(std::string("n = ") + value,
             [&](auto& d) { EXPECT_EQ(d.ReadInteger(u"n", 2), expected) << value; });
    }
}

}  // namespace
}  // namespace hashwell::settings
