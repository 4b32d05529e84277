// The commands of the main window against the fake desktop: help pages, the enabling that
// follows the tab, the method and size choices, and Calculate on the Text and File tabs.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/unicode.h"
#include "started_program.h"
#include "support/oracle.h"
#include "support/variants.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
namespace fs = std::filesystem;
using namespace std::string_view_literals;

std::string CodeOf(std::string_view variantName, std::string_view bytes) {
    for (const test::Variant& variant : test::kAllVariants) {
        if (variant.tag == variantName) {
            return test::OracleDigest(
                variant, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        }
    }
    ADD_FAILURE() << "no variant " << variantName;
    return {};
}

std::string Shown(test::FakeDesktop& desktop, ControlRef boxId) {
    return platform::Utf16ToUtf8(desktop.ControlText(boxId));
}

using CommandTest = StartedProgram;

TEST_F(CommandTest, CommandsSetTheirHelpPageAndCopyHashTheNameBoxAndDropsLeaveIt) {
    Start();
    // A few pages written out from the description, in this order, each window's own.
    const std::pair<Event, const char*> steps[] = {
        {MenuEvent(MenuItem::MenuExit), "hashguide_014.html"},
        {ControlEvent(ButtonCopyHash), "hashguide_014.html"},
        {ControlEvent(CheckBits384), "hashguide_005.html"},
        {ControlEvent(FileNameBox), "hashguide_005.html"},
        {ControlEvent(PreferencesControl::OptionUnicode), "hashguide_015.html"},
        {ControlEvent(PreferencesControl::CheckOnTop), "hashguide_015.html"},
        {ControlEvent(AboutControl::AboutOk, EventType::RightClick), "hashguide_027.html"},
        {Event{EventKind::Drop, ControlRef(FileGrid).Id(), WindowId::MainWindow},
         "hashguide_027.html"},
        {MenuEvent(MenuItem::ItemCopyCodes), "hashguide_027.html"},
        {ControlEvent(ButtonHelp, EventType::RightClick), "index.html"},
        {ControlEvent(FileGrid), "hashguide_018.html"},
    };
    for (const auto& [event, page] : steps) {
        HandleEvent(desktop_, state_, event);
        EXPECT_EQ(platform::Utf16ToUtf8(state_.helpTopic), page) << "event " << event.objectId;
    }
}

TEST_F(CommandTest, ListTabAllowsOnlyExportAndTheOtherTabsOnlyCalculating) {
    Start();
    Click(OptionSha3);
    desktop_.shownTab = TabIndex::ListOfFiles;
    Click(TabPanel);
    EXPECT_EQ(state_.currentTab, TabIndex::ListOfFiles);
    for (const ControlRef disabled : {ButtonCalculate, OptionCrc32, OptionSha3, CheckBits256}) {
        EXPECT_FALSE(desktop_.controls[disabled].enabled) << disabled.Id();
    }
    EXPECT_TRUE(desktop_.controls[ButtonExportList].enabled);
    EXPECT_FALSE(desktop_.menuEnabled[MenuItem::MenuCopyHash]);  // the grid is empty
    EXPECT_FALSE(desktop_.controls[ButtonCopyHash].enabled);
    EXPECT_TRUE(desktop_.menuEnabled[MenuItem::MenuExportCsv]);
    EXPECT_TRUE(desktop_.menuEnabled[MenuItem::MenuExportTsv]);

    desktop_.controls[TextHashBox].text = u"1234abcd";
    desktop_.shownTab = TabIndex::Text;
    Click(TabPanel);
    for (const ControlRef enabled : {ButtonCalculate, OptionCrc32, CheckBits512, ButtonCopyHash}) {
        EXPECT_TRUE(desktop_.controls[enabled].enabled) << enabled.Id();
    }
    EXPECT_FALSE(desktop_.controls[ButtonExportList].enabled);
    EXPECT_FALSE(desktop_.menuEnabled[MenuItem::MenuExportCsv]);

    // Without SHA2 or SHA3 the sizes stay disabled on every tab.
    Click(OptionMd5);
    Click(TabPanel);
    EXPECT_FALSE(desktop_.controls[CheckBits512].enabled);
}

TEST_F(CommandTest, Sha2WithoutAnySizeTicksTheDefaultAndComputesSha256) {
    Start();
    desktop_.controls[TextInput].text = u"abc";
    Click(OptionSha2);
    Click(CheckBits256);  // unticks the only ticked box
    ASSERT_EQ(state_.bitSize, 0);
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, TextHashBox), CodeOf("SHA256", "abc"));
    EXPECT_TRUE(desktop_.controls[CheckBits256].checked);
}

TEST_F(CommandTest, ChoosingAMethodWithoutSizesForgetsTheSizeChosenBefore) {
    Start();
    desktop_.controls[TextInput].text = u"abc";
    Click(OptionSha3);
    Click(CheckBits512);
    EXPECT_EQ(state_.bitSize, 512);
    EXPECT_FALSE(desktop_.controls[CheckBits256].checked);
    Click(OptionCrc32);
    EXPECT_FALSE(desktop_.controls[CheckBits512].enabled);
    EXPECT_TRUE(desktop_.controls[CheckBits512].checked);  // greyed, but still ticked
    Click(OptionSha3);
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, TextHashBox), CodeOf("SHA3-256", "abc"));
    for (const ControlRef box : {CheckBits224, CheckBits256, CheckBits384, CheckBits512}) {
        EXPECT_EQ(desktop_.controls[box].checked, box == CheckBits256) << box.Id();
    }
}

TEST_F(CommandTest, OnlyCalculateComputesAndItKeepsTheFocusWhereItWas) {
    Start();
    desktop_.controls[TextInput].text = u"  ";  // spaces are hashed like any text
    desktop_.focused = TextInput;
    Click(ButtonCalculate);
    const std::string code = CodeOf("CRC32", "  ");
    EXPECT_EQ(Shown(desktop_, TextHashBox), code);
    EXPECT_EQ(desktop_.focused, TextInput);

    desktop_.controls[TextInput].text = u"changed";
    Click(TextInput);
    Click(OptionMd5);
    EXPECT_EQ(Shown(desktop_, TextHashBox), code);

    desktop_.controls[TextInput].text.clear();
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, TextHashBox), code);
}

TEST_F(CommandTest, TypicalRequestShowsSha512InUpperCase) {
    Start();
    state_.settings.Case = u"UPPER";
    desktop_.controls[TextInput].text = u"Hashwell";
    Click(OptionSha2);
    Click(CheckBits512);
    Click(ButtonCalculate);
    std::string expected = CodeOf("SHA512", "Hashwell");
    for (char& digit : expected) {
        digit = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    }
    EXPECT_EQ(expected.size(), 128u);
    EXPECT_EQ(Shown(desktop_, TextHashBox), expected);
    EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled) << "a code to copy";
    EXPECT_EQ(state_.textHash.size(), 128u);
}

TEST_F(CommandTest, FileTabHashesTheOpenedFileOrForAListTheNameBoxPath) {
    Start();
    const auto opened = test::ToUtf16(folder_.Write("opened.bin", "opened"));
    const auto named = test::ToUtf16(folder_.Write("named.bin", "named"));
    desktop_.dialogAnswers.push_back({opened});
    ChooseMenu(MenuItem::MenuOpen);
    EXPECT_EQ(desktop_.shownTab, TabIndex::File);
    EXPECT_EQ(desktop_.ControlText(FileNameBox), u"Filename: " + opened);
    EXPECT_TRUE(desktop_.ControlText(FileHashBox).empty());  // nothing until Calculate
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, FileHashBox), CodeOf("CRC32", "opened"));

    state_.fileToHash = opened + platform::kListSeparator + named;
    desktop_.controls[FileNameBox].text = u"Filename: " + named;
    Click(OptionSha1);
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, FileHashBox), CodeOf("SHA1", "named"));
    EXPECT_EQ(state_.fileToHash, named);

    // A file that is gone takes the code shown with it, and the user learns why.
    state_.fileToHash = folder_.PathOf("gone.bin");
    Click(ButtonCalculate);
    EXPECT_TRUE(desktop_.ControlText(FileHashBox).empty());
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].title, u"Error");
    EXPECT_EQ(desktop_.boxes[0].icon, MessageIcon::Error);
    const std::u16string said = u"File '" + folder_.PathOf("gone.bin") + u"' could not be read: ";
    EXPECT_TRUE(desktop_.boxes[0].text.starts_with(said));
    EXPECT_GT(desktop_.boxes[0].text.size(), said.size());  // and the system's reason
}

TEST_F(CommandTest, StoredTextFormatDecidesTheBytesOfTheTypedText) {
    // "é€" is E9 80 in Windows-1252, C3 A9 E2 82 AC in UTF-8 and E9 00 AC 20 in UTF-16LE.
    const std::pair<std::int64_t, std::string_view> formats[] = {
        {24, "\xE9\x80"sv},
        {2, "\xC3\xA9\xE2\x82\xAC"sv},
        {25, "\xE9\x00\xAC\x20"sv},
        {7, "\xE9\x00\xAC\x20"sv}};  // any other code is taken as UTF-16
    for (const auto& [format, bytes] : formats) {
        fs::create_directories(folder_.path() / "Tarnvale/Hashwell");
        folder_.Write("Tarnvale/Hashwell/Hashwell.ini",
                      "[Data Format]\r\nFormat = " + std::to_string(format) + "\r\n");
        desktop_ = {};
        state_ = {};
        Start();
        desktop_.controls[TextInput].text = u"\u00E9\u20AC";
        Click(OptionMd5);
        Click(ButtonCalculate);
        EXPECT_EQ(Shown(desktop_, TextHashBox), CodeOf("MD5", bytes)) << "format " << format;
    }
}

TEST_F(CommandTest, FileTabWithoutAChosenSizeOrAnyNameBehavesAsOnTheTextTab) {
    Start();
    const auto file = test::ToUtf16(folder_.Write("f.bin", "file"));
    desktop_.shownTab = TabIndex::File;
    state_.fileToHash = file;
    Click(ButtonCalculate);  // an empty name box computes nothing, even with a file to hash
    EXPECT_TRUE(desktop_.ControlText(FileHashBox).empty());

    desktop_.dialogAnswers.push_back({file});
    Click(ButtonOpen);
    for (const auto& [option, variant] :
         {std::pair{OptionSha2, "SHA256"}, {OptionSha3, "SHA3-256"}}) {
        Click(option);
        if (desktop_.controls[CheckBits256].checked) {
            Click(CheckBits256);  // no size ticked
        }
        ASSERT_EQ(state_.bitSize, 0);
        Click(ButtonCalculate);
        EXPECT_EQ(Shown(desktop_, FileHashBox), CodeOf(variant, "file")) << variant;
        EXPECT_TRUE(desktop_.controls[CheckBits256].checked);
    }
}

#ifndef _WIN32  // a name of any bytes is POSIX's; Windows names are UTF-16
TEST_F(CommandTest, FileWhoseNameIsNotUtf8IsShownReadablyAndHashedByItsRealName) {
    Start();
    const auto path = platform::DecodeNativeBytes(folder_.Write("bad\xFFname", "bytes").string());
    desktop_.dialogAnswers.push_back({path});
    Click(ButtonOpen);
    EXPECT_EQ(desktop_.ControlText(FileNameBox),
              u"Filename: " + test::ToUtf16(folder_.path()) + u"/bad\uFFFDname");
    // After a list, Calculate takes the path behind the name box's readable text.
    state_.fileToHash = path + platform::kListSeparator + path;
    Click(ButtonCalculate);
    EXPECT_EQ(Shown(desktop_, FileHashBox), CodeOf("CRC32", "bytes"));
    EXPECT_EQ(state_.fileToHash, path);
}
#endif

TEST_F(CommandTest, ExportButtonShowsItsMenuAndEveryExportOfAnEmptyGridSaysNoData) {
    Start();
    Click(ButtonExportList);
    EXPECT_EQ(desktop_.popupMenus, std::vector{PopupMenu::PopupExport});
    const MessageBoxRequest noData{u"No Data", u"There is nothing to export!", MessageIcon::Error,
                                   MessageButtons::Ok};
    for (const MenuItem item : {MenuItem::MenuExportCsv, MenuItem::MenuExportTsv,
                                MenuItem::ItemExportCsv, MenuItem::ItemExportTsv}) {
        desktop_.boxes.clear();
        ChooseMenu(item);
        EXPECT_EQ(desktop_.boxes, std::vector{noData}) << static_cast<int>(item);
    }
    EXPECT_TRUE(desktop_.saveDialogs.empty());

    // With rows, the choice asks for a file name of its kind.
    desktop_.gridRows = {{u"/f"}};
    ChooseMenu(MenuItem::ItemExportTsv);
    ASSERT_EQ(desktop_.saveDialogs.size(), 1u);
    EXPECT_EQ(desktop_.saveDialogs[0].defaultName, u"MyFile.txt");
}

TEST_F(CommandTest, MouseMovementsStandForTheLastEventTakenEvenOneThrownAway) {
    Start();
    Click(OptionMd5);
    EXPECT_EQ(state_.events.lastObjectId, ControlRef(OptionMd5).Id());
    desktop_.queue = {MenuEvent(MenuItem::ItemCopyText),
                      {EventKind::MouseMove, 0, WindowId::MainWindow}};
    DrainEvents(desktop_, state_.events);
    EXPECT_TRUE(desktop_.queue.empty());
    EXPECT_EQ(state_.events.lastObjectId, static_cast<int>(MenuItem::ItemCopyText));
    EXPECT_EQ(state_.events.mouseMoveCount, 0);  // drained movements are not counted
    Queue({EventKind::MouseMove, 0, WindowId::MainWindow});
    Queue({EventKind::MouseMove, 0, WindowId::MainWindow});
    EXPECT_EQ(state_.events.mouseMoveCount, 2);
    EXPECT_EQ(state_.events.lastObjectId, static_cast<int>(MenuItem::ItemCopyText));
    Click(TabPanel);
    EXPECT_EQ(state_.events.mouseMoveCount, 0);
    EXPECT_EQ(state_.events.lastObjectId, ControlRef(TabPanel).Id());
}

TEST_F(CommandTest, ClosingTheMainWindowOrExitEndsTheLoopAtOnce) {
    Start();
    desktop_.queue = {{EventKind::CloseWindow, 0, WindowId::MainWindow, EventType::LeftClick},
                      ControlEvent(OptionMd5, EventType::LeftClick)};
    RunEventLoop(desktop_, state_);
    EXPECT_TRUE(state_.quitRequested);
    EXPECT_EQ(desktop_.queue.size(), 1u);  // not handled any more
    EXPECT_EQ(state_.method, digest::HashMethod::Crc32);
}

}  // namespace
}  // namespace hashwell::core
