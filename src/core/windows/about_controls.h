#pragma once

// The About window's table.

#include "core/windows/control_spec.h"

namespace hashwell::core {

const WindowSpec& AboutWindowSpec();

}  // namespace hashwell::core
