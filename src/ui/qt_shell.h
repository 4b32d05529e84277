#pragma once

#include <memory>

#include "core/desktop/shell.h"

namespace hashwell::ui {

class HelpWindow;

// Web addresses opened by the desktop's URL handler (the user's browser), and the help file's
// pages in the program's help window (on Windows, in the system's HTML Help).
class QtShell : public virtual core::Shell {
public:
    QtShell();
    ~QtShell() override;

    bool OpenWebAddress(std::u16string_view address) override;
    void ShowHelp(const platform::Path& helpFile, std::u16string_view topic) override;

    // The help window, once help was shown; for tests.
    HelpWindow* Help() const { return help_.get(); }

private:
    std::unique_ptr<HelpWindow> help_;
};

}  // namespace hashwell::ui
