#pragma once

// What the desktop opens for the program: web addresses in the user's browser.

#include <string_view>

namespace hashwell::core {

class Shell {
public:
    virtual ~Shell() = default;

    // Hands the address to the desktop's default handler (the browser, for a web address);
    // false when nothing could be started. Does not wait for the browser.
    virtual bool OpenWebAddress(std::u16string_view address) = 0;
};

}  // namespace hashwell::core
