// The commands of the main window against the fake desktop: help pages, the enabling that
// follows the tab, the method and size choices, Calculate on the Text and File tabs, the Open
// dialogs and the Open and Open List commands.

#include "core/main_window/file_opening.h"
#include "core/shared/joined_texts.h"
#include "platform/unicode.h"
#include "started_program.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using platform::kListSeparator;

using CommandTest = StartedProgram;

// The scenarios of tests/data/core/scenarios.tsv, each a test of its own name.
class MainWindowScenario : public StartedProgram,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(MainWindowScenario, ShowsWhatItsChecksExpect) {
    Play(GetParam());
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const std::vector<std::string>& row : ReadTable("core/scenarios.tsv")) {
        if (names.empty() || names.back() != row[0]) {
            names.push_back(row[0]);
        }
    }
    return names;
}
INSTANTIATE_TEST_SUITE_P(Data, MainWindowScenario, ::testing::ValuesIn(ScenarioNames()),
                         [](const auto& info) { return info.param; });

TEST_F(CommandTest, TextTabShowsTheCodeOfTheTypedTextInTheStoredFormatCaseMethodAndSize) {
    for (const std::vector<std::string>& row : ReadTable("core/typed_text_codes.tsv")) {
        SCOPED_TRACE(row[0] + " " + row[2] + " " + row[3] + " " + row[4]);
        WriteSettings("[Conversion Case]\r\nCase = " + row[1] +
                      "\r\n[Data Format]\r\nFormat = " + row[0] + "\r\n");
        desktop_ = {};
        state_ = {};
        Start();
        Text(TextInput) = Unescape(row[4]);
        Click(ControlNamed(row[2]));
        if (row[3] != "-") {
            Click(ControlNamed(row[3]));
        }
        Click(ButtonCalculate);
        EXPECT_EQ(Text(TextHashBox), Unescape(row[5]));
        EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled) << "a code to copy";
        for (const ControlRef box : {CheckBits224, CheckBits256, CheckBits384, CheckBits512}) {
            EXPECT_EQ(desktop_.controls[box].checked, box == ControlNamed(row[6])) << box.Id();
        }
    }
}

TEST_F(CommandTest, FileTabHashesTheOpenedFileKeptWhenCancelledOrForAListTheNameBoxPath) {
    Start();
    const auto opened = test::ToUtf16(folder_.Write("opened.bin", "opened"));
    const auto named = test::ToUtf16(folder_.Write("named.bin", "named"));
    desktop_.shownTab = TabIndex::File;
    state_.fileToHash = named;
    Click(ButtonCalculate);  // an empty name box computes nothing, even with a file to hash
    EXPECT_TRUE(Text(FileHashBox).empty());

    desktop_.shownTab = TabIndex::Text;
    desktop_.dialogAnswers.push_back({opened});
    ChooseMenu(MenuItem::MenuOpen);
    EXPECT_EQ(desktop_.shownTab, TabIndex::File);
    EXPECT_EQ(Text(FileNameBox), u"Filename: " + opened);
    EXPECT_TRUE(Text(FileHashBox).empty());  // nothing until Calculate
    desktop_.focused = TextInput;
    Click(ButtonOpen);  // cancelled
    EXPECT_EQ(desktop_.focused, TabPanel);
    EXPECT_EQ(Text(FileNameBox), u"Filename: " + opened);
    EXPECT_EQ(state_.fileToHash, opened);
    Click(OptionSha2);
    Click(CheckBits256);  // no size ticked: computed as 256
    Click(ButtonCalculate);
    EXPECT_EQ(Text(FileHashBox),  // SHA-256 of "opened"
              u"5023662705d96810758a40e018035f9a90b8df6e8250eb522e9ba9e188443ba7");
    EXPECT_TRUE(desktop_.controls[CheckBits256].checked);
    EXPECT_TRUE(desktop_.boxes.empty());

    state_.fileToHash = opened + kListSeparator + named;
    Text(FileNameBox) = u"Filename: " + named;
    Click(OptionSha1);
    Click(ButtonCalculate);
    EXPECT_EQ(Text(FileHashBox), u"b62714700750e0b01d1f3113ce90b218b7f0dceb");  // SHA-1 of "named"
    EXPECT_EQ(state_.fileToHash, named);

    // A file that is gone takes the code shown with it, and the user learns why.
    state_.fileToHash = folder_.PathOf("gone.bin");
    Click(ButtonCalculate);
    EXPECT_TRUE(Text(FileHashBox).empty());
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].title, u"Error");
    EXPECT_EQ(desktop_.boxes[0].icon, MessageIcon::Error);
    const std::u16string said = u"File '" + folder_.PathOf("gone.bin") + u"' could not be read: ";
    EXPECT_TRUE(desktop_.boxes[0].text.starts_with(said));
    EXPECT_GT(desktop_.boxes[0].text.size(), said.size());  // and the system's reason
}

#ifndef _WIN32  // a name of any bytes is POSIX's; Windows names are UTF-16
TEST_F(CommandTest, FileWhoseNameIsNotUtf8IsShownReadablyAndHashedByItsRealName) {
    Start();
    const auto path = platform::DecodeNativeBytes(folder_.Write("bad\xFFname", "bytes").string());
    desktop_.dialogAnswers.push_back({path});
    Click(ButtonOpen);
    EXPECT_EQ(Text(FileNameBox), u"Filename: " + test::ToUtf16(folder_.path()) + u"/bad\uFFFDname");
    // After a list, Calculate takes the path behind the name box's readable text.
    state_.fileToHash = path + kListSeparator + path;
    Click(ButtonCalculate);
    EXPECT_EQ(Text(FileHashBox), u"b19943ce");  // CRC-32 of "bytes"
    EXPECT_EQ(state_.fileToHash, path);
}
#endif

TEST_F(CommandTest, OpenListRunsTheListAtOnceAndShowsItsTabEvenWhenCancelled) {
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
}

TEST(OpenDialogs, AskWithTheirTitleAndFilterAndJoinSeveralFilesBySeparators) {
    test::FakeDesktop desktop;
    desktop.dialogAnswers = {{u"/data/a.exe"}, {u"/d/1", u"/d/2", u"/d/3"}};
    EXPECT_EQ(ChooseFile(desktop, u""), u"/data/a.exe");
    EXPECT_EQ(JoinPaths(ChooseFiles(desktop, u"")),
              u"/d/1" + std::u16string(1, kListSeparator) + u"/d/2" + kListSeparator + u"/d/3");
    EXPECT_TRUE(ChooseFiles(desktop, u"").empty());  // cancelled

    const std::vector<FileFilterEntry> filter{{u"Windows Executable File (*.exe)", u"*.exe"},
                                              {u"Dynamic Link Library (*.dll)", u"*.dll"},
                                              {u"All files (*.*)", u"*.*"}};
    // Programs outside Windows have no extension: there the dialogs open on every file.
#ifdef _WIN32
    const std::size_t preselected = 0;
#else
    const std::size_t preselected = 2;
#endif
    EXPECT_EQ(desktop.dialogs[0],
              (OpenDialogRequest{u"Open File", filter, false, u"", preselected}));
    EXPECT_EQ(desktop.dialogs[1],
              (OpenDialogRequest{u"Open File(s)", filter, true, u"", preselected}));

    // The name box loses only an exact "Filename: ".
    for (const std::u16string_view kept : {u"Filename:/a", u"filename: /a", u"/a"}) {
        EXPECT_EQ(PathInNameBox(kept), kept);
    }
    EXPECT_EQ(PathInNameBox(u"Filename: /a b"), u"/a b");
}

TEST_F(CommandTest, ExportListAsksForAFileNameOfItsKindOnlyWithRows) {
    Start();
    ChooseMenu(MenuItem::ItemExportTsv);  // an empty grid: no dialog
    desktop_.gridRows = {{u"/f"}};
    ChooseMenu(MenuItem::ItemExportTsv);
    ASSERT_EQ(desktop_.saveDialogs.size(), 1u);
    EXPECT_EQ(desktop_.saveDialogs[0].defaultName, u"MyFile.txt");
}

}  // namespace
}  // namespace hashwell::core
