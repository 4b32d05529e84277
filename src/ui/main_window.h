#pragma once

// The main window's widgets.

#include "ui/window_registry.h"

namespace hashwell::ui {

// Creates the main window (a QMainWindow), hidden, with its menu bar and every control in its
// place.
WindowWidgets BuildMainWindowWidgets();

}  // namespace hashwell::ui
