#pragma once

#include <cstdint>

#include "core/control_anchors.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace hashwell::core {

// The one record of the running program, owned by the core for the whole run.
struct AppState {
    std::int32_t method = 2;              // the selected hash method: CRC32
    std::int32_t bitSize = 256;           // the SHA2/SHA3 size; 0 when none is chosen
    settings::AppSettings settings;       // the preferences in force
    settings::AppSettings savedSettings;  // as last loaded or saved
    settings::SettingsLocation location;
    int startWidth = 0;  // the main window's client width right after it was shown
    ControlAnchors anchors;
};

}  // namespace hashwell::core
