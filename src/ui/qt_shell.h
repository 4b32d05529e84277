#pragma once

// The shell service of the port: web pages and help pages.

#include <QPointer>

#include "core/desktop/shell.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

class HelpWindow;

// Web addresses opened by the desktop's URL handler (the user's browser), and the help file's
// pages in the program's help window (on Windows, in the system's HTML Help).
class QtShell : public virtual core::Shell {
public:
    // The help window is owned by the main window of `windows`.
    explicit QtShell(const WindowRegistry& windows);
    ~QtShell() override;

    bool OpenWebAddress(std::u16string_view address) override;
    core::HelpOutcome ShowHelp(const platform::Path& helpFile, std::u16string_view topic) override;

    // The help window, once help was shown; for tests.
    HelpWindow* Help() const;
    // The help reader program (see FindReaderProgram), unless a test puts it elsewhere.
    void SetHelpReaderProgram(platform::Path program) { helpReader_ = std::move(program); }

private:
    const WindowRegistry& windows_;
    platform::Path helpReader_;
    QPointer<HelpWindow> help_;  // its owner, the main window, may delete it first
};

}  // namespace hashwell::ui
