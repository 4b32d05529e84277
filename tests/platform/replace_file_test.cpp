// Replacing a file's content: the rights a new file gets and an old one keeps.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hashwell::platform {
namespace {

namespace fs = std::filesystem;

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
#endif

}  // namespace
}  // namespace hashwell::platform
