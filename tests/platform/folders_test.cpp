// Looking at folders: what each entry is, links included, and the order of the names.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

TEST(FoldersTest, EntriesComeInCodeOrderWithWhatEachNames) {
    test::ScratchFolder folder;
    // Byte order on POSIX, where a name may be any bytes; UTF-16 order on Windows.
    std::vector<std::string> files = {"z", "\xc3\xa9", "B", "a"};
#ifndef _WIN32
    files.push_back("\xff");
    ASSERT_EQ(::mkfifo(folder.Child("fifo").c_str(), 0600), 0);
#endif
    for (const std::string& name : files) {
        folder.Write(name, "x");
    }
    fs::create_directory(folder.Child("sub"));

    const std::optional<std::vector<FolderEntry>> entries = ListFolder(folder.PathOf(""));
    ASSERT_TRUE(entries);
    std::vector<std::string> names;
    for (const FolderEntry& entry : *entries) {
        names.push_back(EncodeNativeBytes(entry.name));
    }
#ifdef _WIN32
    EXPECT_EQ(names, (std::vector<std::string>{"B", "a", "sub", "z", "\xc3\xa9"}));
#else
    EXPECT_EQ(names, (std::vector<std::string>{"B", "a", "fifo", "sub", "z", "\xc3\xa9", "\xff"}));
    EXPECT_EQ((*entries)[2].kind, PathKind::Other);
#endif
    EXPECT_EQ((*entries)[0].kind, PathKind::RegularFile);
    const auto sub = std::find(names.begin(), names.end(), "sub") - names.begin();
    EXPECT_EQ((*entries)[static_cast<std::size_t>(sub)].kind, PathKind::Folder);
    EXPECT_NE(IdentityOf(folder.PathOf("sub")), IdentityOf(folder.PathOf("a")));
}

TEST(FoldersTest, LinksAreFollowedAndMarked) {
    HASHWELL_SKIP_UNDER_WINE("symbolic links");  // its CreateSymbolicLinkW makes none
    test::ScratchFolder folder;
    fs::create_directory(folder.Child("sub"));
    ASSERT_TRUE(test::MakeSymbolicLink("sub", folder.Child("sub-link"), true));
    ASSERT_TRUE(test::MakeSymbolicLink("nowhere", folder.Child("dangling"), false));

    const std::optional<std::vector<FolderEntry>> entries = ListFolder(folder.PathOf(""));
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    auto entry = [&](std::size_t i) { return std::pair{(*entries)[i].kind, (*entries)[i].isLink}; };
    EXPECT_EQ(entry(0), std::pair(PathKind::Missing, true));
    EXPECT_EQ(entry(1), std::pair(PathKind::Folder, false));
    EXPECT_EQ(entry(2), std::pair(PathKind::Folder, true));
    EXPECT_EQ(IdentityOf(folder.PathOf("sub")), IdentityOf(folder.PathOf("sub-link")));
}

TEST(FoldersTest, FailuresAndRefusalsSayWhy) {
    test::ScratchFolder folder;
    std::u16string reason;
    EXPECT_FALSE(ListFolder(folder.PathOf("none"), &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(folder.PathOf(""), &reason));
    EXPECT_EQ(reason, u"Is a directory");
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(test::kEndlessDevice, &reason));
    EXPECT_EQ(reason, kNotRegularFile);
    EXPECT_EQ(KindOf(test::kEndlessDevice), PathKind::Other);
    // A device named to be read as a stream is taken, and read as far as it is asked.
    std::optional<ReadOnlyFile> device = ReadOnlyFile::OpenFileOrStream(test::kEndlessDevice);
    ASSERT_TRUE(device);
    std::uint8_t bytes[16];
    EXPECT_TRUE(device->Read(bytes, sizeof bytes));
    EXPECT_TRUE(device->ReadAsOpened());
    EXPECT_EQ(KindOf(folder.PathOf("none")), PathKind::Missing);
#ifndef _WIN32
    EXPECT_FALSE(ListFolder(folder.PathOf("none"), &reason));
    EXPECT_EQ(reason, u"No such file or directory");
    ASSERT_EQ(::mkfifo(folder.Child("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(folder.PathOf("fifo"), &reason));
    EXPECT_EQ(reason, kNotRegularFile);
    EXPECT_EQ(KindOf(folder.PathOf("fifo")), PathKind::Other);
#endif
}

}  // namespace
}  // namespace hashwell::platform
