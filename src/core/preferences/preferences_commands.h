#pragma once

// The Preferences window: the display case, the text format, the skin and keep-on-top, saved
// to the settings file.

#include "core/desktop/desktop.h"
#include "core/desktop/event.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// Builds the window on the first opening, its boxes ticked from the preferences in force;
// later openings show it again as the user left it, centred on the main window.
void OpenPreferences(Desktop& desktop, AppState& state);

// The boxes (one ticked at most in each group), keep-on-top, Save and Cancel.
void HandlePreferencesControl(Desktop& desktop, AppState& state, PreferencesControl control,
                              const Event& event);

}  // namespace hashwell::core
