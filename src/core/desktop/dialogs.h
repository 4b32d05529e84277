#pragma once

// The modal boxes and dialogs the program shows over its windows.

#include <optional>
#include <string_view>
#include <vector>

#include "core/desktop/ids.h"
#include "core/desktop/message_box.h"
#include "core/desktop/types.h"
#include "platform/platform.h"

namespace hashwell::core {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the box and waits for the user's answer.
    virtual MessageAnswer ShowMessageBox(const MessageBoxRequest& box) = 0;
    // Shows a modal Open dialog owned by the program's foreground window; the chosen files'
    // full paths, or nothing when the user cancels.
    virtual std::vector<platform::Path> ShowOpenDialog(const OpenDialogRequest& request) = 0;
    // Shows a modal folder dialog titled `title`, starting in the current folder; the chosen
    // folder's full path, or nothing when the user cancels.
    virtual std::optional<platform::Path> ShowFolderDialog(std::u16string_view title) = 0;
    // Shows a modal Save dialog the same way; nothing when the user cancels.
    virtual std::optional<SaveDialogAnswer> ShowSaveDialog(const SaveDialogRequest& request) = 0;
    // Shows a context menu of the main window at the mouse position. The item the user chooses
    // arrives afterwards as a menu event with its id.
    virtual void ShowPopupMenu(PopupMenu menu) = 0;
};

}  // namespace hashwell::core
