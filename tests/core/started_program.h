#pragma once

// A program started on the fake desktop with its settings in a scratch folder, and the user's
// hand: clicks are queued as the real window would raise them, then handled by the event loop.

#include <gtest/gtest.h>

#include "core/app/dispatch.h"
#include "core/app/startup.h"
#include "core/desktop/ids.h"
#include "core/windows/window_specs.h"
#include "support/events.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"

namespace hashwell::core {

using test::ControlEvent;
using test::MenuEvent;

class StartedProgram : public ::testing::Test {
protected:
    settings::SettingsEnvironment Environment() const {
        return {folder_.PathOf("hashwell"), [](std::u16string_view) { return std::nullopt; }};
    }
    void Start(const std::vector<std::u16string>& parameters = {}) {
        ASSERT_TRUE(StartUp(desktop_, state_, Environment(), parameters));
        desktop_.boxes.clear();  // the first run's notice
    }

    // A click on a control of any window. On the main window the method options select
    // themselves alone and the bit-size boxes toggle; elsewhere the test ticks what it wants.
    void Click(ControlRef control, EventType type = EventType::LeftClick) {
        const ControlSpec& spec = SpecOf(control);
        if (control.Window() != WindowId::MainWindow) {
            // as the test set it
        } else if (spec.kind == ControlKind::Option) {
            for (const ControlSpec& other : SpecOf(control.Window()).controls) {
                if (other.kind == ControlKind::Option) {
                    desktop_.controls[other.control].checked = other.control == control;
                }
            }
        } else if (spec.kind == ControlKind::CheckBox) {
            desktop_.controls[control].checked = !desktop_.controls[control].checked;
        }
        Queue({EventKind::Control, control.Id(), control.Window(), type});
    }
    void ChooseMenu(MenuItem item, WindowId window = WindowId::MainWindow) {
        Queue({EventKind::Menu, static_cast<int>(item), window, EventType::LeftClick});
    }
    void Queue(const Event& event) {
        desktop_.queue.push_back(event);
        RunEventLoop(desktop_, state_);
    }

    test::ScratchFolder folder_;
    test::FakeDesktop desktop_;
    AppState state_;
};

}  // namespace hashwell::core
