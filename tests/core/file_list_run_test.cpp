// The file-list run against a fake desktop: which files get rows, what the cells hold, the
// progress, the messages, and what is left alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/list/list_row.h"
#include "core/shared/display_code.h"
#include "digest/registry.h"
#include "platform/platform.h"
#include "support/fake_desktop.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using platform::kListSeparator;

constexpr int kStartWidth = 598;
const std::u16string kEmptyCodes[] = {
    u"00000000", u"d41d8cd98f00b204e9800998ecf8427e", u"da39a3ee5e6b4b0d3255bfef95601890afd80709",
    u"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855",
    u"a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a"};

class FileListRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        digest::RegisterDigestMethods();
        desktop_.clientSize.width = kStartWidth + 200;  // widened: no "Window Size" box
    }
    int Run(const std::vector<std::u16string>& paths, std::u16string_view caseText = u"lower") {
        return FileListRun(desktop_, events_, kStartWidth, caseText, FileListColumns(), paths);
    }
    std::vector<std::u16string> RowPaths() const {
        std::vector<std::u16string> paths;
        for (const auto& row : desktop_.gridRows) {
            paths.push_back(row[0]);
        }
        return paths;
    }

    test::FakeDesktop desktop_;
    EventRecord events_;
    test::ScratchFolder folder_;
};

TEST_F(FileListRunTest, BarOnlyMovesForwardEndsFullAndTheWindowsRepaintMeanwhile) {
    // Large enough for the bar to be set while the workers are still reading.
    folder_.Write("large.bin", std::string(64 * 1024 * 1024, 'x'));
    Run({folder_.PathOf("large.bin")});
    ASSERT_GT(desktop_.progress.size(), 1u);
    EXPECT_LT(desktop_.progress.front(), 100);
    EXPECT_TRUE(std::is_sorted(desktop_.progress.begin(), desktop_.progress.end()));
    EXPECT_EQ(desktop_.progress.back(), 100);
    EXPECT_GE(desktop_.repaints, static_cast<int>(desktop_.progress.size()) - 1);
}

TEST_F(FileListRunTest, FileCutShortWhileItIsReadGetsNoCodeOfItsFirstPart) {
    const fs::path file = folder_.Write("shrinking.bin", "");
    fs::resize_file(file, 256 * 1024 * 1024);  // sparse: quick to make, slow enough to hash
    bool tried = false;
    bool cut = false;
    desktop_.onProgress = [&](int percent) {
        if (!tried && percent < 100) {
            tried = true;
            std::error_code refused;
            fs::resize_file(file, 1024 * 1024, refused);
            cut = !refused;
        }
    };
    Run({test::ToUtf16(file)});
    ASSERT_TRUE(tried);
#ifdef _WIN32
    // Writers are kept out while the file is read: it stays whole and gets its row.
    EXPECT_FALSE(cut);
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
#else
    ASSERT_TRUE(cut);
    EXPECT_TRUE(desktop_.gridRows.empty()) << "a code of bytes no version of the file held";
#endif
}

TEST_F(FileListRunTest, OneFileGivesOneRowUnderSixColumns) {
    folder_.Write("empty.txt", "");
    EXPECT_EQ(Run({folder_.PathOf("empty.txt")}), 1);
    EXPECT_EQ(desktop_.progressShown, (std::vector{true, false}));
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0], (std::vector<std::u16string>{
                                        folder_.PathOf("empty.txt"), kEmptyCodes[0], kEmptyCodes[1],
                                        kEmptyCodes[2], kEmptyCodes[3], kEmptyCodes[4]}));
    using Column = test::FakeDesktop::Column;
    EXPECT_EQ(desktop_.gridColumns, (std::vector<Column>{{u"File Name", 360},
                                                         {u"CRC-32B", 180},
                                                         {u"MD5", 180},
                                                         {u"SHA-1", 180},
                                                         {u"SHA-256", 180},
                                                         {u"SHA-3-256", 180}}));
    EXPECT_TRUE(desktop_.menuEnabled[MenuItem::MenuExportCsv]);
    EXPECT_EQ(desktop_.controls[MainControl::ProgressBar].geometry, (Rect{218, 160, 140, 20}));
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(FileListRunTest, OnlyReadableRegularFilesGetRowsInListOrder) {
    folder_.Write("a.txt", "a");
    folder_.Write("b.txt", "b");
    test::DenyAllAccess(folder_.Write("secret.txt", "s"));
    fs::create_directory(folder_.path() / "folder");
    const std::vector<std::u16string> list = {folder_.PathOf("a.txt"),
                                              folder_.PathOf("folder"),
                                              folder_.PathOf("missing"),
                                              folder_.PathOf("secret.txt"),
                                              u"",
                                              folder_.PathOf("b.txt")};
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        Run(list);
        return RowPaths() == std::vector{list[0], list[5]};
    }));
    // Whoever may read the secret file gets its row.
    Run(list);
    const std::vector<std::u16string> expected = test::ReadsEveryFile()
                                                     ? std::vector{list[0], list[3], list[5]}
                                                     : std::vector{list[0], list[5]};
    EXPECT_EQ(RowPaths(), expected);
}

TEST_F(FileListRunTest, MoreThanTenEntriesWarnFirstCountingEmptyOnes) {
    Run(std::vector<std::u16string>(10, u"/missing"));
    EXPECT_TRUE(desktop_.boxes.empty());
    Run({u"/missing", u"", u"", u"", u"", u"", u"", u"", u"", u"", u""});
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0],
              (core::MessageBoxRequest{u"Time Warning",
                                       u"You selected 11 files. Please be aware that this "
                                       u"might take a long time to process!",
                                       core::MessageIcon::Warning, core::MessageButtons::Ok}));
    EXPECT_TRUE(desktop_.gridRows.empty());
}

TEST_F(FileListRunTest, UpperCaseReachesCodesButNotFileErrorCells) {
    folder_.Write("empty.bin", "");
    Run({folder_.PathOf("empty.bin")}, u"UPPER");
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0][2], u"D41D8CD98F00B204E9800998ECF8427E");
    const ListRowRecord row = ListRow(u"/f", {"ab12", "", "", "", ""}, u"UPPER");
    EXPECT_EQ(row.cells, (std::vector<std::u16string>{u"/f", u"AB12", u"File Error", u"File Error",
                                                      u"File Error", u"File Error"}));
    EXPECT_EQ(row.errors, 4);
}

TEST(DisplayCode, OnlyExactUpperTurnsCodesToUpperCase) {
    EXPECT_EQ(DisplayCode("00ab12ef", u"UPPER"), u"00AB12EF");
    for (const std::u16string_view other : {u"lower", u"Upper", u"upper", u" UPPER", u""}) {
        EXPECT_EQ(DisplayCode("00ab12ef", other), u"00ab12ef");
    }
}

TEST_F(FileListRunTest, FileWhoseFiveCodesAllFailGetsNoRow) {
    HASHWELL_SKIP_UNDER_WINE("byte-range locks that fail other handles' reads");
    folder_.Write("a.txt", "a");
    // A regular file the user may read, but every read of it fails.
    const test::FileThatFailsToRead failing(folder_.path());
    Run({failing.path(), folder_.PathOf("a.txt")});
    EXPECT_EQ(RowPaths(), std::vector{folder_.PathOf("a.txt")});
}

TEST_F(FileListRunTest, ListOrTitlesOfOnlySpacesChangeNothing) {
    desktop_.gridRows = {{u"kept"}};
    EXPECT_EQ(Run({u"   "}), 0);
    EXPECT_EQ(FileListRun(desktop_, events_, kStartWidth, u"lower", u" ", {u"/missing"}), 0);
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridColumns.size(), 1u);
    EXPECT_TRUE(desktop_.progress.empty());
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(FileListRunTest, WindowStillAtItsStartWidthIsAskedToBeWidened) {
    desktop_.clientSize.width = kStartWidth;
    Run({u"/missing"});
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].title, u"Window Size");
    EXPECT_EQ(desktop_.boxes[0].text,
              u"Please maximize or resize this window so that all hash codes can be displayed!");
    EXPECT_EQ(desktop_.boxes[0].icon, core::MessageIcon::Information);
}

}  // namespace
}  // namespace hashwell::core
