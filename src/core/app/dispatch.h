#pragma once

// The event loop of the core, and where each event goes: to the window it came from first.

#include "core/desktop/desktop.h"
#include "core/desktop/event.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// Acts on one event: closing a window, a menu item, a drop, a control or a mouse movement.
void HandleEvent(Desktop& desktop, AppState& state, const Event& event);

// Hands every event to HandleEvent until a command asks the program to quit.
void RunEventLoop(Desktop& desktop, AppState& state);

}  // namespace hashwell::core
