// Looking at folders: what each entry is, links included, and the order of the names. Reading a
// file whole: a file that changes while it is read is told apart from one read as it was, and
// files of the kernel's pseudo file systems, whose size says nothing, still read.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

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

class ReadOnlyFileTest : public ::testing::Test {
protected:
    // A file of `size` bytes whose times lie in the past, so that any write moves them.
    Path OldFile(std::uintmax_t size) {
        const fs::path file = folder_.Write("data.bin", std::string(size, 'd'));
        fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
        return test::ToUtf16(file);
    }
    // Reads the file to its end; true when the read counts as the file as it was opened.
    static bool ReadWhole(ReadOnlyFile& file) {
        std::vector<std::uint8_t> buffer(4096);
        while (true) {
            const std::optional<std::size_t> got = file.Read(buffer.data(), buffer.size());
            if (!got) {
                return false;
            }
            if (*got < buffer.size()) {
                return file.ReadAsOpened();
            }
        }
    }
    test::ScratchFolder folder_;
};

TEST_F(ReadOnlyFileTest, FileThatShrinksGrowsOrIsRewrittenWhileReadIsNotReadAsOpened) {
    // What a change does: whether it was made, and whether the read then counts.
    const auto change = [&](const std::function<bool()>& act) {
        const Path path = OldFile(10000);
        std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(path);
        std::uint8_t first[100];
        file->Read(first, sizeof first);
        const bool made = act();
        return std::pair{made, ReadWhole(*file)};
    };
#ifdef _WIN32
    const std::pair expected{false, true};  // writers are kept out while the file is read
#else
    const std::pair expected{true, false};
#endif
    EXPECT_EQ(change([] { return true; }), (std::pair{true, true})) << "a file left alone";
    const fs::path data = folder_.path() / "data.bin";
    EXPECT_EQ(change([&] {
                  std::error_code error;
                  fs::resize_file(data, 5000, error);
                  return !error;
              }),
              expected);
    EXPECT_EQ(
        change([&] { return bool(std::ofstream(data, std::ios::app) << "more" << std::flush); }),
        expected);
    EXPECT_EQ(change([&] {
                  std::fstream same(data, std::ios::in | std::ios::out | std::ios::binary);
                  return bool(same << "new" << std::flush);  // the same size, other bytes
              }),
              expected);
}

#ifndef _WIN32
TEST_F(ReadOnlyFileTest, PseudoFilesWhoseSizeIsNotTheirLengthStillRead) {
    // /proc reports 0 bytes, /sys a page, whatever they stream.
    for (const char* name : {"/proc/self/status", "/sys/devices/system/cpu/online"}) {
        if (!fs::exists(name)) {
            continue;
        }
        std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(test::ToUtf16(name));
        ASSERT_TRUE(file) << name;
        EXPECT_TRUE(ReadWhole(*file)) << name;
    }
}
#endif

}  // namespace
}  // namespace hashwell::platform
