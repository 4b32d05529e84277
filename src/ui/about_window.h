#pragma once

// The About window's widgets.

#include "ui/window_registry.h"

namespace hashwell::ui {

// Creates the About window, hidden, owned by `owner`, with its frame, title, link, version,
// notice and OK button.
WindowWidgets BuildAboutWindowWidgets(QWidget* owner);

}  // namespace hashwell::ui
