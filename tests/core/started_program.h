#pragma once

// A program started on the fake desktop with its settings in a scratch folder, and the user's
// hand: clicks, menu choices and drops are queued as the real window would raise them, then
// handled by the event loop. Also the rows of the data files under tests/data/core.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/app/dispatch.h"
#include "core/app/startup.h"
#include "core/desktop/ids.h"
#include "core/windows/window_specs.h"
#include "support/events.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"
#include "support/vector_file.h"

namespace hashwell::core {

using test::ControlEvent;
using test::MenuEvent;

// A message box with an OK button, by default an error.
inline MessageBoxRequest Box(std::u16string title, std::u16string text,
                             MessageIcon icon = MessageIcon::Error) {
    return {std::move(title), std::move(text), icon, MessageButtons::Ok};
}

// The tab-separated rows of a file under tests/data, without its "#" comment lines.
inline std::vector<std::vector<std::string>> DataRows(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(test::ReadTestData(name));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] != '#') {
            std::vector<std::string>& fields = rows.emplace_back();
            std::size_t start = 0;
            for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
                 start = tab + 1) {
                fields.push_back(line.substr(start, tab - start));
            }
            fields.push_back(line.substr(start));
        }
    }
    return rows;
}

// A data file's text, in which \uXXXX stands for one UTF-16 code unit.
inline std::u16string Unescape(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\\u") {
            result +=
                static_cast<char16_t>(std::stoi(std::string(text.substr(i + 2, 4)), nullptr, 16));
            i += 5;
        } else {
            result += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
        }
    }
    return result;
}

// The main window's control whose objectName is `name`.
inline ControlRef MainControlNamed(std::string_view name) {
    for (const ControlSpec& spec : SpecOf(WindowId::MainWindow).controls) {
        if (spec.name == name) {
            return spec.control;
        }
    }
    ADD_FAILURE() << "no control " << name;
    return MainControl::TabPanel;
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
        const ControlSpec& spec = SpecOf(control);
        if (control.Window() == WindowId::MainWindow && spec.kind == ControlKind::Option) {
            for (const ControlSpec& other : SpecOf(control.Window()).controls) {
                if (other.kind == ControlKind::Option) {
                    desktop_.controls[other.control].checked = other.control == control;
                }
            }
        } else if (control.Window() == WindowId::MainWindow && spec.kind == ControlKind::CheckBox) {
            desktop_.controls[control].checked = !desktop_.controls[control].checked;
        }
        Queue(ControlEvent(control, type));
    }
    void ChooseMenu(MenuItem item, WindowId window = WindowId::MainWindow) {
        Queue(MenuEvent(item, window));
    }
    // A right click on the box, the user choosing `item` in the menu that opens.
    void ChooseInMenu(ControlRef box, MenuItem item) {
        desktop_.onPopupMenu = [this, item](PopupMenu) {
            desktop_.queue.push_back(MenuEvent(item));
        };
        Queue(ControlEvent(box, EventType::RightClick));
        desktop_.onPopupMenu = nullptr;
    }
    void MoveMouse() { Queue({EventKind::MouseMove, 0, WindowId::MainWindow}); }
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

    test::ScratchFolder folder_;
    test::FakeDesktop desktop_;
    AppState state_;
};

}  // namespace hashwell::core
