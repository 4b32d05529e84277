#pragma once

// Which box a right click over the main window speaks to.

#include <optional>

#include "core/desktop/ids.h"

namespace hashwell::core {

// The box whose context menu a right button press over any control of the main window opens:
// the one of TextInput, TextHashBox, FileNameBox and FileHashBox that has the keyboard focus
// (not necessarily the control under the pointer, since these boxes do not report right
// clicks themselves); nothing when the focus is elsewhere.
std::optional<MainControl> RightClickTarget(std::optional<ControlRef> focused);

}  // namespace hashwell::core
