#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "core/desktop/dialogs.h"

namespace hashwell::test {

// Message boxes, dialogs and context menus recorded, and answered from a script: the next
// answer queued, or else OK, No for a Yes/No question, and cancel for a dialog.
class ScriptedDialogs : public virtual core::Dialogs {
public:
    core::MessageAnswer ShowMessageBox(const core::MessageBoxRequest& box) override;
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;
    std::optional<core::SaveDialogAnswer> ShowSaveDialog(
        const core::SaveDialogRequest& request) override;
    void ShowPopupMenu(core::PopupMenu menuId) override {
        popupMenus.push_back(menuId);
        if (onPopupMenu) {
            onPopupMenu(menuId);
        }
    }

    std::vector<core::MessageBoxRequest> boxes;
    std::deque<core::MessageAnswer> answers;
    std::vector<core::OpenDialogRequest> dialogs;
    std::deque<std::vector<platform::Path>> dialogAnswers;
    std::vector<core::SaveDialogRequest> saveDialogs;
    std::deque<core::SaveDialogAnswer> saveAnswers;
    std::vector<core::PopupMenu> popupMenus;           // the context menus shown, in order
    std::function<void(core::PopupMenu)> onPopupMenu;  // what the user chooses in a menu
};

}  // namespace hashwell::test
