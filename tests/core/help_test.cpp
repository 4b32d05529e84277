// Finding and opening the help file at the page of the last command, and the web pages.

#include <filesystem>

#include "core/help/help_viewing.h"
#include "core/help/web_pages.h"
#include "started_program.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;
namespace fs = std::filesystem;

class HelpTest : public StartedProgram {
protected:
    // A help file of some bytes (or none) at `name` in the scratch folder.
    platform::Path Put(const std::string& name, std::string_view bytes = "ITSF") {
        const fs::path path = folder_.path() / name;
        fs::create_directories(path.parent_path());
        return test::ToUtf16(folder_.Write(name, bytes));
    }
    platform::Path Folder(const std::string& name) const {
        fs::create_directories(folder_.path() / name);
        return test::ToUtf16(folder_.path() / name);
    }
};

TEST_F(HelpTest, CurrentFolderFirstItsHelpFolderBeforeItAndEmptyFilesOrFoldersDoNotCount) {
    const platform::Path current = Folder("current");
    const platform::Path program = Folder("app") + platform::kPathSeparator + u"hashwell";
    EXPECT_FALSE(FindHelpFile(current, program));

    const platform::Path beside = Put("current/Hashwell.chm");
    const platform::Path inHelp = Put("current/Help/Hashwell.chm");
    EXPECT_EQ(FindHelpFile(current, program), inHelp);
    Put("current/Help/Hashwell.chm", "");  // empty: absent
    EXPECT_EQ(FindHelpFile(current, program), beside);
    fs::remove(folder_.path() / "current/Hashwell.chm");
    fs::create_directory(folder_.path() / "current/Hashwell.chm");  // a folder: absent
    EXPECT_FALSE(FindHelpFile(current, program));

    // Started from another folder, that folder's copy is taken.
    const platform::Path elsewhere = Put("elsewhere/Hashwell.chm");
    EXPECT_EQ(FindHelpFile(Folder("elsewhere"), program), elsewhere);
}

#ifdef _WIN32
TEST_F(HelpTest, ProgramFolderIsNotLookedAt) {
    const platform::Path program = Folder("app") + u"\\hashwell.exe";
    Put("app/Hashwell.chm");
    Put("app/Help/Hashwell.chm");
    EXPECT_FALSE(FindHelpFile(Folder("home"), program));
}
#else
TEST_F(HelpTest, ProgramFoldersAreLookedAtOnlyWhenTheCurrentFolderHasNone) {
    const platform::Path program = Folder("usr/bin") + u"/hashwell";
    Put("usr/share/hashwell/Hashwell.chm");
    const platform::Path home = Folder("home");
    EXPECT_EQ(FindHelpFile(home, program), Folder("usr/bin") + u"/../share/hashwell/Hashwell.chm");
    const platform::Path besideProgram = Put("usr/bin/Hashwell.chm");
    EXPECT_EQ(FindHelpFile(home, program), besideProgram);
    const platform::Path inHelp = Put("usr/bin/Help/Hashwell.chm");
    EXPECT_EQ(FindHelpFile(home, program), inHelp);
    const platform::Path inHome = Put("home/Hashwell.chm");
    EXPECT_EQ(FindHelpFile(home, program), inHome);
}
#endif

TEST_F(HelpTest, F1OpensThePageOfTheLastCommandInEveryWindow) {
    const platform::Path file = Put("Hashwell.chm");  // in the current folder
    const fs::path wasCurrent = fs::current_path();
    fs::current_path(folder_.path());
    Start();
    const auto f1 = [this](WindowId windowId) {
        Queue(MenuEvent(MenuItem::ShortcutHelp, windowId));
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
    fs::current_path(wasCurrent);
}

TEST_F(HelpTest, MissingFileOrTopicIsSaid) {
    Start();
    ChooseMenu(MenuItem::MenuContents);
    state_.helpTopic.clear();
    ChooseMenu(MenuItem::ShortcutHelp);
    const auto error = [](std::u16string text) {
        return MessageBoxRequest{u"Help Error", std::move(text), MessageIcon::Error,
                                 MessageButtons::Ok};
    };
    EXPECT_EQ(desktop_.boxes, (std::vector{error(u"Unable to locate Help file!"),
                                           error(u"Cannot display help. Help topic missing!")}));
    EXPECT_TRUE(desktop_.shownHelp.empty());
}

TEST_F(HelpTest, DamagedOrUnreadableHelpFileIsSaidWithItsPath) {
    const platform::Path file = Put("Hashwell.chm");
    const fs::path wasCurrent = fs::current_path();
    fs::current_path(folder_.path());
    Start();
    desktop_.helpOutcome = HelpOutcome::Damaged;
    ChooseMenu(MenuItem::MenuContents);
    desktop_.helpOutcome = HelpOutcome::Unreadable;
    ChooseMenu(MenuItem::MenuContents);
    fs::current_path(wasCurrent);
    const auto error = [](std::u16string text) {
        return MessageBoxRequest{u"Help Error", std::move(text), MessageIcon::Error,
                                 MessageButtons::Ok};
    };
    EXPECT_EQ(desktop_.boxes, (std::vector{error(u"The help file '" + file + u"' is damaged!"),
                                           error(u"Unable to read Help file '" + file + u"'!")}));
}

TEST_F(HelpTest, UpdatePageCarriesTheVersionAndWordSizeAndItsErrorOnlyTheVersion) {
    Start();
    desktop_.addressesOpen = false;
    ChooseMenu(MenuItem::MenuUpdates);
    ASSERT_EQ(desktop_.openedAddresses.size(), 1u);
    EXPECT_EQ(desktop_.openedAddresses[0],
              std::u16string(MakerWebSite()) + u"/update/checkprod.php?prodver=21110&prodwidth=64");
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_TRUE(desktop_.boxes[0].text.ends_with(u"?prodver=21110'!"));
    EXPECT_EQ(state_.helpTopic, u"hashguide_020.html");
}

}  // namespace
}  // namespace hashwell::core
