#pragma once

// The Preferences window's table.

#include "core/windows/control_spec.h"

namespace hashwell::core {

const WindowSpec& PreferencesWindowSpec();

}  // namespace hashwell::core
