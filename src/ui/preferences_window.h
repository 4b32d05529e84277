#pragma once

// The Preferences window's widgets.

#include "ui/window_registry.h"

namespace hashwell::ui {

// Creates the Preferences window, hidden, owned by `owner`: its four frames, the nine choice
// boxes (plain check boxes; the core keeps one ticked at most in each group), keep-on-top,
// Save and Cancel. The second and third skin boxes are drawn on their skins' colours.
WindowWidgets BuildPreferencesWindowWidgets(QWidget* owner);

}  // namespace hashwell::ui
