// Start-up up to the main window, the skin it gets, the program's options, and the start that
// follows a rewrite stopped half-way, against the fake desktop.

#include <algorithm>

#include "core/app/program_options.h"
#include "core/windows/skin.h"
#include "platform/platform.h"
#include "platform/unicode.h"
#include "started_program.h"
#include "support/platform_testing.h"

namespace hashwell::core {
namespace {

using enum MainControl;
namespace fs = std::filesystem;
using StartUpTest = StartedProgram;

TEST_F(StartUpTest, LoadsTheSettingsBesideTheProgramAndGivesTheControlsTheirFirstStates) {
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(state_.location.SettingsFilePath, folder_.PathOf("Tarnvale/Hashwell/Hashwell.ini"));
    EXPECT_EQ(state_.settings, (settings::AppSettings{u"lower", 2, 1, 0}));
    EXPECT_EQ(state_.savedSettings, state_.settings);
    EXPECT_EQ(state_.startWidth, 598);
    EXPECT_TRUE(desktop_.controls[OptionCrc32].checked);
    EXPECT_TRUE(desktop_.controls[CheckBits256].checked);
    EXPECT_FALSE(desktop_.controls[CheckBits256].enabled);
    EXPECT_FALSE(desktop_.controls[ProgressBar].visible);
    EXPECT_EQ(desktop_.backgrounds[WindowId::MainWindow], SkinColor(1));
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("notice")});
    EXPECT_TRUE(desktop_.topMostWindows.empty());
}

TEST_F(StartUpTest, SettingsProblemsAreSaidInOrderAndStartUpGoesOn) {
    fs::create_directory(folder_.path() / "Tarnvale");
    folder_.Write("Tarnvale/Hashwell", "a file where the folder belongs");
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(desktop_.boxes, (std::vector{BoxOf("no-folder", folder_.PathOf("Tarnvale/Hashwell")),
                                           BoxOf("not-created")}));
    EXPECT_EQ(state_.settings, settings::AppSettings{});

    // A file that cannot be read: "Could not open", and the values stay empty.
    fs::remove(folder_.path() / "Tarnvale/Hashwell");
    fs::create_directories(folder_.path() / "Tarnvale/Hashwell/Hashwell.ini");
    desktop_.boxes.clear();
    state_ = {};
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("not-opened")});
}

TEST_F(StartUpTest, FileParameterIsHashedIntoTheGrid) {
    const std::u16string path = test::ToUtf16(folder_.Write("my file.bin", "x"));
    Start({path});
    EXPECT_EQ(state_.fileToHash, path);
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0][0], path);
    EXPECT_TRUE(desktop_.controls[ButtonCopyHash].enabled);
    EXPECT_TRUE(desktop_.menuEnabled[MenuItem::MenuCopyHash]);
    // The tab's own enabling is not applied: Calculate stays as start-up left it.
    EXPECT_TRUE(desktop_.controls[ButtonCalculate].enabled);
}

TEST_F(StartUpTest, SeveralParametersRunInOrderFoldersWalkedAndTheMissingOnesSaidOnceAtTheEnd) {
    std::filesystem::create_directories(folder_.path() / "a");
    std::filesystem::create_directories(folder_.path() / "b");
    const std::u16string first = test::ToUtf16(folder_.Write("b/2", "x"));
    const std::u16string walked = test::ToUtf16(folder_.Write("a/1", "y"));
    std::vector<std::u16string> parameters = {first, u"/gone/1", folder_.PathOf("a")};
    for (int i = 2; i <= 12; ++i) {
        parameters.push_back(u"/gone/" + test::ToUtf16(std::to_string(i)));
    }
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), parameters));
    ASSERT_EQ(desktop_.gridRows.size(), 2u);
    EXPECT_EQ(desktop_.gridRows[0][0], first);
    EXPECT_EQ(desktop_.gridRows[1][0], walked);
    EXPECT_EQ(desktop_.boxes.back(), BoxOf("missing-paths"));
}

TEST_F(StartUpTest, ParameterThatNamesNothingIsSaidInABox) {
    const std::u16string path = folder_.PathOf("say \"hi\".txt");
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {path}));
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.boxes.back(), BoxOf("no-such-file", path));
    EXPECT_TRUE(desktop_.gridRows.empty());
}

TEST_F(StartUpTest, ParameterOfOnlySpacesShowsTheListTabAndRunsNothing) {
    Start({u"   "});
    EXPECT_EQ(desktop_.shownTab, TabIndex::ListOfFiles);
    EXPECT_EQ(desktop_.gridColumns.size(), 1u);  // not even the columns change
    EXPECT_FALSE(desktop_.controls[ButtonCopyHash].enabled);
    EXPECT_FALSE(desktop_.menuEnabled[MenuItem::MenuCopyHash]);
}

#ifndef _WIN32  // a name of any bytes is POSIX's; Windows names are UTF-16
TEST_F(StartUpTest, FileWhoseNameIsNotUtf8IsHashedAndItsRowShowsTheNameReadably) {
    Start({platform::DecodeNativeBytes(folder_.Write("bad\xFFname", "").string())});
    ASSERT_EQ(desktop_.gridRows.size(), 1u);
    EXPECT_EQ(desktop_.gridRows[0][0], test::ToUtf16(folder_.path()) + u"/bad\uFFFDname");
    EXPECT_EQ(desktop_.gridRows[0][1], u"00000000");
}
#endif

TEST(ProgramOptions, HelpVersionTheEndOfOptionsAndNamesThatLookLikeOptions) {
    const auto read = [](std::vector<std::u16string> parameters) {
        return ReadProgramOptions(parameters,
                                  [](const platform::Path& path) { return path == u"-x.iso"; });
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

TEST_F(StartUpTest, ExitEndsWithCodeZeroClosesTheWindowAndSavesNothing) {
    ASSERT_EQ(RunProgram(desktop_, Environment(), {}), 0);  // the first run writes the file
    const std::string before = folder_.Read("Tarnvale/Hashwell/Hashwell.ini");
    desktop_.closedWindows.clear();
    desktop_.queue = {ControlEvent(OptionSha3), MenuEvent(MenuItem::MenuExit)};
    EXPECT_EQ(RunProgram(desktop_, Environment(), {}), 0);
    EXPECT_TRUE(desktop_.queue.empty());
    EXPECT_EQ(desktop_.closedWindows, std::vector{WindowId::MainWindow});
    EXPECT_EQ(folder_.Read("Tarnvale/Hashwell/Hashwell.ini"), before);
}

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
    EXPECT_TRUE(desktop.backgrounds.empty());
    desktop.foreground = true;
    ApplySkin(desktop, WindowId::AboutWindow, 3);
    EXPECT_EQ(desktop.backgrounds,
              (std::map<WindowId, WindowColour>{{WindowId::AboutWindow, *SkinColor(3)}}));
}

#ifndef _WIN32  // a process is stopped at a chosen byte through a file-size limit
TEST_F(StartUpTest, StartNamesEveryFileLeftHalfRewrittenWithItsCopyInOneBox) {
    test::ScratchCache cache;
    for (const std::string name : {"first.csv", "second.csv"}) {
        const fs::path file = folder_.Write(name, "old " + name);
        fs::create_hard_link(file, folder_.Child("link-" + name));  // rewritten in place
        test::RunUntilStoppedAtByte(
            100, [&] { platform::ReplaceFileContent(test::ToUtf16(file), std::string(500, 'n')); });
    }
    ASSERT_TRUE(StartUp(desktop_, state_, Environment(), {}));
    const std::vector<platform::InterruptedRewrite> left = platform::FindInterruptedRewrites();
    ASSERT_EQ(left.size(), 2u);
    const auto named = [&](const MessageBoxRequest& box) {
        return box.title == u"Interrupted Save";
    };
    ASSERT_EQ(std::count_if(desktop_.boxes.begin(), desktop_.boxes.end(), named), 1);
    const MessageBoxRequest& box =
        *std::find_if(desktop_.boxes.begin(), desktop_.boxes.end(), named);
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    for (const platform::InterruptedRewrite& rewrite : left) {
        EXPECT_NE(box.text.find(rewrite.file), std::u16string::npos);
        EXPECT_NE(box.text.find(rewrite.copy), std::u16string::npos);
    }
}
#endif

}  // namespace
}  // namespace hashwell::core
