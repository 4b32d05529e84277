#pragma once

// A program started on the fake desktop with its settings in a scratch folder, and the user's
// hand: clicks are queued as the real window would raise them, then handled by the event loop.

#include <gtest/gtest.h>

#include "core/app/dispatch.h"
#include "core/app/ids.h"
#include "core/app/startup.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"

namespace hashwell::core {

class StartedProgram : public ::testing::Test {
protected:
    settings::SettingsEnvironment Environment() const {
        return {folder_.PathOf("hashwell"), [](std::u16string_view) { return std::nullopt; }};
    }
    void Start(const std::vector<std::u16string>& parameters = {}) {
        ASSERT_TRUE(StartUp(desktop_, state_, Environment(), parameters));
        desktop_.boxes.clear();  // the first run's notice
    }

    // A click on a control: options select themselves alone, check boxes toggle.
    void Click(int controlId) {
        using namespace ControlId;
        if (controlId >= OptionCrc32 && controlId <= OptionSha3) {
            for (int option = OptionCrc32; option <= OptionSha3; ++option) {
                desktop_.controls[option].checked = option == controlId;
            }
        } else if (controlId >= CheckBits224 && controlId <= CheckBits512) {
            desktop_.controls[controlId].checked = !desktop_.controls[controlId].checked;
        }
        Queue({EventKind::Control, controlId, WindowId::MainWindow, EventType::LeftClick});
    }
    void ChooseMenu(int itemId) {
        Queue({EventKind::Menu, itemId, WindowId::MainWindow, EventType::LeftClick});
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
