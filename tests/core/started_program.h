#pragma once

// A program started on the fake desktop with its settings in a scratch folder, and the user's
// hand: clicks, menu choices and drops are queued as the real window would raise them, then
// handled by the event loop. Also the texts and message boxes of the data files under
// tests/data/core.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/app/dispatch.h"
#include "core/app/startup.h"
#include "core/desktop/ids.h"
#include "core/windows/skin.h"
#include "core/windows/window_specs.h"
#include "platform/unicode.h"
#include "support/events.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"
#include "support/vector_file.h"

namespace hashwell::core {

using test::ControlEvent;
using test::FakeDesktop;
using test::MenuEvent;
using test::ReadTable;
using test::Unescape;

// The message box named `name` in tests/data/core/boxes.tsv, `about` in place of its {}.
inline MessageBoxRequest BoxOf(std::string_view name, const std::u16string& about = u"") {
    for (const std::vector<std::string>& row : ReadTable("core/boxes.tsv")) {
        if (row[0] == name) {
            std::u16string text = Unescape(row[4]);
            if (const std::size_t at = text.find(u"{}"); at != std::u16string::npos) {
                text.replace(at, 2, about);
            }
            const MessageIcon icon = row[1] == "Error"     ? MessageIcon::Error
                                     : row[1] == "Warning" ? MessageIcon::Warning
                                                           : MessageIcon::Information;
            return {Unescape(row[3]), text, icon,
                    row[2] == "Ok" ? MessageButtons::Ok : MessageButtons::YesNo};
        }
    }
    ADD_FAILURE() << "no box " << name;
    return {};
}

// The control of any window whose objectName is `name`.
inline ControlRef ControlNamed(std::string_view name) {
    for (const WindowId window :
         {WindowId::MainWindow, WindowId::AboutWindow, WindowId::PreferencesWindow}) {
        for (const ControlSpec& row : SpecOf(window).controls) {
            if (row.name == name) {
                return row.control;
            }
        }
    }
    ADD_FAILURE() << "no control " << name;
    return MainControl::TabPanel;
}

// The menu items the scenarios choose, by their names.
inline MenuItem MenuNamed(const std::string& name) {
    using enum MenuItem;
    static const std::map<std::string, MenuItem> kItems{
        {"MenuCopyHash", MenuCopyHash},   {"MenuPreferences", MenuPreferences},
        {"MenuExportCsv", MenuExportCsv}, {"MenuExportTsv", MenuExportTsv},
        {"ItemCopyCodes", ItemCopyCodes}, {"ItemCopyText", ItemCopyText},
        {"ItemPasteText", ItemPasteText}, {"ItemQuitTextMenu", ItemQuitTextMenu},
        {"ItemCopyCode", ItemCopyCode},   {"ItemCopyFileName", ItemCopyFileName},
        {"ItemExportCsv", ItemExportCsv}, {"MenuExit", MenuExit},
        {"ItemExportTsv", ItemExportTsv}, {"MenuAbout", MenuAbout}};
    return kItems.at(name);
}

class StartedProgram : public ::testing::Test {
protected:
    settings::SettingsEnvironment Environment() const {
        return {folder_.PathOf("hashwell"), [](std::u16string_view) { return std::nullopt; }};
    }
    void WriteSettings(std::string_view text) {
        std::filesystem::create_directories(folder_.path() / "Tarnvale/Hashwell");
        folder_.Write("Tarnvale/Hashwell/Hashwell.ini", text);
    }
    void Start(const std::vector<std::u16string>& parameters = {}) {
        ASSERT_TRUE(StartUp(desktop_, state_, Environment(), parameters));
        desktop_.boxes.clear();  // the first run's notice
    }

    // A click on a control of any window. On the main window the method options select
    // themselves alone and the bit-size boxes toggle; elsewhere the test ticks what it wants.
    void Click(ControlRef control, EventType type = EventType::LeftClick) {
        const ControlSpec& row = SpecOf(control);
        if (control.Window() == WindowId::MainWindow && row.kind == ControlKind::Option) {
            for (const ControlSpec& other : SpecOf(control.Window()).controls) {
                if (other.kind == ControlKind::Option) {
                    desktop_.controls[other.control].checked = other.control == control;
                }
            }
        } else if (control.Window() == WindowId::MainWindow && row.kind == ControlKind::CheckBox) {
            desktop_.controls[control].checked = !desktop_.controls[control].checked;
        }
        Queue(ControlEvent(control, type));
    }
    void ChooseMenu(MenuItem item, WindowId window = WindowId::MainWindow) {
        Queue(MenuEvent(item, window));
    }
    void Drop(ControlRef control, std::u16string text, std::vector<platform::Path> paths = {}) {
        Event event{EventKind::Drop, control.Id(), WindowId::MainWindow};
        event.droppedText = std::move(text);
        event.droppedPaths = std::move(paths);
        Queue(event);
    }
    void Queue(const Event& event) {
        desktop_.queue.push_back(event);
        RunEventLoop(desktop_, state_);
    }
    std::u16string& Text(ControlRef control) { return desktop_.controls[control].text; }
    // Files f0.txt, f1.txt, ... holding "file 0", "file 1", ...; their paths.
    std::vector<platform::Path> Files(int count) {
        std::vector<platform::Path> paths;
        for (int i = 0; i < count; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            paths.push_back(test::ToUtf16(folder_.Write(name, "file " + std::to_string(i))));
        }
        return paths;
    }

    // Plays the rows of `scenario` in tests/data/core/scenarios.tsv on a started program (its
    // header says what each step does): the user's actions, and checks of what is shown.
    void Play(const std::string& scenario) {
        Start();
        for (const std::vector<std::string>& row : ReadTable("core/scenarios.tsv")) {
            if (row[0] != scenario) {
                continue;
            }
            const std::string& step = row[1];
            const std::string& of = row.size() > 2 ? row[2] : "";
            const std::u16string value = row.size() > 3 ? Unescape(row[3]) : u"";
            SCOPED_TRACE(step + " " + of);
            if (step == "=box") {
                EXPECT_EQ(desktop_.boxes.back(), BoxOf(of, value));
            } else if (step[0] == '=') {
                EXPECT_EQ(platform::Utf16ToUtf8(Shown(step.substr(1), of)),
                          platform::Utf16ToUtf8(value));
            } else {
                Act(step, of, value);
            }
        }
    }
    void Act(const std::string& step, const std::string& of, const std::u16string& value) {
        if (step == "type") {
            Text(ControlNamed(of)) = value;
        } else if (step == "focus") {
            desktop_.focused = ControlNamed(of);
        } else if (step == "tab") {
            desktop_.shownTab = std::stoi(of);
        } else if (step == "clipboard") {
            desktop_.clipboard = value;
        } else if (step == "answer") {
            desktop_.answers.push_back(of == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        } else if (step == "click" || step == "right") {
            Click(ControlNamed(of), step == "click" ? EventType::LeftClick : EventType::RightClick);
        } else if (step == "menu") {
            ChooseMenu(MenuNamed(of));
        } else if (step == "choose") {  // a right click on the box, the item in the menu it opens
            desktop_.onPopupMenu = [this, item = MenuNamed(platform::Utf16ToUtf8(value))](
                                       PopupMenu) { desktop_.queue.push_back(MenuEvent(item)); };
            Click(ControlNamed(of), EventType::RightClick);
            desktop_.onPopupMenu = nullptr;
        } else if (step == "tick") {  // a box of another window: it toggles, then the event
            bool& ticked = desktop_.controls[ControlNamed(of)].checked;
            ticked = !ticked;
            Click(ControlNamed(of));
        } else if (step == "drag") {
            Click(ControlNamed(of), EventType::DragStart);
        } else if (step == "drain") {  // the item chosen, then a movement: both thrown away
            desktop_.queue = {MenuEvent(MenuNamed(of)),
                              {EventKind::MouseMove, 0, WindowId::MainWindow}};
            DrainEvents(desktop_, state_.events);
        } else if (step == "close") {  // the close box, then a click on the control
            desktop_.queue = {{EventKind::CloseWindow, 0, WindowId::MainWindow},
                              ControlEvent(ControlNamed(of))};
            RunEventLoop(desktop_, state_);
        } else if (step == "no-web") {
            desktop_.addressesOpen = false;
        } else if (step == "move") {
            Queue({EventKind::MouseMove, 0, WindowId::MainWindow});
        } else if (step == "drop") {
            Drop(ControlNamed(of), value);
        } else {
            ADD_FAILURE() << "no step " << step;
        }
    }
    // What a check step looks at.
    std::u16string Shown(const std::string& what, const std::string& of) {
        const auto flag = [](bool on) { return std::u16string(on ? u"1" : u"0"); };
        if (what == "text") {
            return Text(ControlNamed(of));
        } else if (what == "filled") {
            return flag(!Text(ControlNamed(of)).empty());
        } else if (what == "enabled" || what == "checked") {
            const FakeDesktop::Control& control = desktop_.controls[ControlNamed(of)];
            return flag(what == "enabled" ? control.enabled : control.checked);
        } else if (what == "menu-enabled") {
            return flag(desktop_.menuEnabled[MenuNamed(of)]);
        } else if (what == "clipboard") {
            return desktop_.clipboard;
        } else if (what == "help") {
            return state_.helpTopic;
        } else if (what == "settings") {  // the settings file is the one named in tests/data
            return flag(folder_.Read("Tarnvale/Hashwell/Hashwell.ini") == test::ReadTestData(of));
        }
        // Lists: windows and menus by their numbers (1 main, 2 About, 3 Preferences).
        const auto id = [](auto number) { return std::to_string(static_cast<int>(number)); };
        const auto pair = [&id](const auto& both) {
            return id(both.first) + ":" + id(both.second);
        };
        const auto utf8 = [](const std::u16string& text) { return platform::Utf16ToUtf8(text); };
        if (what == "opened" || what == "drags") {
            return Listed(what == "opened" ? desktop_.openedAddresses : desktop_.drags, utf8);
        } else if (what == "built" || what == "hidden") {
            return Listed(what == "built" ? desktop_.builtWindows : desktop_.hiddenWindows, id);
        } else if (what == "popups") {
            return Listed(desktop_.popupMenus, id);
        } else if (what == "centred") {
            return Listed(desktop_.centredWindows, pair);
        } else if (what == "on-top") {
            return Listed(desktop_.topMostWindows, pair);
        } else if (what == "background") {  // the skin whose colour the window has
            const WindowColour colour = desktop_.backgrounds[static_cast<WindowId>(std::stoi(of))];
            std::u16string skins;
            for (int skin = 1; skin <= 3; ++skin) {
                skins += colour == SkinColor(skin) ? Unescape(std::to_string(skin)) : u"";
            }
            return skins;
        }
        std::string number = what == "tab"           ? std::to_string(desktop_.shownTab)
                             : what == "current-tab" ? std::to_string(state_.currentTab)
                             : what == "boxes"       ? std::to_string(desktop_.boxes.size())
                             : what == "selected"
                                 ? std::to_string(desktop_.selected[ControlNamed(of)])
                             : what == "last"   ? std::to_string(state_.events.lastObjectId)
                             : what == "moves"  ? std::to_string(state_.events.mouseMoveCount)
                             : what == "queued" ? std::to_string(desktop_.queue.size())
                             : what == "quit"   ? std::to_string(state_.quitRequested)
                             : what == "method" ? std::to_string(static_cast<int>(state_.method))
                             : what == "drains" ? std::to_string(desktop_.drains)
                             : what == "saved-skin"  ? std::to_string(state_.savedSettings.Skin)
                             : what == "keep-on-top" ? std::to_string(state_.settings.MainOnTop)
                             : what == "focus"       ? SpecOf(*desktop_.focused).name
                                                     : "no check " + what;
        return Unescape(number);
    }

    // Each item of `list` as `shown` writes it, followed by ";".
    template <class List, class Show>
    static std::u16string Listed(const List& list, const Show& shown) {
        std::u16string text;
        for (const auto& item : list) {
            text += Unescape(shown(item)) + u";";
        }
        return text;
    }

    test::ScratchFolder folder_;
    test::FakeDesktop desktop_;
    AppState state_;
};

}  // namespace hashwell::core
