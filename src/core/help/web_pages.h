#pragma once

// Web pages opened in the user's browser.

#include <string_view>

#include "core/desktop/desktop.h"
#include "core/shared/event_record.h"

namespace hashwell::core {

// The maker's web site (scheme and host, no slash at the end), shown by the About window's link
// and used by the update check; set when the program is configured (HASHWELL_MAKER_WEB_SITE).
std::u16string_view MakerWebSite();

// Opens the address in the browser and throws away what the user did while it started; says
// "Unable to load web page" when the desktop could open nothing.
void OpenWebPage(Desktop& desktop, EventRecord& events, std::u16string_view address);

// Opens the maker's update-check page for this version and word size. A failure names the
// address without its word-size part.
void OpenUpdatePage(Desktop& desktop, EventRecord& events, std::u16string_view site,
                    std::u16string_view versionNumber, int platformBits);

}  // namespace hashwell::core
