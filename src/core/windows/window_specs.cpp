#include "core/windows/window_specs.h"

#include <algorithm>
#include <cstdlib>

#include "core/windows/about_controls.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/preferences_controls.h"

namespace hashwell::core {

const WindowSpec& SpecOf(WindowId window) {
    switch (window) {
        case WindowId::MainWindow:
            return MainWindowSpec();
        case WindowId::AboutWindow:
            return AboutWindowSpec();
        case WindowId::PreferencesWindow:
            return PreferencesWindowSpec();
    }
    std::abort();  // no such window
}

const ControlSpec& SpecOf(ControlRef control) {
    const std::span<const ControlSpec> controls = SpecOf(control.Window()).controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlSpec& spec) {
        return spec.control == control;
    });
    if (found == controls.end()) {
        std::abort();  // every control stands in its window's table
    }
    return *found;
}

}  // namespace hashwell::core
