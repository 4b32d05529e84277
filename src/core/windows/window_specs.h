#pragma once

// Every window's table, found by its id.

#include "core/windows/control_spec.h"

namespace hashwell::core {

const WindowSpec& SpecOf(WindowId window);
// The description of a control, found in its window's table.
const ControlSpec& SpecOf(ControlRef control);

}  // namespace hashwell::core
