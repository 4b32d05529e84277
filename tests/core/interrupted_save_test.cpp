// The start that follows a rewrite stopped half-way: the user is told which files may be
// incomplete and where their old content is.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/platform.h"
#include "started_program.h"
#include "support/platform_testing.h"

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using InterruptedSaveTest = StartedProgram;

#ifndef _WIN32  // a process is stopped at a chosen byte through a file-size limit
TEST_F(InterruptedSaveTest, StartNamesEveryFileLeftHalfRewrittenWithItsCopyInOneBoxUntilRestored) {
    test::ScratchCache cache;
    std::vector<fs::path> files;
    for (const std::string name : {"first.csv", "second.csv"}) {
        files.push_back(folder_.Write(name, "old " + name));
        fs::create_hard_link(files.back(), folder_.Child("link-" + name));  // rewritten in place
        test::RunUntilStoppedAtByte(100, [&] {
            platform::ReplaceFileContent(test::ToUtf16(files.back()), std::string(500, 'n'));
        });
    }
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    const std::vector<platform::InterruptedRewrite> left = platform::FindInterruptedRewrites();
    ASSERT_EQ(left.size(), 2u);
    const auto named = [&](const MessageBoxRequest& box) {
        return box.title == u"Interrupted Save";
    };
    ASSERT_EQ(std::count_if(desktop_.boxes.begin(), desktop_.boxes.end(), named), 1);
    const MessageBoxRequest& box =
        *std::find_if(desktop_.boxes.begin(), desktop_.boxes.end(), named);
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    for (const platform::InterruptedRewrite& rewrite : left) {
        EXPECT_NE(box.text.find(rewrite.file), std::u16string::npos);
        EXPECT_NE(box.text.find(rewrite.copy), std::u16string::npos);
    }

    // Once the files are restored from their copies, nothing is said.
    for (const platform::InterruptedRewrite& rewrite : left) {
        fs::copy_file(fs::path(rewrite.copy), fs::path(rewrite.file),
                      fs::copy_options::overwrite_existing);
    }
    desktop_.boxes.clear();
    state_ = {};
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(std::count_if(desktop_.boxes.begin(), desktop_.boxes.end(), named), 0);
    EXPECT_EQ(folder_.Read("first.csv"), "old first.csv");
}
#endif

}  // namespace
}  // namespace hashwell::core
