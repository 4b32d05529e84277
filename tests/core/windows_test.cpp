// The Preferences window's failed save, the About window's update page, the help file found and
// opened at the page of the last command (the windows' other commands are scenarios in
// tests/data/core/scenarios.tsv).

#include "core/help/help_viewing.h"
#include "core/help/web_pages.h"
#include "platform/platform.h"
#include "started_program.h"
#include "support/platform_testing.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
namespace fs = std::filesystem;

using PreferencesTest = StartedProgram;

TEST_F(PreferencesTest, FailedSaveKeepsTheChoicesInForceAndTriesAgainNextTime) {
    Start();
    ChooseMenu(MenuItem::MenuPreferences);
    desktop_.controls[OptionSkin2].checked = true;
    Click(OptionSkin2);
#ifndef _WIN32  // a file-size limit for one process is POSIX's
    EXPECT_TRUE(test::RunInChildProcess([&] {
        platform::PrepareProcess();
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Click(ButtonSave);
        return desktop_.boxes == std::vector{BoxOf("not-saved")} && state_.settings.Skin == 2 &&
               state_.savedSettings.Skin == 1;
    }));
#endif
    // A settings folder removed meanwhile: the save fails, and Save is tried again.
    fs::remove_all(folder_.path() / "Tarnvale");
    Click(ButtonSave);
    ChooseMenu(MenuItem::MenuPreferences);
    Click(ButtonSave);
    EXPECT_EQ(desktop_.boxes, (std::vector{BoxOf("not-opened"), BoxOf("not-opened")}));
    EXPECT_EQ(state_.settings.Skin, 2);
    EXPECT_EQ(state_.savedSettings.Skin, 1);
}

using AboutTest = StartedProgram;

TEST_F(AboutTest, UpdatePageCarriesTheVersionAndWordSizeAndItsErrorOnlyTheVersion) {
    Start();
    desktop_.addressesOpen = false;
    ChooseMenu(MenuItem::MenuUpdates);
    EXPECT_EQ(desktop_.openedAddresses,
              std::vector{std::u16string(MakerWebSite()) +
                          u"/update/checkprod.php?prodver=21110&prodwidth=64"});
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_TRUE(desktop_.boxes[0].text.ends_with(u"?prodver=21110'!"));
    EXPECT_EQ(state_.helpTopic, u"hashguide_020.html");
}

TEST(HelpFile,
     FoundInTheCurrentFolderItsHelpFolderFirstThenBesideTheProgramButNeverEmptyOrAFolder) {
    const std::string system = platform::kPathSeparator == u'\\' ? "windows" : "posix";
    for (const std::vector<std::string>& row : ReadTable("core/help_search.tsv")) {
        if (row[0] != "any" && row[0] != system) {
            continue;
        }
        test::ScratchFolder folder;
        std::istringstream files(row[3]);
        for (std::string file; files >> file;) {
            fs::create_directories(folder.Child(file).parent_path());  // all of a name ending in /
            if (!file.ends_with('/')) {
                folder.Write(file.ends_with('*') ? file.substr(0, file.size() - 1) : file,
                             file.ends_with('*') ? "" : "ITSF");
            }
        }
        fs::create_directories(folder.Child(row[1]).parent_path());
        const std::optional<platform::Path> found =
            FindHelpFile(folder.PathOf(row[2]), folder.PathOf(row[1]));
        EXPECT_EQ(found.value_or(u"-"), row[4] == "-" ? u"-" : folder.PathOf(row[4])) << row[3];
    }
}

using HelpTest = StartedProgram;

TEST_F(HelpTest, F1OpensThePageOfTheLastCommandInEveryWindowAndEveryProblemIsSaid) {
    const platform::Path file = test::ToUtf16(folder_.Write("Hashwell.chm", "ITSF"));
    const fs::path wasCurrent = fs::current_path();
    fs::current_path(folder_.path());
    Start();
    const auto f1 = [this](WindowId windowId) {
        ChooseMenu(MenuItem::ShortcutHelp, windowId);
        return desktop_.shownHelp.empty() ? u"" : desktop_.shownHelp.back().second;
    };
    EXPECT_EQ(f1(WindowId::MainWindow), u"index.html");
    EXPECT_EQ(desktop_.shownHelp.back().first, file);
    Click(ButtonCalculate);
    EXPECT_EQ(f1(WindowId::MainWindow), u"hashguide_024.html");
    ChooseMenu(MenuItem::MenuPreferences);
    EXPECT_EQ(f1(WindowId::PreferencesWindow), u"hashguide_015.html");
    ChooseMenu(MenuItem::MenuAbout);
    EXPECT_EQ(f1(WindowId::AboutWindow), u"hashguide_027.html");
    Click(ButtonHelp);
    EXPECT_EQ(desktop_.shownHelp.back().second, u"index.html");
    EXPECT_TRUE(desktop_.boxes.empty());

    const std::size_t shown = desktop_.shownHelp.size();
    desktop_.helpOutcome = HelpOutcome::Damaged;
    ChooseMenu(MenuItem::MenuContents);
    desktop_.helpOutcome = HelpOutcome::Unreadable;
    ChooseMenu(MenuItem::MenuContents);
    fs::remove(folder_.path() / "Hashwell.chm");
    ChooseMenu(MenuItem::MenuContents);
    state_.helpTopic.clear();
    ChooseMenu(MenuItem::ShortcutHelp);
    fs::current_path(wasCurrent);
    EXPECT_EQ(desktop_.boxes,
              (std::vector{BoxOf("help-damaged", file), BoxOf("help-unreadable", file),
                           BoxOf("help-missing"), BoxOf("help-no-topic")}));
    EXPECT_EQ(desktop_.shownHelp.size(), shown + 2);
}

}  // namespace
}  // namespace hashwell::core
