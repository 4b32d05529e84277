#pragma once

// Web pages opened in the user's browser.

#include <string_view>

#include "core/desktop/desktop.h"
#include "core/event_record.h"

namespace hashwell::core {

// The maker's web site, shown by the About window's link and used by the update check.
inline constexpr std::u16string_view kMakerWebSite = u"https://tarnvale.example";

// Opens the address in the browser and throws away what the user did while it started; says
// "Unable to load web page" when the desktop could open nothing.
void OpenWebPage(Desktop& desktop, EventRecord& events, std::u16string_view address);

}  // namespace hashwell::core
