// Runs a person controls, on the fake desktop: Escape and the close box stop a list run or the
// File tab's, the rows of finished files stay, folders are walked in order, and counts and sizes
// read as the user reads them.

#include <filesystem>

#include "core/shared/amounts.h"
#include "started_program.h"
#include "support/platform_testing.h"
#include "support/table_file.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using enum MainControl;

constexpr std::uint64_t kMiB = 1024 * 1024;

class RunTest : public StartedProgram {
protected:
    void SetUp() override {
        Start();
        desktop_.clientSize.width += 200;  // widened: no "Window Size" box
    }
    // A file that takes no room on the disk but long to read.
    std::u16string Sparse(const std::string& name, std::uint64_t size) {
        const fs::path path = folder_.Write(name, "");
        fs::resize_file(path, size);
        return test::ToUtf16(path);
    }
    // The user does `event` once the hashing has begun and the bar has reached `percent`. (The
    // bar is busy while the files are found, set to 0 as the walk ends and as hashing begins.)
    void DoAt(int percent, Event event) {
        desktop_.progress.clear();
        desktop_.beforeDrain = [this, percent, event, done = false]() mutable {
            if (!done && desktop_.progress.size() >= 3 && desktop_.progress.back() >= percent) {
                done = true;
                desktop_.queue.push_back(event);
            }
        };
    }
    void OpenList(std::vector<std::u16string> paths) {
        desktop_.dialogAnswers.push_back(std::move(paths));
        ChooseMenu(MenuItem::MenuOpenList);
    }
    std::vector<std::u16string> RowPaths() const {
        std::vector<std::u16string> paths;
        for (const auto& row : desktop_.gridRows) {
            paths.push_back(row[0]);
        }
        return paths;
    }
};

const Event kEscape{EventKind::Escape};
const Event kCloseBox{EventKind::CloseWindow, 0, WindowId::MainWindow};

TEST_F(RunTest, EscapeKeepsTheFinishedRowsDropsTheFilesInHandAndSaysHowFarTheRunCame) {
    const std::u16string first = Sparse("1", 64 * kMiB);
    const std::u16string second = Sparse("2", 1024 * kMiB);
    // At the first report nothing is finished; at 7% the first file is, the second half read.
    for (const auto& [percent, rows, counts] :
         {std::tuple{0, 0u, u"0 of 2"}, std::tuple{7, 1u, u"1 of 2"}}) {
        desktop_.boxes.clear();
        DoAt(percent, kEscape);
        OpenList({first, second});
        EXPECT_EQ(desktop_.gridRows.size(), rows);
        EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("stopped", counts)});
        EXPECT_FALSE(desktop_.controls[ProgressBar].visible);
        EXPECT_FALSE(state_.quitRequested);
    }
    EXPECT_EQ(desktop_.gridRows[0][0], first);
}

TEST_F(RunTest, EscapeAsTheLastFileEndsIsNoStop) {
    const std::u16string file = test::ToUtf16(folder_.Write("small", "x"));
    DoAt(0, kEscape);
    OpenList({file});
    EXPECT_EQ(RowPaths(), std::vector{file});
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(RunTest, CloseBoxDuringARunEndsTheProgramOnceTheRunHasStoppedKeepingWhatWasDone) {
    const std::u16string first = Sparse("1", 64 * kMiB);
    DoAt(7, kCloseBox);
    OpenList({first, Sparse("2", 1024 * kMiB)});
    EXPECT_TRUE(state_.quitRequested);
    EXPECT_EQ(RowPaths(), std::vector{first});
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(RunTest, FileTabHashesOffTheWindowsThreadAndEscapeEmptiesTheCodeBoxWithoutABox) {
    const std::u16string large = Sparse("large", 2047 * kMiB);  // what Windows' runtime can size
    desktop_.shownTab = TabIndex::File;
    state_.fileToHash = large;
    Text(FileNameBox) = u"Filename: " + large;
    Text(FileHashBox) = u"the code of another file";
    DoAt(0, kEscape);
    Click(ButtonCalculate);
    EXPECT_TRUE(Text(FileHashBox).empty());
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_FALSE(desktop_.controls[FileProgressBar].visible);
    EXPECT_GT(desktop_.repaints, 0);
}

TEST_F(RunTest, FolderIsWalkedInNameOrderFollowingLinksToFilesOnlyAndLeavingOutWhatCannotBeRead) {
    const fs::path root = folder_.path() / "root";
    fs::create_directories(root / "a" / "empty");
    fs::create_directories(root / "locked");
    folder_.Write("root/a/z", "z");
    folder_.Write("root/b", "b");
    folder_.Write("root/locked/secret", "s");
    std::vector<std::u16string> expected = {test::ToUtf16(root / "a" / "z"),
                                            test::ToUtf16(root / "b")};
#ifndef _WIN32
    fs::create_symlink(root / "b", root / "c-file-link");
    fs::create_symlink(root / "a", root / "d-folder-link");
    ASSERT_EQ(::mkfifo((root / "e-pipe").c_str(), 0644), 0);
    expected.push_back(test::ToUtf16(root / "c-file-link"));
#endif
    test::DenyAllAccess(root / "locked");
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        desktop_.folderAnswers.push_back(test::ToUtf16(root));
        ChooseMenu(MenuItem::MenuOpenFolder);
        return RowPaths() == expected && desktop_.shownTab == TabIndex::ListOfFiles &&
               desktop_.folderDialogs == std::vector<std::u16string>{u"Open Folder"};
    }));

    // An empty folder gives an empty grid and nothing to say.
    desktop_.folderAnswers.push_back(test::ToUtf16(root / "a" / "empty"));
    ChooseMenu(MenuItem::MenuOpenFolder);
    EXPECT_TRUE(desktop_.gridRows.empty());
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST(Amounts, CountsAreGroupedByCommasAndSizesGivenInDecimalUnitsWithOneDecimal) {
    for (const std::vector<std::string>& row : test::ReadTable("core/amounts.tsv")) {
        const std::uint64_t number = std::stoull(row[1]);
        const std::u16string shown = row[0] == "count" ? GroupedCount(number) : DecimalSize(number);
        EXPECT_EQ(shown, test::ToUtf16(row[2])) << row[1];
    }
}

}  // namespace
}  // namespace hashwell::core
