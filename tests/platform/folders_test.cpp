// Looking at folders: what each entry is, links included, and the order of the names.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "support/scratch_folder.h"

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

TEST(FoldersTest, EntriesComeInByteOrderWithWhatEachNames) {
    test::ScratchFolder folder;
    for (const std::string name : {"z", "\xc3\xa9", "\xff", "B", "a"}) {
        folder.Write(name, "x");
    }
    fs::create_directory(folder.path() / "sub");
    fs::create_directory_symlink("sub", folder.path() / "sub-link");
    fs::create_symlink("nowhere", folder.path() / "dangling");
    ASSERT_EQ(::mkfifo((folder.path() / "fifo").c_str(), 0600), 0);

    const std::optional<std::vector<FolderEntry>> entries =
        ListFolder(DecodeNativeBytes(folder.path().string()));
    ASSERT_TRUE(entries);
    std::vector<std::string> names;
    for (const FolderEntry& entry : *entries) {
        names.push_back(EncodeNativeBytes(entry.name));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"B", "a", "dangling", "fifo", "sub", "sub-link", "z",
                                               "\xc3\xa9", "\xff"}));
    auto entry = [&](std::size_t i) { return std::pair{(*entries)[i].kind, (*entries)[i].isLink}; };
    EXPECT_EQ(entry(0), std::pair(PathKind::RegularFile, false));
    EXPECT_EQ(entry(2), std::pair(PathKind::Missing, true));
    EXPECT_EQ(entry(3), std::pair(PathKind::Other, false));
    EXPECT_EQ(entry(4), std::pair(PathKind::Folder, false));
    EXPECT_EQ(entry(5), std::pair(PathKind::Folder, true));
    EXPECT_EQ(IdentityOf(folder.PathOf("sub")), IdentityOf(folder.PathOf("sub-link")));
    EXPECT_NE(IdentityOf(folder.PathOf("sub")), IdentityOf(folder.PathOf("a")));
}

TEST(FoldersTest, FailuresAndRefusalsSayWhy) {
    test::ScratchFolder folder;
    std::u16string reason;
    EXPECT_FALSE(ListFolder(folder.PathOf("none"), &reason));
    EXPECT_EQ(reason, u"No such file or directory");
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(folder.PathOf(""), &reason));
    EXPECT_EQ(reason, u"Is a directory");
    ASSERT_EQ(::mkfifo((folder.path() / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(folder.PathOf("fifo"), &reason));
    EXPECT_EQ(reason, kNotRegularFile);
    // A pipe handed over to be read as a stream is taken.
    std::optional<ReadOnlyFile> pipe = ReadOnlyFile::OpenFileOrPipe(folder.PathOf("fifo"));
    ASSERT_TRUE(pipe);
    EXPECT_EQ(KindOf(folder.PathOf("fifo")), PathKind::Other);
    EXPECT_EQ(KindOf(folder.PathOf("none")), PathKind::Missing);
}

}  // namespace
}  // namespace hashwell::platform
