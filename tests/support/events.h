#pragma once

// The events a test hands to the core: a control's, and a menu item's.

#include "core/desktop/event.h"

namespace hashwell::test {

inline core::Event ControlEvent(core::ControlRef control,
                                core::EventType type = core::EventType::LeftClick) {
    return {core::EventKind::Control, control.Id(), control.Window(), type};
}

inline core::Event MenuEvent(core::MenuItem item,
                             core::WindowId window = core::WindowId::MainWindow) {
    return {core::EventKind::Menu, static_cast<int>(item), window, core::EventType::LeftClick};
}

}  // namespace hashwell::test
