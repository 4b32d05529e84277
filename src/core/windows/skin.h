#pragma once

// The skins: the windows' background colours by the skin preference.

#include <cstdint>
#include <optional>

#include "core/desktop/desktop_windows.h"

namespace hashwell::core {

// The background of skin 1 (the system's window colour), 2 (silver) or 3 (light blue);
// nothing for any other number.
std::optional<WindowColour> SkinColor(std::int64_t skin);

// Gives the window the skin's background, but only while it is the foreground window of this
// program; otherwise, and for an unknown skin, nothing changes.
void ApplySkin(Windows& windows, WindowId windowId, std::int64_t skin);

}  // namespace hashwell::core
