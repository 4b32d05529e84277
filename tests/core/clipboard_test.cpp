// Copying, pasting and dropping: the Copy Hash commands, Copy Codes, the text boxes' menu items
// that act at the next mouse movement, dragging text out, dropping text and files onto the
// panel and its boxes, and reading a dropped file as text.

#include "core/clipboard/clipboard_commands.h"
#include "core/clipboard/dropped_text.h"
#include "core/clipboard/drops.h"
#include "platform/platform.h"
#include "started_program.h"
#include "support/platform_testing.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::core {
namespace {

using enum MainControl;
using enum MenuItem;
using enum PopupMenu;
namespace fs = std::filesystem;

using ClipboardTest = StartedProgram;

TEST_F(ClipboardTest, CopyCodesCopiesTheSelectedRowAsPaddedLines) {
    Start();
    desktop_.gridColumns = {{u"File Name", 360}, {u"CRC-32B", 180}, {u"MD5", 180},
                            {u"SHA-1", 180},     {u"SHA-256", 180}, {u"SHA-3-256", 180}};
    desktop_.gridRows = {{u"/a", u"1", u"2", u"3", u"4", u"5"}};
    desktop_.shownTab = TabIndex::ListOfFiles;
    desktop_.clipboard = u"old";
    Click(ButtonCopyHash);
    EXPECT_EQ(desktop_.clipboard, u"") << "no row selected: the clipboard was only cleared";
    EXPECT_TRUE(desktop_.boxes.empty());

    desktop_.selectedRow = 0;
    ChooseMenu(ItemCopyCodes);
    EXPECT_EQ(desktop_.clipboard,
              u"File Name: /a\r\nCRC-32B  : 1\r\nMD5      : 2\r\nSHA-1    : 3\r\n"
              u"SHA-256  : 4\r\nSHA-3-256: 5");
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("copied")});

    desktop_.gridColumns = {{u"Only", 100}};
    GridRowToText(desktop_, FileGrid, u"\r\n");
    EXPECT_EQ(desktop_.clipboard, u"Only: /a");
}

TEST(ChooseDropTab, TextGoesToTheTextTabSeveralFilesToTheListAndOneFileStays) {
    for (const int shown : {0, 1, 2, -1}) {
        EXPECT_EQ(ChooseDropTab(shown, DropPayload::Text), 0);
        EXPECT_EQ(ChooseDropTab(shown, DropPayload::SeveralFiles), 2);
        EXPECT_EQ(ChooseDropTab(shown, DropPayload::OneFile), shown < 0 ? 1 : shown);  // or File
    }
}

TEST_F(ClipboardTest, OneFileOntoThePanelFollowsTheShownTab) {
    Start();
    const std::vector<platform::Path> one = Files(1);
    desktop_.shownTab = TabIndex::Text;
    Drop(TabPanel, u"", one);  // the file's text into the text box
    EXPECT_EQ(Text(TextInput), u"file 0");

    desktop_.shownTab = -1;  // no tab shown: the File tab
    Drop(TabPanel, u"", one);
    EXPECT_EQ(desktop_.shownTab, TabIndex::File);
    EXPECT_EQ(Text(FileNameBox), one[0]);  // the bare path
    EXPECT_EQ(state_.fileToHash, one[0]);
    Click(ButtonCalculate);
    EXPECT_EQ(Text(FileHashBox).size(), 8u);

    desktop_.shownTab = TabIndex::ListOfFiles;
    Drop(TabPanel, u"", one);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled);
}

TEST_F(ClipboardTest, SeveralFilesAreHashedIntoTheListWhereverTheyAreDropped) {
    Start();
    const std::vector<platform::Path> three = Files(3);
    Drop(TextInput, u"", three);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridRows.size(), 3u);
    EXPECT_EQ(state_.fileToHash,
              three[0] + platform::kListSeparator + three[1] + platform::kListSeparator + three[2]);
    EXPECT_TRUE(desktop_.controls[ButtonCalculate].enabled) << "the Text tab's enabling stays";

    desktop_.gridRows.clear();
    desktop_.shownTab = TabIndex::Text;
    Drop(TabPanel, u"", three);
    EXPECT_EQ(desktop_.gridRows.size(), 3u);
    EXPECT_FALSE(desktop_.controls[ButtonCalculate].enabled);

    desktop_.gridRows.clear();
    Drop(FileGrid, u"", {three[2]});
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
}

TEST_F(ClipboardTest, NameBoxTakesOneFileAndTheCodeBoxShowsNothingOfADrop) {
    Start();
    const std::vector<platform::Path> files = Files(2);
    Drop(FileNameBox, u"", files);
    EXPECT_TRUE(Text(FileNameBox).empty());
    EXPECT_EQ(state_.fileToHash, files[0] + platform::kListSeparator + files[1]);
    Drop(FileNameBox, u"", {files[1]});
    EXPECT_EQ(Text(FileNameBox), files[1]);
    EXPECT_EQ(state_.fileToHash, files[1]);

    Drop(TextHashBox, u"words");
    EXPECT_TRUE(Text(TextHashBox).empty());
    EXPECT_TRUE(Text(TextInput).empty());
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(ClipboardTest, DroppedFileThatIsTooLargeOrNoTextFileChangesNothingButTheLargeOneIsNamed) {
    Start();
    Text(TextInput) = u"kept";
    const fs::path large = folder_.Write("large.txt", "");
    fs::resize_file(large, kMaxDroppedTextSize + 1);
    Drop(TextInput, u"", {test::ToUtf16(large)});
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("file-too-large", test::ToUtf16(large))});
    std::vector<std::u16string> others = {test::kEndlessDevice, folder_.PathOf("missing")};
#ifndef _WIN32
    const fs::path fifo = folder_.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    others.push_back(test::ToUtf16(fifo));
#endif
    for (const std::u16string& path : others) {
        Drop(TextInput, u"", {path});  // returns at once, says nothing
    }
    EXPECT_EQ(Text(TextInput), u"kept");
    EXPECT_EQ(desktop_.boxes.size(), 1u);
}

TEST(DroppedText, TheByteOrderMarkDecidesAndWithoutOneValidUtf8WinsOverWindows1252) {
    const std::string system = platform::kPathSeparator == u'\\' ? "windows-1252" : "posix";
    for (const std::vector<std::string>& row : ReadTable("core/dropped_text.tsv")) {
        if (row[0] == "any" ||
            (test::AnsiCodePage() == 1252 && (row[0] == "1252" || row[0] == system))) {
            EXPECT_EQ(DecodeTextFile(test::HexToBytes(row[1])), Unescape(row[2])) << row[1];
        }
    }
    test::ScratchFolder folder;
    const auto secret = folder.Write("secret.txt", "abc");
    test::DenyAllAccess(secret);
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return ReadDroppedText(test::ToUtf16(secret)).status == DroppedText::Status::Unreadable;
    }));
}

}  // namespace
}  // namespace hashwell::core
