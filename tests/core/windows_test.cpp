// The Preferences and About windows against the fake desktop (the box groups, what Save stores
// and shows, the About window's title, link and OK button), and the help file found and opened
// at the page of the last command, and the web pages.

#include "core/help/help_viewing.h"
#include "core/help/web_pages.h"
#include "core/windows/skin.h"
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

class PreferencesTest : public StartedProgram {
protected:
    void SetUp() override {
        Start();
        ChooseMenu(MenuItem::MenuPreferences);
    }
    // A click on a box of the Preferences window: it toggles, then the event comes.
    void Tick(ControlRef box) {
        desktop_.controls[box].checked = !desktop_.controls[box].checked;
        Click(box);
    }
    std::string SettingsFile() const { return folder_.Read("Tarnvale/Hashwell/Hashwell.ini"); }
    bool Ticked(ControlRef box) { return desktop_.controls[box].checked; }
};

TEST_F(PreferencesTest, BuiltOnceWithTheBoxesOfThePreferencesInForce) {
    EXPECT_EQ(desktop_.builtWindows, std::vector{WindowId::PreferencesWindow});
    EXPECT_TRUE(Ticked(OptionLowerCase));
    EXPECT_TRUE(Ticked(OptionUtf8));
    EXPECT_TRUE(Ticked(OptionSkin1));
    EXPECT_FALSE(Ticked(CheckOnTop));
    EXPECT_EQ(state_.helpTopic, u"hashguide_015.html");

    // Cancel keeps the unsaved ticks for the next opening, centred on the main window.
    Tick(OptionUpperCase);
    Click(ButtonCancel);
    EXPECT_EQ(desktop_.hiddenWindows, std::vector{WindowId::PreferencesWindow});
    EXPECT_EQ(state_.helpTopic, u"index.html");
    ChooseMenu(MenuItem::MenuPreferences);
    EXPECT_EQ(desktop_.builtWindows.size(), 1u);
    EXPECT_EQ(desktop_.centredWindows, (std::vector<std::pair<WindowId, WindowId>>{
                                           {WindowId::PreferencesWindow, WindowId::MainWindow}}));
    EXPECT_TRUE(Ticked(OptionUpperCase));
    EXPECT_FALSE(Ticked(OptionLowerCase));
}

TEST_F(PreferencesTest, GroupsKeepOneBoxAtMostAndAnEmptyGroupSavesItsDefault) {
    Tick(OptionUpperCase);
    EXPECT_FALSE(Ticked(OptionLowerCase));
    Tick(OptionUpperCase);  // unticked: the group is empty
    EXPECT_FALSE(Ticked(OptionLowerCase));
    Tick(OptionUnicode);
    Tick(OptionUnicode);
    Click(ButtonSave);
    EXPECT_TRUE(Ticked(OptionLowerCase));
    EXPECT_TRUE(Ticked(OptionUtf8));
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("nothing-to-save")});
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/first_run.ini")) << "nothing written";
}

TEST_F(PreferencesTest, SkinAloneIsStoredAndNeedsARestartButTheReopenedWindowTakesIt) {
    EXPECT_EQ(desktop_.backgrounds[WindowId::PreferencesWindow], SkinColor(1));
    Tick(OptionSkin3);
    Click(ButtonSave);
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/saved_skin3.ini"));
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("restart")});
    EXPECT_EQ(state_.savedSettings.Skin, 3);
    EXPECT_EQ(desktop_.backgrounds[WindowId::MainWindow], SkinColor(1));
    ChooseMenu(MenuItem::MenuPreferences);
    EXPECT_EQ(desktop_.backgrounds[WindowId::PreferencesWindow], SkinColor(3));
    Click(ButtonSave);
    EXPECT_EQ(desktop_.boxes.back(), BoxOf("nothing-to-save"));
}

TEST_F(PreferencesTest, KeepOnTopTakesEffectAtSaveWithoutAMessageAndCaseAtTheNextCalculate) {
    Tick(CheckOnTop);
    EXPECT_EQ(state_.settings.MainOnTop, 1);
    EXPECT_TRUE(desktop_.topMostWindows.empty()) << "only Save makes the window top-most";
    Tick(OptionUpperCase);
    Tick(OptionUnicode);
    Click(ButtonSave);
    EXPECT_TRUE(desktop_.topMostWindows[WindowId::MainWindow]);
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/saved_upper_unicode_on_top.ini"));

    Text(TextInput) = u"a";
    Click(ButtonCalculate);
    // CRC-32 of "a" in UTF-16LE (61 00), in upper case.
    EXPECT_EQ(Text(TextHashBox), u"3D3F4819");
}

TEST_F(PreferencesTest, FailedSaveKeepsTheChoicesInForceAndTriesAgainNextTime) {
    Tick(OptionSkin2);
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

TEST_F(AboutTest, TitleGetsTheWordSizeOnceAndOkClosesOnALeftClickOnly) {
    Start();
    Text(AboutTitle) = u"Hashwell";  // what the window is built with
    ChooseMenu(MenuItem::MenuAbout);
    EXPECT_EQ(Text(AboutVersion), u"Version: 1.1.1.0");
    EXPECT_FALSE(Text(AboutNotice).empty());
    EXPECT_TRUE(desktop_.topMostWindows[WindowId::AboutWindow]);
    Click(AboutOk, EventType::RightClick);
    EXPECT_TRUE(desktop_.hiddenWindows.empty());
    Click(AboutOk);
    EXPECT_EQ(desktop_.hiddenWindows, std::vector{WindowId::AboutWindow});
    ChooseMenu(MenuItem::MenuAbout);
    EXPECT_EQ(Text(AboutTitle), u"Hashwell (64-Bit)");
    EXPECT_EQ(desktop_.builtWindows, std::vector{WindowId::AboutWindow});
    EXPECT_EQ(desktop_.centredWindows, (std::vector<std::pair<WindowId, WindowId>>{
                                           {WindowId::AboutWindow, WindowId::MainWindow}}));
}

TEST_F(AboutTest, LinkOpensTheAddressTakenTrimmedAtTheFirstClick) {
    Start();
    ChooseMenu(MenuItem::MenuAbout);
    Text(AboutLink) = u"  https://tarnvale.example \t";
    Click(AboutLink);
    Text(AboutLink) = u"https://elsewhere.example";
    desktop_.addressesOpen = false;
    Click(AboutLink);
    EXPECT_EQ(desktop_.openedAddresses, (std::vector<std::u16string>{u"https://tarnvale.example",
                                                                     u"https://tarnvale.example"}));
    EXPECT_EQ(desktop_.boxes, std::vector{BoxOf("no-web-page", u"https://tarnvale.example")});
    EXPECT_EQ(state_.helpTopic, u"hashguide_027.html");
}

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

class HelpTest : public StartedProgram {
protected:
    // A help file of some bytes (or none) at `name` in the scratch folder.
    platform::Path Put(const std::string& name, std::string_view bytes = "ITSF") {
        fs::create_directories((folder_.path() / name).parent_path());
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

TEST_F(HelpTest, F1OpensThePageOfTheLastCommandInEveryWindowAndEveryProblemIsSaid) {
    const platform::Path file = Put("Hashwell.chm");  // in the current folder
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
