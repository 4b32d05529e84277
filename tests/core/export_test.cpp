// Exporting the grid: the file's name and extension, the questions and errors on the way, and
// the bytes written in each text format.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/desktop/ids.h"
#include "core/list/export_list.h"
#include "core/list/file_list_run.h"
#include "platform/platform.h"
#include "support/fake_desktop.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace hashwell::core {
namespace {

namespace fs = std::filesystem;
using MainControl::FileGrid;

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop_.gridColumns.clear();
        for (const std::u16string title : {u"File Name", u"CRC-32B"}) {
            desktop_.gridColumns.push_back({title, 180});
        }
        desktop_.gridRows = {{u"/data/one", u"00000001"},
                             {u"/data/two", u"00000002"},
                             {u"/data/three", u"File Error"}};
    }
    // Exports to `name` with filter `filter`; the file written, if any.
    std::string Export(exporting::TableFormat kind, const std::string& name, std::size_t filter = 0,
                       std::int64_t format = 2) {
        desktop_.saveAnswers.push_back({folder_.PathOf(name), filter});
        ExportList(desktop_, FileGrid, format, true, kind);
        return fs::is_regular_file(folder_.path() / name) ? folder_.Read(name) : std::string();
    }
    MessageBoxRequest Box(std::u16string title, std::u16string text, MessageIcon icon) const {
        return {std::move(title), std::move(text), icon, MessageButtons::Ok};
    }

    test::FakeDesktop desktop_;
    test::ScratchFolder folder_;
};

TEST_F(ExportTest, ChosenFileTypeAddsItsExtensionUnlessTheNameHasItInAnyCase) {
    const struct {
        exporting::TableFormat kind;
        std::string typed;
        std::size_t filter;
        std::string written;
    } cases[] = {
        {exporting::TableFormat::Csv, "report", 0, "report.csv"},
        {exporting::TableFormat::Csv, "kept", 1, "kept"},  // "All files"
        {exporting::TableFormat::Csv, "CAPS.CSV", 0, "CAPS.CSV"},
        {exporting::TableFormat::Csv, "spaced  ", 0, "spaced.csv"},
        {exporting::TableFormat::Tsv, "list.tsv", 0, "list.tsv.txt"},
        {exporting::TableFormat::Tsv, "list.txt", 1, "list.txt.tsv"},
    };
    for (const auto& c : cases) {
        Export(c.kind, c.typed, c.filter);
        EXPECT_TRUE(fs::is_regular_file(folder_.path() / c.written)) << c.typed;
    }
    EXPECT_FALSE(fs::exists(folder_.path() / "report"));
    EXPECT_EQ(desktop_.saveDialogs[0],
              (SaveDialogRequest{u"Please choose file name for Comma-Separated Values file",
                                 u"MyFile.csv",
                                 {{u"CSV (*.csv)", u"*.csv"}, {u"All files (*.*)", u"*.*"}}}));
    EXPECT_EQ(desktop_.saveDialogs[4].filter.size(), 3u);
    EXPECT_EQ(desktop_.boxes.back(),
              Box(u"Success", u"Tab-Separated Values file created!", MessageIcon::Information));
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
#ifdef _WIN32
    const std::string ansi =
        "File Name\tCRC-32B\r\n/data/\xE9"
        "A\t00000001\r\n/data/t";
#else
    const std::string ansi = "File Name\tCRC-32B\r\n/data/\xE9?\t00000001\r\n/data/t";
#endif
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
    EXPECT_EQ(desktop_.boxes.back(),
              (MessageBoxRequest{u"Overwrite File",
                                 u"File " + folder_.PathOf("old.csv") +
                                     u" already exists! Do you want to overwrite it?",
                                 MessageIcon::Warning, MessageButtons::YesNo}));
    desktop_.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(Export(exporting::TableFormat::Csv, "old.csv").starts_with("\"File Name\""));
    EXPECT_EQ(folder_.Read("old.csv").size(), 99u);  // nothing of the old bytes is left
}

TEST_F(ExportTest, FolderOrUnwritableTargetIsReportedAndNeverFollowedBySuccess) {
    fs::create_directory(folder_.path() / "folder.csv");
    Export(exporting::TableFormat::Csv, "folder.csv");
    EXPECT_EQ(
        desktop_.boxes,
        std::vector{Box(u"Error", u"File '" + folder_.PathOf("folder.csv") + u"' is a directory!",
                        MessageIcon::Error)});

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

#ifndef _WIN32  // a file-size limit for one process is POSIX's
TEST_F(ExportTest, FileSizeLimitIsAnErrorThatLeavesTheOldFileAsItWas) {
    folder_.Write("limited.csv", "old");
    EXPECT_TRUE(test::RunInChildProcess([&] {
        platform::PrepareProcess();  // as the program does: the write fails, nothing is killed
        const rlimit limit{50, 50};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        desktop_.answers = {MessageAnswer::Yes};
        Export(exporting::TableFormat::Csv, "limited.csv");
        return desktop_.boxes.size() == 2 && desktop_.boxes[1].title == u"Error" &&
               desktop_.boxes[1].text.ends_with(u"File too large");
    }));
    EXPECT_EQ(folder_.Read("limited.csv"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
        << "no partial file is left behind";
}
#endif

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

TEST_F(ExportTest, ReadOnlyFolderTakesNoNewFileButItsWritableFileIsWrittenInPlace) {
    test::ScratchCache cache;  // where a rewrite in place keeps the old content
    fs::permissions(folder_.Write("in-place.csv", "old"), fs::perms::all);
    test::DenyCreatingFiles(folder_.path());
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        Export(exporting::TableFormat::Csv, "new.csv");
        const bool refused = desktop_.boxes.size() == 1 && desktop_.boxes[0].title == u"Error";
        desktop_.answers = {MessageAnswer::Yes};
        const std::string written = Export(exporting::TableFormat::Csv, "in-place.csv");
        return refused && written.starts_with("\"File Name\"") &&
               desktop_.boxes.back().title == u"Success";
    }));
    test::RestoreAccess(folder_.path());
}

}  // namespace
}  // namespace hashwell::core
