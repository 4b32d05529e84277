// Replacing a file's content: the rights a new file gets and an old one keeps, and what a save
// stopped half-way leaves.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

// Old content of every byte value, and new content larger than the tests let a process write.
const std::string kOld = [] {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i * 7);
    }
    return bytes;
}();
const std::string kNew(5000, 'n');

class ReplaceFileTest : public ::testing::Test {
protected:
    test::ScratchFolder folder_;
};

#ifndef _WIN32  // modes, umasks and owners are POSIX's
struct stat StatusOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status;
}

TEST_F(ReplaceFileTest, NewFileIsNotPrivateButFollowsTheUmaskAndAnOldOneKeepsModeAndOwner) {
    for (const mode_t mask : {022, 077}) {
        const fs::path file = folder_.Child("new-" + std::to_string(mask));
        EXPECT_TRUE(test::RunInChildProcess([&] {
            ::umask(mask);
            return ReplaceFileContent(test::ToUtf16(file), "new");
        }));
        EXPECT_EQ(StatusOf(file).st_mode & 07777, 0666 & ~mask) << "umask " << std::oct << mask;
    }

    const fs::path old = folder_.Write("old.txt", "old");
    ASSERT_EQ(::chmod(old.c_str(), 0604), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(old.c_str(), 1, 65534), 0);  // daemon's file, group nogroup
    }
    EXPECT_TRUE(ReplaceFileContent(test::ToUtf16(old), "new"));
    EXPECT_EQ(folder_.Read("old.txt"), "new");
    EXPECT_EQ(StatusOf(old).st_mode & 07777, 0604u);
    if (root) {
        EXPECT_EQ(StatusOf(old).st_uid, 1u);
        EXPECT_EQ(StatusOf(old).st_gid, 65534u);
    }
}

TEST_F(ReplaceFileTest, SaveStoppedWhileWritingLeavesTheOldFileAndNoTemporaryFile) {
    const fs::path file = folder_.Write("data.csv", "old");
    test::RunUntilStoppedAtByte(1000, [&] { ReplaceFileContent(test::ToUtf16(file), kNew); });
    EXPECT_EQ(folder_.Read("data.csv"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 1) << "a temporary file";
}

TEST_F(ReplaceFileTest, FailedRewriteInPlaceLeavesTheOldFileByteForByteAndNoCopy) {
    test::ScratchCache cache;
    for (const bool hardLinked : {true, false}) {
        const fs::path file = folder_.Write("data.csv", kOld);
        fs::permissions(file, fs::perms::all);
        if (hardLinked) {
            fs::create_hard_link(file, folder_.Child("other-name.csv"));
        } else {
            test::DenyCreatingFiles(folder_.path());
        }
        // Writing stops part-way: the new content is larger than the process may write.
        EXPECT_TRUE(test::RunInChildProcess([&] {
            PrepareProcess();
            const rlimit limit{1000, 1000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return test::RunWithoutPrivileges([&] {
                std::u16string reason;
                return !ReplaceFileContent(test::ToUtf16(file), kNew, &reason) &&
                       reason == u"File too large";
            });
        })) << (hardLinked ? "hard link" : "read-only folder");
        EXPECT_EQ(folder_.Read("data.csv"), kOld);
        EXPECT_EQ(cache.Files(), std::vector<fs::path>{});
        test::RestoreAccess(folder_.path());
        fs::remove(folder_.Child("other-name.csv"));
    }
}

TEST_F(ReplaceFileTest, FullDiskLeavesAFileRewrittenInPlaceAsItWas) {
    const fs::path disk = folder_.Child("disk");
    fs::create_directory(disk);
    // A small file system of its own, seen only by the child process that mounts it.
    const auto mountDisk = [&] {
        return ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") == 0;
    };
    if (!test::RunInChildProcess(mountDisk)) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    test::ScratchCache cache;
    EXPECT_TRUE(test::RunInChildProcess([&] {
        if (!mountDisk()) {
            return false;
        }
        const fs::path file = disk / "data.csv";
        std::ofstream(file, std::ios::binary) << kOld;
        fs::create_hard_link(file, disk / "other-name.csv");
        std::u16string reason;
        const std::string larger(1 << 20, 'n');  // four times the disk
        return !ReplaceFileContent(test::ToUtf16(file), larger, &reason) &&
               reason == u"No space left on device" &&
               ReadFileBytes(test::ToUtf16(file), larger.size()) == kOld;
    }));
}

TEST_F(ReplaceFileTest, RewriteInPlaceStoppedHalfWayIsFoundWithTheOldContentUntilRestored) {
    test::ScratchCache cache;
    const fs::path file = folder_.Write("data.csv", kOld);
    fs::create_hard_link(file, folder_.Child("other-name.csv"));
    test::RunUntilStoppedAtByte(1000, [&] { ReplaceFileContent(test::ToUtf16(file), kNew); });
    ASSERT_EQ(folder_.Read("data.csv"), kNew.substr(0, 1000));
    const std::vector<InterruptedRewrite> found = FindInterruptedRewrites();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].file, test::ToUtf16(fs::canonical(file)));
    EXPECT_EQ(ReadFileBytes(found[0].copy, kNew.size()), kOld);
    EXPECT_EQ(FindInterruptedRewrites(), found) << "named at every start until restored";

    fs::copy_file(fs::path(found[0].copy), file, fs::copy_options::overwrite_existing);
    EXPECT_EQ(FindInterruptedRewrites(), std::vector<InterruptedRewrite>{});
    EXPECT_EQ(cache.Files(), std::vector<fs::path>{});
}
#endif

}  // namespace
}  // namespace hashwell::platform
