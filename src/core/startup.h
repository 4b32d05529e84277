#pragma once

#include "core/app_state.h"
#include "core/desktop.h"
#include "settings/settings_location.h"

namespace hashwell::core {

// Brings the program up to its main window: finds and loads the settings, registers the hash
// methods, builds and shows the main window and gives its controls their first states.
// False when the main window cannot be built; the program then ends without a message.
bool StartUp(Desktop& desktop, AppState& state, const settings::SettingsEnvironment& environment);

// Re-places the anchored controls of a window that was resized.
void HandleWindowSize(Desktop& desktop, const AppState& state, int windowId);

}  // namespace hashwell::core
