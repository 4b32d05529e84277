// Start-up up to the main window, and the skin it gets, against the fake desktop.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/program_options.h"
#include "core/list/file_list_run.h"
#include "core/windows/skin.h"
#include "platform/unicode.h"
#include "started_program.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
using StartUpTest = StartedProgram;

TEST_F(StartUpTest, LoadsTheSettingsBesideTheProgramAndGivesTheControlsTheirFirstStates) {
    desktop_.clientSize = {598, 479};
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(state_.location.SettingsFilePath, folder_.PathOf("Tarnvale/Hashwell/Hashwell.ini"));
    EXPECT_EQ(state_.settings, (settings::AppSettings{u"lower", 2, 1, 0}));
    EXPECT_EQ(state_.savedSettings, state_.settings);
    EXPECT_EQ(state_.startWidth, 598);
    EXPECT_TRUE(desktop_.controls[MainControl::OptionCrc32].checked);
    EXPECT_TRUE(desktop_.controls[MainControl::CheckBits256].checked);
    EXPECT_FALSE(desktop_.controls[MainControl::CheckBits256].enabled);
    EXPECT_FALSE(desktop_.controls[MainControl::ProgressBar].visible);
    EXPECT_EQ(desktop_.background, SkinColor(1));
    const MessageBoxRequest notice{
        u"Notice",
        u"Please remember that the CRC32 hash used in this application is actually CRC-32b. "
        u"Also, to get an SHA-256 hash, select SHA2 and then choose 256 Bits.",
        MessageIcon::Information, MessageButtons::Ok};
    EXPECT_EQ(desktop_.boxes, std::vector{notice});
    EXPECT_EQ(desktop_.shownTab, TabIndex::Text);
    EXPECT_EQ(state_.helpTopic, u"index.html");
    EXPECT_EQ(state_.versionNumber, u"21110");
    EXPECT_EQ(state_.versionText, u"1.1.1.0");
    EXPECT_EQ(state_.platformBits, 64);
    EXPECT_TRUE(desktop_.topMostWindows.empty());
}

TEST_F(StartUpTest, SettingsProblemsAreSaidInOrderAndStartUpGoesOn) {
    std::filesystem::create_directory(folder_.path() / "Tarnvale");
    folder_.Write("Tarnvale/Hashwell", "a file where the folder belongs");
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    const auto error = [](std::u16string title, std::u16string text) {
        return MessageBoxRequest{std::move(title), std::move(text), MessageIcon::Error,
                                 MessageButtons::Ok};
    };
    EXPECT_EQ(desktop_.boxes,
              (std::vector{error(u"Path Error", u"Unable to create folder: " +
                                                    folder_.PathOf("Tarnvale/Hashwell")),
                           error(u"Error", u"Could not create Preferences file!")}));
    EXPECT_EQ(state_.settings, settings::AppSettings{});

    // A file that cannot be read: "Could not open", and the values stay empty.
    std::filesystem::remove(folder_.path() / "Tarnvale/Hashwell");
    std::filesystem::create_directories(folder_.path() / "Tarnvale/Hashwell/Hashwell.ini");
    desktop_.boxes.clear();
    state_ = {};
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(desktop_.boxes, std::vector{error(u"Error", u"Could not open Preferences file!")});
}

TEST_F(StartUpTest, FileParameterIsHashedIntoTheGridAndFurtherOnesIgnored) {
    const std::u16string path = test::ToUtf16(folder_.Write("my file.bin", "x"));
    Start({path, u"/elsewhere/second.bin"});
    EXPECT_EQ(state_.commandLineArgs[0], path);
    EXPECT_EQ(state_.fileToHash, path);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0][0], path);
    EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled);
    EXPECT_TRUE(desktop_.menuEnabled[MenuItem::MenuCopyHash]);
    // The tab's own enabling is not applied: Calculate stays as start-up left it.
    EXPECT_TRUE(desktop_.controls[ButtonCalculate].enabled);
}

TEST_F(StartUpTest, ParameterThatNamesNothingIsSaidInABox) {
    const std::u16string path = folder_.PathOf("say \"hi\".txt");
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {path}));
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    ASSERT_FALSE(desktop_.boxes.empty());  // after the first run's notice
    EXPECT_EQ(desktop_.boxes.back(),
              (MessageBoxRequest{u"Error", u"File '" + path + u"' does not exist!",
                                 MessageIcon::Error, MessageButtons::Ok}));
    EXPECT_TRUE(desktop_.gridRows.empty());
}

TEST(ProgramOptions, HelpVersionTheEndOfOptionsAndNamesThatLookLikeOptions) {
    const auto exists = [](const platform::Path& path) { return path == u"-x.iso"; };
    const auto read = [&](std::vector<std::u16string> parameters) {
        return ReadProgramOptions(parameters, exists);
    };
    using Action = ProgramOptions::Action;
    EXPECT_EQ(read({u"a", u"--help"}).action, Action::Help);
    EXPECT_EQ(read({u"--version"}).action, Action::Version);
    EXPECT_EQ(read({u"--", u"--help", u"-y"}).paths,
              (std::vector<platform::Path>{u"--help", u"-y"}));
    EXPECT_EQ(read({u"-x.iso"}).paths, std::vector<platform::Path>{u"-x.iso"});
    const ProgramOptions wrong = read({u"a", u"--verbose"});
    EXPECT_EQ(wrong.action, Action::UsageError);
    EXPECT_EQ(wrong.error, u"unrecognized option '--verbose'");
    // POSIX names may hold double quotes; on Windows they are the command line's own.
    EXPECT_EQ(read({u"say \"hi\".txt"}).paths.front(),
              platform::kParametersAreUnquoted ? u"say \"hi\".txt" : u"say hi.txt");
    test::FakeDesktop desktop;
    ShowUsageError(desktop, wrong);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].icon, MessageIcon::Error);
    EXPECT_TRUE(desktop.boxes[0].text.starts_with(wrong.error));
}

TEST_F(StartUpTest, ParameterOfOnlySpacesShowsTheListTabAndRunsNothing) {
    Start({u"   "});
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridColumns.size(), 1u);  // not even the columns change
    EXPECT_FALSE(desktop_.controls[ButtonCopyHash].enabled);
    EXPECT_FALSE(desktop_.menuEnabled[MenuItem::MenuCopyHash]);
}

TEST_F(StartUpTest, ExitEndsWithCodeZeroClosesTheWindowAndSavesNothing) {
    ASSERT_EQ(RunProgram(desktop_, Environment(), {}), 0);  // the first run writes the file
    const std::string before = folder_.Read("Tarnvale/Hashwell/Hashwell.ini");
    desktop_.closedWindows.clear();
    desktop_.queue = {ControlEvent(OptionSha3, EventType::LeftClick),
                      MenuEvent(MenuItem::MenuExit)};
    EXPECT_EQ(RunProgram(desktop_, Environment(), {}), 0);
    EXPECT_TRUE(desktop_.queue.empty());
    EXPECT_EQ(desktop_.closedWindows, std::vector{WindowId::MainWindow});
    EXPECT_EQ(folder_.Read("Tarnvale/Hashwell/Hashwell.ini"), before);
}

TEST_F(StartUpTest, KeepOnTopPreferenceKeepsTheMainWindowOnTop) {
    std::filesystem::create_directories(folder_.path() / "Tarnvale/Hashwell");
    folder_.Write("Tarnvale/Hashwell/Hashwell.ini", "[Drag and Drop]\r\nMainOnTop = Yes\r\n");
    Start();
    EXPECT_TRUE(desktop_.topMostWindows[WindowId::MainWindow]);
}

#ifndef _WIN32  // a name of any bytes is POSIX's; Windows names are UTF-16
TEST_F(StartUpTest, FileWhoseNameIsNotUtf8IsHashedAndItsRowShowsTheNameReadably) {
    const std::u16string parameter =
        platform::DecodeNativeBytes(folder_.Write("bad\xFFname", "").string());
    Start({parameter});
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0][0], test::ToUtf16(folder_.path()) + u"/bad\uFFFDname");
    EXPECT_EQ(desktop_.gridRows[0][1], u"00000000");
}
#endif

TEST_F(StartUpTest, WindowResizedAsItAppearsHasItsControlsFollow) {
    desktop_.onShowWindow = [this](WindowId windowId) {
        desktop_.clientSize = {1000, 700};  // as a window manager may maximise it
        desktop_.resizeHandler(windowId);
    };
    Start();
    EXPECT_EQ(desktop_.shownWindows, std::vector{WindowId::MainWindow});
    EXPECT_EQ(desktop_.controls[TabPanel].geometry, (Rect{10, 70, 575 + 402, 340 + 221}));
    EXPECT_EQ(state_.startWidth, 1000);
}

TEST_F(StartUpTest, FailedWindowEndsStartUp) {
    desktop_.buildSucceeds = false;
    EXPECT_FALSE(StartUp(desktop_, state_, Environment(), {}));
}

TEST(Skin, ColoursTheWindowOnlyWhenItIsInFrontAndTheSkinIsKnown) {
    EXPECT_EQ(SkinColor(1), (WindowColour{true, {}}));
    EXPECT_EQ(SkinColor(2), (WindowColour{false, {192, 192, 192}}));
    EXPECT_EQ(SkinColor(3), (WindowColour{false, {215, 215, 255}}));
    test::FakeDesktop desktop;
    for (const std::int64_t unknown : {0, 4, -1}) {
        ApplySkin(desktop, WindowId::MainWindow, unknown);
    }
    desktop.foreground = false;
    ApplySkin(desktop, WindowId::MainWindow, 2);
    EXPECT_FALSE(desktop.background.has_value());
    desktop.foreground = true;
    ApplySkin(desktop, WindowId::MainWindow, 3);
    EXPECT_EQ(desktop.background, SkinColor(3));
}

}  // namespace
}  // namespace hashwell::core
