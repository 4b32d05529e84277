#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/desktop/shell.h"

namespace hashwell::test {

// The addresses the program asked the desktop to open, and whether the desktop could.
class RecordingShell : public virtual core::Shell {
public:
    bool OpenWebAddress(std::u16string_view address) override {
        openedAddresses.emplace_back(address);
        return addressesOpen;
    }
    void ShowHelp(const platform::Path& helpFile, std::u16string_view topic) override {
        shownHelp.push_back({helpFile, std::u16string(topic)});
    }

    std::vector<std::u16string> openedAddresses;
    bool addressesOpen = true;
    std::vector<std::pair<platform::Path, std::u16string>> shownHelp;  // file and page
};

}  // namespace hashwell::test
