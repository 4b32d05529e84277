// What a checksum file's name tells (against the table in tests/data/checksums), and where the
// files it lists are.

#include <gtest/gtest.h>

#include <filesystem>

#include "checksums/checksum_file_name.h"
#include "checksums/listed_name.h"
#include "platform/path_parts.h"
#include "platform/unicode.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"
#include "support/vector_file.h"

namespace hashwell::checksums {
namespace {

TEST(ChecksumFileNameTest, PatternsSfvAndNamedAlgorithmsAreTheTables) {
    const std::vector<std::vector<std::string>> rows =
        test::ReadTable("checksums/checksum_file_names.txt");
    ASSERT_GT(rows.size(), 20u);
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 3u) << row[0];
        const std::u16string name = platform::Utf8ToUtf16(row[0]);
        EXPECT_EQ(IsChecksumFileName(name), row[1] != "other") << row[0];
        EXPECT_EQ(IsSfvFileName(name), row[1] == "sfv") << row[0];
        std::string named;
        for (const digest::Algorithm& algorithm : AlgorithmsNamedByFile(name)) {
            named += (named.empty() ? "" : ",") + std::string(algorithm.name);
        }
        EXPECT_EQ(named.empty() ? "-" : named, row[2]) << row[0];
    }
}

// The MIME type the package installs names checksum files as the Open dialog does, so the
// file managers offer Verify for exactly the files the program takes for checksum files.
TEST(ChecksumFileNameTest, MimePackageGlobsAreTheOpenDialogsPatterns) {
    const std::string xml = test::ReadTestData("../../packaging/mime/hashwell.xml");
    std::vector<std::string> globs;
    const std::string start = "<glob pattern=\"";
    for (std::size_t at = xml.find(start); at != std::string::npos; at = xml.find(start, at)) {
        at += start.size();
        const std::size_t quote = xml.find('"', at);
        const std::size_t end = xml.find("/>", quote);
        globs.push_back(xml.substr(at, quote - at));
        EXPECT_EQ(xml.substr(quote, end - quote).find("case-sensitive"), std::string::npos)
            << globs.back();
    }
    std::vector<std::string> patterns;
    for (const std::u16string_view pattern : kChecksumFilePatterns) {
        patterns.push_back(platform::Utf16ToUtf8(pattern));
    }
    EXPECT_EQ(globs, patterns);
}

TEST(ListedNameTest, AbsoluteNamesStandAndRelativeOnesJoinTheFolderGiven) {
    const std::u16string absolute = test::ToUtf16(std::filesystem::current_path() / "a.txt");
    EXPECT_EQ(ResolveListedName(u"sums/", platform::EncodeNativeBytes(absolute)), absolute);
    EXPECT_EQ(ResolveListedName(u"sums/", "sub/a b.txt"), u"sums/sub/a b.txt");
    EXPECT_EQ(ResolveListedName(u"sums", "a.txt"), platform::JoinPath(u"sums", u"a.txt"));
    // The command line: the current folder, or an .sfv file's own.
    EXPECT_EQ(ResolveListedName({}, "sub/a.txt"), u"sub/a.txt");
    EXPECT_EQ(ResolveListedName(platform::FolderPart(u"set/set.sfv"), "one.bin"), u"set/one.bin");
    EXPECT_EQ(ResolveListedName(platform::FolderPart(u"set.sfv"), "one.bin"), u"one.bin");
}

}  // namespace
}  // namespace hashwell::checksums
