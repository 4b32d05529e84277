#pragma once

#include <string>
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

    std::vector<std::u16string> openedAddresses;
    bool addressesOpen = true;
};

}  // namespace hashwell::test
