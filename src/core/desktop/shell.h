#pragma once

// What the desktop opens for the program: web addresses in the user's browser, and pages of
// the compiled help file.

#include <string_view>

#include "platform/platform.h"

namespace hashwell::core {

class Shell {
public:
    virtual ~Shell() = default;

    // Hands the address to the desktop's default handler (the browser, for a web address);
    // false when nothing could be started. Does not wait for the browser.
    virtual bool OpenWebAddress(std::u16string_view address) = 0;
    // Shows the page `topic` of the help file in the help viewer, a window of its own that
    // does not block the program's; whether the file holds the page is the viewer's business.
    virtual void ShowHelp(const platform::Path& helpFile, std::u16string_view topic) = 0;
};

}  // namespace hashwell::core
