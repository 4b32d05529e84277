#pragma once

// Start-up: from the command line and the settings file to the shown main window.

#include <string>
#include <vector>

#include "core/desktop/desktop.h"
#include "core/shared/app_state.h"
#include "settings/settings_location.h"

namespace hashwell::core {

// Brings the program up to its main window: finds and loads the settings, registers the hash
// methods, builds and shows the main window, gives its controls their first states and, when a
// file was named on the command line (the paths of ReadProgramOptions), hashes it into the grid.
// False when the main window cannot be built; the program then ends without a message.
// With `verify`, the one path is a checksum file verified into the grid (with none, the user
// chooses one).
bool StartUp(Desktop& desktop, AppState& state, const settings::SettingsEnvironment& environment,
             const std::vector<platform::Path>& paths, bool verify = false);

// Closes the program's windows. Nothing is saved.
void ShutDown(Desktop& desktop, const AppState& state);

// The whole run: start-up, the event loop until the user quits, shut-down. The exit code,
// which is always 0.
int RunProgram(Desktop& desktop, const settings::SettingsEnvironment& environment,
               const std::vector<platform::Path>& paths, bool verify = false);

// Re-places the anchored controls of a window that was resized.
void HandleWindowSize(Desktop& desktop, const AppState& state, WindowId windowId);

}  // namespace hashwell::core
