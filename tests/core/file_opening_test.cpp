// The Open dialogs, what their answers become, and the Open and Open List commands.

#include "core/main_window/file_opening.h"
#include "core/shared/joined_texts.h"
#include "started_program.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
using platform::kListSeparator;

TEST(OpenDialogs, AskWithTheirTitleAndFilterAndJoinSeveralFilesBySeparators) {
    test::FakeDesktop desktop;
    desktop.dialogAnswers = {{u"/data/a.exe"}, {u"/data/a.exe"}, {u"/d/1", u"/d/2", u"/d/3"}};
    EXPECT_EQ(ChooseFile(desktop, u""), u"/data/a.exe");
    EXPECT_EQ(ChooseFiles(desktop, u""), std::vector<platform::Path>{u"/data/a.exe"});
    EXPECT_EQ(JoinPaths(ChooseFiles(desktop, u"")),
              u"/d/1" + std::u16string(1, kListSeparator) + u"/d/2" + kListSeparator + u"/d/3");
    EXPECT_TRUE(ChooseFiles(desktop, u"").empty());  // cancelled

    ASSERT_EQ(desktop.dialogs.size(), 4u);
    EXPECT_EQ(desktop.dialogs[0].title, u"Open File");
    EXPECT_FALSE(desktop.dialogs[0].multiSelect);
    EXPECT_EQ(desktop.dialogs[1].title, u"Open File(s)");
    EXPECT_TRUE(desktop.dialogs[1].multiSelect);
    const std::vector<FileFilterEntry> filter{{u"Windows Executable File (*.exe)", u"*.exe"},
                                              {u"Dynamic Link Library (*.dll)", u"*.dll"},
                                              {u"All files (*.*)", u"*.*"}};
    EXPECT_EQ(desktop.dialogs[0].filter, filter);
    EXPECT_EQ(desktop.dialogs[1].filter, filter);
    // Programs outside Windows have no extension: there the dialogs open on every file.
#ifdef _WIN32
    const std::size_t preselected = 0;
#else
    const std::size_t preselected = 2;
#endif
    EXPECT_EQ(desktop.dialogs[0].selectedFilter, preselected);
    EXPECT_EQ(desktop.dialogs[1].selectedFilter, preselected);
}

TEST(OpenDialogs, NameBoxLosesOnlyAnExactFilenamePrefix) {
    EXPECT_EQ(PathInNameBox(u"Filename: /a b"), u"/a b");
    EXPECT_EQ(PathInNameBox(u"Filename:/a"), u"Filename:/a");
    EXPECT_EQ(PathInNameBox(u"filename: /a"), u"filename: /a");
    EXPECT_EQ(PathInNameBox(u"/a"), u"/a");
}

using OpenCommandTest = StartedProgram;

TEST_F(OpenCommandTest, CancelledOpenKeepsTheNameBoxAndTheFileToHash) {
    Start();
    desktop_.dialogAnswers.push_back({u"/data/first.exe"});
    Click(ButtonOpen);
    EXPECT_EQ(state_.fileToHash, u"/data/first.exe");
    desktop_.focused = TextInput;
    Click(ButtonOpen);  // cancelled
    EXPECT_EQ(desktop_.focused, TabPanel);
    EXPECT_EQ(desktop_.ControlText(FileNameBox), u"Filename: /data/first.exe");
    EXPECT_EQ(state_.fileToHash, u"/data/first.exe");
    EXPECT_EQ(state_.currentFileName, u"");
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(OpenCommandTest, OpenListRunsTheListAtOnceAndShowsItsTabEvenWhenCancelled) {
    Start();
    Click(ButtonOpenList);  // cancelled
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_FALSE(desktop_.controls[ButtonCalculate].enabled);
    EXPECT_TRUE(desktop_.gridRows.empty());

    const auto one = test::ToUtf16(folder_.Write("one", "1"));
    const auto two = test::ToUtf16(folder_.Write("two", "2"));
    desktop_.dialogAnswers.push_back({one, two});
    ChooseMenu(MenuItem::MenuOpenList);
    ASSERT_EQ(desktop_.gridRows.size(), 2u);
    EXPECT_EQ(desktop_.gridRows[1][0], two);
    EXPECT_EQ(state_.fileToHash, one + kListSeparator + two);
    EXPECT_EQ(state_.currentFileName, state_.fileToHash);
}

}  // namespace
}  // namespace hashwell::core
