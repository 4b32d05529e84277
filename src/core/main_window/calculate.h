#pragma once

// The Calculate command of the Text and File tabs.

#include "core/desktop/desktop.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// The Calculate command: the code of the typed text on the Text tab, of the chosen file on the
// File tab. The only place where those codes are computed; the focus ends where it was.
void CalculateCommand(Desktop& desktop, AppState& state);

}  // namespace hashwell::core
