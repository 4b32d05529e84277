#pragma once

// What the desktop opens for the program: web addresses in the user's browser, and pages of
// the compiled help file.

#include <string_view>

#include "platform/platform.h"

namespace hashwell::core {

// What became of a help page the desktop was asked to show.
enum class HelpOutcome {
    Shown,       // the help viewer shows it (or says the file lacks that page)
    Damaged,     // the file is no compiled help file, or reading it failed (now or before)
    Unreadable,  // the file, or what reads it, could not be opened
};

class Shell {
public:
    virtual ~Shell() = default;

    // Hands the address to the desktop's default handler (the browser, for a web address);
    // false when nothing could be started. Does not wait for the browser.
    virtual bool OpenWebAddress(std::u16string_view address) = 0;
    // Shows the page `topic` of the help file in the help viewer, a window of its own that
    // does not block the program's; whether the file holds the page is the viewer's business.
    // Says so when the file could not be read; damage found while the viewer was open (a page
    // that broke the reader) is reported at the next call.
    virtual HelpOutcome ShowHelp(const platform::Path& helpFile, std::u16string_view topic) = 0;
};

}  // namespace hashwell::core
