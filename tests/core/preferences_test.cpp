// The Preferences and About windows against the fake desktop: the box groups, what Save
// stores and shows, and the About window's title, link and OK button.

#include <csignal>
#include <filesystem>

#include "core/windows/skin.h"
#include "platform/platform.h"
#include "started_program.h"
#include "support/platform_testing.h"
#include "support/vector_file.h"

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
        Queue(ControlEvent(box));
    }
    void Press(PreferencesControl button) { Queue(ControlEvent(button)); }
    std::string SettingsFile() const { return folder_.Read("Tarnvale/Hashwell/Hashwell.ini"); }
    bool Ticked(ControlRef box) { return desktop_.controls[box].checked; }
    std::vector<std::u16string> Titles() const {
        std::vector<std::u16string> titles;
        for (const MessageBoxRequest& box : desktop_.boxes) {
            titles.push_back(box.title);
        }
        return titles;
    }
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
    Press(ButtonCancel);
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
    Press(ButtonSave);
    EXPECT_TRUE(Ticked(OptionLowerCase));
    EXPECT_TRUE(Ticked(OptionUtf8));
    EXPECT_EQ(Titles(), std::vector<std::u16string>{u"Nothing to Save"});
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/first_run.ini")) << "nothing written";
}

TEST_F(PreferencesTest, SkinAloneIsStoredAndNeedsARestart) {
    Tick(OptionSkin3);
    Press(ButtonSave);
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/saved_skin3.ini"));
    EXPECT_EQ(Titles(), std::vector<std::u16string>{u"Restart required"});
    EXPECT_EQ(desktop_.boxes[0].text,
              u"Changes to window skin will take affect when application is restarted.");
    EXPECT_EQ(state_.savedSettings.Skin, 3);
    EXPECT_FALSE(desktop_.background == SkinColor(3)) << "the main window keeps its colour";
    ChooseMenu(MenuItem::MenuPreferences);
    Press(ButtonSave);
    EXPECT_EQ(Titles().back(), u"Nothing to Save");
}

TEST_F(PreferencesTest, KeepOnTopTakesEffectAtSaveWithoutAMessageAndCaseAtTheNextCalculate) {
    Tick(CheckOnTop);
    EXPECT_EQ(state_.settings.MainOnTop, 1);
    EXPECT_TRUE(desktop_.topMostWindows.empty()) << "only Save makes the window top-most";
    Tick(OptionUpperCase);
    Tick(OptionUnicode);
    Press(ButtonSave);
    EXPECT_TRUE(desktop_.topMostWindows[WindowId::MainWindow]);
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_EQ(SettingsFile(), test::ReadTestData("settings/saved_upper_unicode_on_top.ini"));

    desktop_.controls[TextInput].text = u"a";
    Click(ButtonCalculate);
    // CRC-32 of "a" in UTF-16LE (61 00), in upper case.
    EXPECT_EQ(desktop_.controls[TextHashBox].text, u"3D3F4819");
}

TEST_F(PreferencesTest, FailedSaveKeepsTheChoicesInForceAndTriesAgainNextTime) {
    Tick(OptionSkin2);
#ifndef _WIN32  // a file-size limit for one process is POSIX's
    EXPECT_TRUE(test::RunInChildProcess([&] {
        platform::PrepareProcess();
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Press(ButtonSave);
        return Titles() == std::vector<std::u16string>{u"Error"} &&
               desktop_.boxes[0].text == u"Could not save Preferences file!" &&
               state_.settings.Skin == 2 && state_.savedSettings.Skin == 1;
    }));
#endif
    // A settings folder removed meanwhile: the save fails, and Save is tried again.
    fs::remove_all(folder_.path() / "Tarnvale");
    Press(ButtonSave);
    ChooseMenu(MenuItem::MenuPreferences);
    Press(ButtonSave);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"Error", u"Error"}));
    EXPECT_EQ(desktop_.boxes[1].text, u"Could not open Preferences file!");
    EXPECT_EQ(state_.settings.Skin, 2);
    EXPECT_EQ(state_.savedSettings.Skin, 1);
}

using AboutTest = StartedProgram;

TEST_F(AboutTest, TitleGetsTheWordSizeOnceAndOkClosesOnALeftClickOnly) {
    Start();
    desktop_.controls[AboutTitle].text = u"Hashwell";  // what the window is built with
    ChooseMenu(MenuItem::MenuAbout);
    EXPECT_EQ(desktop_.controls[AboutVersion].text, u"Version: 1.1.1.0");
    EXPECT_FALSE(desktop_.controls[AboutNotice].text.empty());
    EXPECT_TRUE(desktop_.topMostWindows[WindowId::AboutWindow]);
    Queue(ControlEvent(AboutOk, EventType::RightClick));
    EXPECT_TRUE(desktop_.hiddenWindows.empty());
    Queue(ControlEvent(AboutOk));
    EXPECT_EQ(desktop_.hiddenWindows, std::vector{WindowId::AboutWindow});
    ChooseMenu(MenuItem::MenuAbout);
    EXPECT_EQ(desktop_.controls[AboutTitle].text, u"Hashwell (64-Bit)");
    EXPECT_EQ(desktop_.builtWindows, std::vector{WindowId::AboutWindow});
    EXPECT_EQ(desktop_.centredWindows, (std::vector<std::pair<WindowId, WindowId>>{
                                           {WindowId::AboutWindow, WindowId::MainWindow}}));
}

TEST_F(AboutTest, LinkOpensTheAddressTakenTrimmedAtTheFirstClick) {
    Start();
    ChooseMenu(MenuItem::MenuAbout);
    desktop_.controls[AboutLink].text = u"  https://tarnvale.example \t";
    Queue(ControlEvent(AboutLink));
    desktop_.controls[AboutLink].text = u"https://elsewhere.example";
    desktop_.addressesOpen = false;
    Queue(ControlEvent(AboutLink));
    EXPECT_EQ(desktop_.openedAddresses, (std::vector<std::u16string>{u"https://tarnvale.example",
                                                                     u"https://tarnvale.example"}));
    const MessageBoxRequest unable{u"Error", u"Unable to load web page 'https://tarnvale.example'!",
                                   MessageIcon::Error, MessageButtons::Ok};
    EXPECT_EQ(desktop_.boxes, std::vector{unable});
    EXPECT_EQ(state_.helpTopic, u"hashguide_027.html");
}

}  // namespace
}  // namespace hashwell::core
