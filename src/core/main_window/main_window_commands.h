#pragma once

// What the main window's controls and menu items do.

#include "core/app/app_state.h"
#include "core/app/event.h"
#include "core/desktop/desktop.h"

namespace hashwell::core {

void HandleMainWindowControl(Desktop& desktop, AppState& state, MainControl control,
                             const Event& event);

void HandleMenuItem(Desktop& desktop, AppState& state, MenuItem item);

}  // namespace hashwell::core
