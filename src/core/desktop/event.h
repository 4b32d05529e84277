#pragma once

// What the desktop hands to the core: one event per user action, named by the fixed ids.

#include <string>
#include <vector>

#include "core/desktop/ids.h"
#include "platform/platform.h"

namespace hashwell::core {

enum class EventKind {
    CloseWindow,  // the close box of a window
    Menu,         // a main-menu item, a context-menu item or the F1 shortcut
    Drop,         // something was dropped onto a control
    Control,      // a control was clicked, changed or dragged from
    MouseMove,    // the mouse moved over a window of the program
    Escape,       // the Escape key, while a command keeps the windows from taking input
};

enum class EventType {
    LeftClick,  // also any plain change
    RightClick,
    LeftDoubleClick,
    RightDoubleClick,
    DragStart,
};

struct Event {
    EventKind kind = EventKind::Control;
    int objectId = 0;  // the menu item or control; none for a mouse movement
    WindowId windowId = WindowId::MainWindow;
    EventType type = EventType::LeftClick;
    // What a drop carries: a text, or the paths of the dropped files.
    std::u16string droppedText{};
    std::vector<platform::Path> droppedPaths{};

    bool operator==(const Event&) const = default;
};

}  // namespace hashwell::core
