#pragma once

// The About window: the product and its word size, the maker's link, the version and the
// ownership notice.

#include "core/desktop/desktop.h"
#include "core/desktop/event.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// Builds the window on the first opening and fills it in; later openings show it again,
// centred on the main window. It stays above other windows while it is shown.
void OpenAbout(Desktop& desktop, AppState& state);

// The link and the OK button.
void HandleAboutControl(Desktop& desktop, AppState& state, AboutControl control,
                        const Event& event);

}  // namespace hashwell::core
