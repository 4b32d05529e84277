// Replacing a file's content: the rights a new file gets and an old one keeps, and what a save
// stopped half-way leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "platform/platform.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

class ReplaceFileTest : public ::testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

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

// Replaces the file's content with `size` bytes in a child process that the system ends, as a
// kill would, once it has written `limit` bytes to any file.
void SaveStoppedAfter(const fs::path& file, rlim_t limit, std::size_t size) {
    test::RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCore{0, 0};
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        return ReplaceFileContent(test::ToUtf16(file), std::string(size, 'n'));
    });
}

TEST_F(ReplaceFileTest, SaveStoppedWhileWritingLeavesTheOldFileAndNoTemporaryFile) {
    const fs::path file = folder_.Write("data.csv", "old");
    SaveStoppedAfter(file, 1000, 5000);
    EXPECT_EQ(folder_.Read("data.csv"), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"data.csv"});
}
#endif

}  // namespace
}  // namespace hashwell::platform
