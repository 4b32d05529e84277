#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/desktop/shell.h"

namespace hashwell::test {

// The addresses and help pages the program asked the desktop to open, and whether the desktop
// could.
class RecordingShell : public virtual core::Shell {
public:
    bool OpenWebAddress(std::u16string_view address) override {
        openedAddresses.emplace_back(address);
        return addressesOpen;
    }
    core::HelpOutcome ShowHelp(const platform::Path& helpFile, std::u16string_view topic) override {
        shownHelp.push_back({helpFile, std::u16string(topic)});
        return helpOutcome;
    }

    std::vector<std::u16string> openedAddresses;
    bool addressesOpen = true;
    std::vector<std::pair<platform::Path, std::u16string>> shownHelp;  // file and page
    core::HelpOutcome helpOutcome = core::HelpOutcome::Shown;
};

}  // namespace hashwell::test
