#pragma once

// What the main window's controls and menu items do: the second step of dispatch, since its
// menu reaches every room of the core.

#include "core/desktop/desktop.h"
#include "core/desktop/event.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

void HandleMainWindowControl(Desktop& desktop, AppState& state, MainControl control,
                             const Event& event);

void HandleMenuItem(Desktop& desktop, AppState& state, MenuItem item);

}  // namespace hashwell::core
