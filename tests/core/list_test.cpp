// The file-list run against a fake desktop (which files get rows, what the cells hold, the
// progress, the messages, what is left alone) and the export of the grid (the file's name and
// extension, the questions and errors on the way, the bytes written in each text format).

#include <algorithm>

#include "core/list/export_list.h"
#include "core/list/file_list_run.h"
#include "core/list/list_row.h"
#include "core/shared/display_code.h"
#include "digest/registry.h"
#include "platform/platform.h"
#include "started_program.h"
#include "support/platform_testing.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using MainControl::FileGrid;

constexpr int kStartWidth = 598;

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
    // Each step of the bar while the workers hashed came with a repaint.
    EXPECT_GE(desktop_.repaints, std::ranges::count_if(desktop_.progress, [](int percent) {
                  return percent > 0 && percent < 100;
              }));
}

TEST_F(FileListRunTest, OneFileGivesOneRowUnderSixColumns) {
    folder_.Write("empty.txt", "");
    EXPECT_EQ(Run({folder_.PathOf("empty.txt")}), 1);
    EXPECT_EQ(desktop_.progressShown, (std::vector{true, false}));
    const std::vector<std::vector<std::string>> columns = ReadTable("core/list_columns.tsv");
    ASSERT_EQ(desktop_.gridColumns.size(), columns.size());
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    ASSERT_EQ(desktop_.gridRows[0].size(), columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(desktop_.gridColumns[i].title, Unescape(columns[i][0]));
        EXPECT_EQ(desktop_.gridColumns[i].width, std::stoi(columns[i][1]));
        EXPECT_EQ(desktop_.gridRows[0][i],
                  i == 0 ? folder_.PathOf("empty.txt") : Unescape(columns[i][2]));
    }
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

TEST_F(FileListRunTest, ElevenFilesToHashAreAskedAboutNoLeavesTheGridAndAStartWidthAsksToGrow) {
    std::vector<std::u16string> list(10, u"/missing");
    Run(list);
    EXPECT_TRUE(desktop_.boxes.empty());
    desktop_.gridRows = {{u"kept"}};
    desktop_.clientSize.width = kStartWidth;
    list.clear();
    for (int i = 0; i < 11; ++i) {
        list.push_back(test::ToUtf16(folder_.Write("f" + std::to_string(i), "")));
    }
    const MessageBoxRequest question = BoxOf("time-warning", u"11 files (0 bytes)");
    EXPECT_EQ(Run(list), 0);  // the fake answers No
    EXPECT_EQ(desktop_.boxes, std::vector{question});
    EXPECT_EQ(desktop_.gridRows, (std::vector<std::vector<std::u16string>>{{u"kept"}}));
    desktop_.answers.push_back(MessageAnswer::Yes);
    Run(list);
    EXPECT_EQ(desktop_.boxes, (std::vector{question, question, BoxOf("window-size")}));
    EXPECT_EQ(desktop_.gridRows.size(), 11u);
}

TEST(ListRow, OnlyExactUpperTurnsCodesToUpperCaseButNotFileErrorCells) {
    const ListRowRecord row = ListRow(u"/f", {"ab12", "", "", "", ""}, u"UPPER");
    EXPECT_EQ(row.cells, (std::vector<std::u16string>{u"/f", u"AB12", u"File Error", u"File Error",
                                                      u"File Error", u"File Error"}));
    EXPECT_EQ(row.errors, 4);
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

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop_.gridColumns = {{u"File Name", 180}, {u"CRC-32B", 180}};
        desktop_.gridRows = {{u"/data/one", u"00000001"},
                             {u"/data/two", u"00000002"},
                             {u"/data/three", u"File Error"}};
    }
    // Exports to `name` with file type `type`; the file written, if any.
    std::string Export(exporting::TableFormat kind, const std::string& name, std::size_t type = 0,
                       std::int64_t format = 2) {
        desktop_.saveAnswers.push_back({folder_.PathOf(name), type});
        ExportList(desktop_, FileGrid, format, true, kind);
        return fs::is_regular_file(folder_.path() / name) ? folder_.Read(name) : std::string();
    }

    test::FakeDesktop desktop_;
    test::ScratchFolder folder_;
};

TEST_F(ExportTest, ChosenFileTypeAddsItsExtensionUnlessTheNameHasItInAnyCase) {
    for (const std::vector<std::string>& row : ReadTable("core/export_names.tsv")) {
        Export(row[0] == "csv" ? exporting::TableFormat::Csv : exporting::TableFormat::Tsv, row[1],
               std::stoul(row[2]));
        EXPECT_TRUE(fs::is_regular_file(folder_.path() / row[3])) << row[1];
    }
    EXPECT_FALSE(fs::exists(folder_.path() / "report"));
    EXPECT_EQ(desktop_.saveDialogs[0],
              (SaveDialogRequest{u"Please choose file name for Comma-Separated Values file",
                                 u"MyFile.csv",
                                 {{u"CSV (*.csv)", u"*.csv"}, {u"All files (*.*)", u"*.*"}}}));
    EXPECT_EQ(desktop_.saveDialogs.back().filter.size(), 3u);
    EXPECT_EQ(desktop_.boxes.back(), BoxOf("tsv-created"));
}

TEST_F(ExportTest, FileHoldsTheTitlesAndEveryRowInTheTextFormatWithoutAMark) {
    desktop_.gridRows[0][0] = u"/data/\u00E9\u0100";  // é is in Windows-1252, Ā is not
    const std::string utf8 = Export(exporting::TableFormat::Csv, "utf8.csv", 0, 2);
    EXPECT_EQ(utf8,
              "\"File Name\",\"CRC-32B\"\r\n\"/data/\xC3\xA9\xC4\x80\",\"00000001\"\r\n"
              "\"/data/two\",\"00000002\"\r\n\"/data/three\",\"File Error\"\r\n");
    EXPECT_EQ(Export(exporting::TableFormat::Csv, "none.csv", 0, 0), utf8);  // no settings loaded
    EXPECT_EQ(Export(exporting::TableFormat::Csv, "other.csv", 0, 7), utf8);
    // Windows' own conversion gives Ā its look-alike; POSIX's table, a '?'.
    const std::string ansi = std::string("File Name\tCRC-32B\r\n/data/\xE9") +
                             (platform::kPathSeparator == u'\\' ? "A" : "?") +
                             "\t00000001\r\n/data/t";
    if (test::AnsiCodePage() == 1252) {
        EXPECT_EQ(Export(exporting::TableFormat::Tsv, "ansi.txt", 0, 24).substr(0, 45), ansi);
    }
    const std::string utf16 = Export(exporting::TableFormat::Tsv, "utf16.txt", 0, 25);
    EXPECT_TRUE(utf16.starts_with(std::string("F\0i\0l\0e\0", 8)));
    EXPECT_TRUE(utf16.ends_with(std::string("r\0\r\0\n\0", 6)));
    EXPECT_EQ(std::count(utf16.begin(), utf16.end(), '\n'), 4);
}

TEST_F(ExportTest, ExistingFileIsReplacedWholeOnlyAfterYes) {
    folder_.Write("old.csv", std::string(10000, 'o'));
    desktop_.answers = {MessageAnswer::No};
    EXPECT_EQ(Export(exporting::TableFormat::Csv, "old.csv"), std::string(10000, 'o'));
    EXPECT_EQ(desktop_.boxes.back(), BoxOf("overwrite-file", folder_.PathOf("old.csv")));
    desktop_.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(Export(exporting::TableFormat::Csv, "old.csv").starts_with("\"File Name\""));
    EXPECT_EQ(folder_.Read("old.csv").size(), 99u);  // nothing of the old bytes is left
}

TEST_F(ExportTest, FolderOrUnwritableTargetIsReportedAndNeverFollowedBySuccess) {
    fs::create_directory(folder_.path() / "folder.csv");
    Export(exporting::TableFormat::Csv, "folder.csv");
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("is-a-folder", folder_.PathOf("folder.csv"))});

    // A read-only file, after Yes: it stays as it is and the user is told.
    const fs::path locked = folder_.Write("locked.csv", "kept");
    fs::permissions(locked, fs::perms::owner_read);
    desktop_.boxes.clear();
    desktop_.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        Export(exporting::TableFormat::Csv, "locked.csv");
        return desktop_.boxes.size() == 2 && desktop_.boxes[1].title == u"Error" &&
               desktop_.boxes[1].text.starts_with(u"File '" + folder_.PathOf("locked.csv") +
                                                  u"' could not be written: ");
    }));
    EXPECT_EQ(folder_.Read("locked.csv"), "kept");
}

TEST_F(ExportTest, LeftoverOfAnInterruptedExportGoesWithTheNextExportThereAndNoNewOneStays) {
    folder_.Write(".hashwell-save-a1B2c3", "half an export");
    folder_.Write(".hashwell-save-notmine", "kept");
    std::vector<std::string> kept = {".hashwell-save-notmine", "list.csv"};
#ifndef _WIN32
    if (::geteuid() == 0) {  // another user's leftover, which only root can make here
        ASSERT_EQ(::chown(folder_.Write(".hashwell-save-d4E5f6", "theirs").c_str(), 1, 1), 0);
        kept.insert(kept.begin(), ".hashwell-save-d4E5f6");
    }
#endif
    Export(exporting::TableFormat::Csv, "list.csv");
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, kept);
}

}  // namespace
}  // namespace hashwell::core
