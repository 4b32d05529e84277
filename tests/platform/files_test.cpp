// Looking at folders: what each entry is, links included, and the order of the names. Reading a
// file whole: a file that changes while it is read is told apart from one read as it was, and
// files of the kernel's pseudo file systems, whose size says nothing, still read. The system's
// byte strings as program text: names that are not UTF-8 survive the round trip byte for byte,
// and show one replacement character per byte that is not UTF-8.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

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
#ifdef _WIN32
    EXPECT_FALSE(reason.empty());
#else
    EXPECT_EQ(reason, u"No such file or directory");
#endif
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
    ASSERT_EQ(::mkfifo(folder.Child("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadOnlyFile::OpenRegular(folder.PathOf("fifo"), &reason));
    EXPECT_EQ(reason, kNotRegularFile);
    EXPECT_EQ(KindOf(folder.PathOf("fifo")), PathKind::Other);
#endif
}

// Reads the file to its end; true when the read counts as the file as it was opened.
bool ReadWhole(ReadOnlyFile& file) {
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

TEST(ReadOnlyFileTest, FileThatShrinksGrowsOrIsRewrittenWhileReadIsNotReadAsOpened) {
    test::ScratchFolder folder;
    const fs::path data = folder.path() / "data.bin";
    // What a change does: whether it was made, and whether the read then counts.
    const auto change = [&](const std::function<bool()>& act) {
        folder.Write("data.bin", std::string(10000, 'd'));
        // Times in the past, so that any write moves them.
        fs::last_write_time(data, fs::last_write_time(data) - std::chrono::hours(1));
        std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(test::ToUtf16(data));
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
TEST(ReadOnlyFileTest, PseudoFilesWhoseSizeIsNotTheirLengthStillRead) {
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
