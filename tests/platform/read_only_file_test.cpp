// Reading a file whole: a file that changes while it is read is told apart from one read as it
// was, and files of the kernel's pseudo file systems, whose size says nothing, still read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "support/scratch_folder.h"

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

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
