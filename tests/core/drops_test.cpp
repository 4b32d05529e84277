// Dropping text and files onto the panel and its boxes, and reading a dropped file as text.

#include <filesystem>

#include "core/clipboard/dropped_text.h"
#include "core/clipboard/drops.h"
#include "started_program.h"
#include "support/platform_testing.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
namespace fs = std::filesystem;

class DropTest : public StartedProgram {
protected:
    void Drop(ControlRef controlId, std::u16string text) {
        Event event{EventKind::Drop, controlId.Id(), WindowId::MainWindow};
        event.droppedText = std::move(text);
        Queue(event);
    }
    void Drop(ControlRef controlId, std::vector<platform::Path> paths) {
        Event event{EventKind::Drop, controlId.Id(), WindowId::MainWindow};
        event.droppedPaths = std::move(paths);
        Queue(event);
    }
    std::vector<platform::Path> Files(int count) {
        std::vector<platform::Path> paths;
        for (int i = 0; i < count; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            paths.push_back(test::ToUtf16(folder_.Write(name, "file " + std::to_string(i))));
        }
        return paths;
    }
};

TEST(ChooseDropTab, TextGoesToTheTextTabSeveralFilesToTheListAndOneFileStays) {
    using enum DropPayload;
    EXPECT_EQ(ChooseDropTab(0, Text), 0);
    EXPECT_EQ(ChooseDropTab(1, Text), 0);
    EXPECT_EQ(ChooseDropTab(2, Text), 0);
    EXPECT_EQ(ChooseDropTab(-1, Text), 0);
    EXPECT_EQ(ChooseDropTab(0, OneFile), 0);
    EXPECT_EQ(ChooseDropTab(1, OneFile), 1);
    EXPECT_EQ(ChooseDropTab(2, OneFile), 2);
    EXPECT_EQ(ChooseDropTab(-1, OneFile), 1);
    for (const int shown : {0, 1, 2, -1}) {
        EXPECT_EQ(ChooseDropTab(shown, SeveralFiles), 2);
    }
}

TEST_F(DropTest, TextOntoThePanelOfAnotherTabGoesThroughTheClipboardIntoTheTextBox) {
    Start();
    desktop_.shownTab = TabIndex::File;
    Drop(TabPanel, u"dropped words");
    EXPECT_EQ(desktop_.shownTab, TabIndex::Text);
    EXPECT_EQ(desktop_.clipboard, u"dropped words");
    EXPECT_EQ(desktop_.controls[TextInput].text, u"dropped words");
    EXPECT_TRUE(desktop_.controls[ButtonCalculate].enabled);

    // On the Text tab it stays there, and a box with text asks first.
    desktop_.clipboard.clear();
    desktop_.answers = {MessageAnswer::No};
    Drop(TabPanel, u"other");
    EXPECT_EQ(desktop_.controls[TextInput].text, u"dropped words");
    EXPECT_TRUE(desktop_.clipboard.empty());
    EXPECT_EQ(desktop_.boxes.back(),
              (MessageBoxRequest{u"Overwrite",
                                 u"Do you want to drop the new text and overwrite this box?",
                                 MessageIcon::Warning, MessageButtons::YesNo}));
    desktop_.answers = {MessageAnswer::Yes};
    Drop(TextInput, u"other");
    EXPECT_EQ(desktop_.controls[TextInput].text, u"other");
}

TEST_F(DropTest, OneFileOntoThePanelFollowsTheShownTab) {
    Start();
    const std::vector<platform::Path> one = Files(1);
    desktop_.shownTab = TabIndex::Text;
    Drop(TabPanel, one);  // the file's text into the text box
    EXPECT_EQ(desktop_.controls[TextInput].text, u"file 0");

    desktop_.shownTab = -1;  // no tab shown: the File tab
    Drop(TabPanel, one);
    EXPECT_EQ(desktop_.shownTab, TabIndex::File);
    EXPECT_EQ(desktop_.controls[FileNameBox].text, one[0]);  // the bare path
    EXPECT_EQ(state_.fileToHash, one[0]);
    Click(ButtonCalculate);
    EXPECT_EQ(desktop_.controls[FileHashBox].text.size(), 8u);

    desktop_.shownTab = TabIndex::ListOfFiles;
    Drop(TabPanel, one);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled);
}

TEST_F(DropTest, SeveralFilesAreHashedIntoTheListWhereverTheyAreDropped) {
    Start();
    const std::vector<platform::Path> three = Files(3);
    const std::u16string joined =
        three[0] + platform::kListSeparator + three[1] + platform::kListSeparator + three[2];
    Drop(TextInput, three);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridRows.size(), 3u);
    EXPECT_EQ(state_.fileToHash, joined);
    EXPECT_EQ(state_.droppedCount, 3);
    EXPECT_EQ(state_.droppedFiles, three[0] + u"\n" + three[1] + u"\n" + three[2]);
    EXPECT_TRUE(desktop_.controls[ButtonCalculate].enabled) << "the Text tab's enabling stays";

    desktop_.gridRows.clear();
    desktop_.shownTab = TabIndex::Text;
    Drop(TabPanel, three);
    EXPECT_EQ(desktop_.gridRows.size(), 3u);
    EXPECT_FALSE(desktop_.controls[ButtonCalculate].enabled);

    desktop_.gridRows.clear();
    Drop(FileGrid, std::vector{three[2]});
    EXPECT_EQ(desktop_.gridRows.size(), 1u);
}

TEST_F(DropTest, NameBoxTakesOneFileAndTheCodeBoxShowsNothingOfADrop) {
    Start();
    const std::vector<platform::Path> files = Files(2);
    Drop(FileNameBox, files);
    EXPECT_TRUE(desktop_.controls[FileNameBox].text.empty());
    EXPECT_EQ(state_.fileToHash, files[0] + platform::kListSeparator + files[1]);
    Drop(FileNameBox, std::vector{files[1]});
    EXPECT_EQ(desktop_.controls[FileNameBox].text, files[1]);
    EXPECT_EQ(state_.fileToHash, files[1]);

    Drop(TextHashBox, u"words");
    EXPECT_TRUE(desktop_.controls[TextHashBox].text.empty());
    EXPECT_TRUE(desktop_.controls[TextInput].text.empty());
    EXPECT_EQ(state_.dropType, DropType::Text);
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(DropTest, DroppedFileThatIsTooLargeOrNoTextFileChangesNothingButTheLargeOneIsNamed) {
    Start();
    desktop_.controls[TextInput].text = u"kept";
    const fs::path large = folder_.Write("large.txt", "");
    fs::resize_file(large, kMaxDroppedTextSize + 1);
    Drop(TextInput, std::vector{test::ToUtf16(large)});
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0], (MessageBoxRequest{u"File Too Large",
                                                    u"File '" + test::ToUtf16(large) +
                                                        u"' is too large to show as text!",
                                                    MessageIcon::Error, MessageButtons::Ok}));
    std::vector<std::u16string> others = {test::kEndlessDevice, folder_.PathOf("missing"),
                                          test::ToUtf16(folder_.path())};
#ifndef _WIN32
    const fs::path fifo = folder_.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    others.push_back(test::ToUtf16(fifo));
#endif
    for (const std::u16string& path : others) {
        Drop(TextInput, std::vector{path});  // returns at once, says nothing
    }
    EXPECT_EQ(desktop_.controls[TextInput].text, u"kept");
    EXPECT_EQ(desktop_.boxes.size(), 1u);
}

TEST(ReadDroppedText, TheByteOrderMarkDecidesAndWithoutOneValidUtf8WinsOverWindows1252) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {std::string("\xFF\xFE"
                     "A\0\xE9\0",
                     6),
         u"A\u00E9"},
        {std::string("\xFF\xFE\0\0", 4), std::u16string(1, u'\0')},  // FF FE first
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9",
         u"caf\u00E9"},
        {std::string("\xFE\xFF\0A\x20\xAC", 6), u"A\u20AC"},
        {std::string("\0\0\xFE\xFF\0\x01\xF6\0", 8), u"\U0001F600"},
        {"caf\xE9 \x80", u"caf\u00E9 \u20AC"},
    // Windows reads text without a mark in its ANSI code page, whatever it holds.
#ifdef _WIN32
        {"caf\xC3\xA9", u"caf\u00C3\u00A9"},
#else
        {"caf\xC3\xA9", u"caf\u00E9"},
#endif
        {"", u""},
    };
    test::ScratchFolder folder;
    for (const auto& c : cases) {
        if (test::AnsiCodePage() != 1252 && !c.bytes.empty() && c.bytes[0] == 'c') {
            continue;  // the expected text is code page 1252's
        }
        const DroppedText read = ReadDroppedText(test::ToUtf16(folder.Write("t.txt", c.bytes)));
        EXPECT_EQ(read.status, DroppedText::Status::Read);
        EXPECT_EQ(read.text, c.text);
    }
    const auto secret = folder.Write("secret.txt", "abc");
    test::DenyAllAccess(secret);
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return ReadDroppedText(test::ToUtf16(secret)).status == DroppedText::Status::Unreadable;
    }));
}

}  // namespace
}  // namespace hashwell::core
