#pragma once

#include <deque>
#include <vector>

#include "core/desktop/dialogs.h"

namespace hashwell::test {

// Message boxes and Open dialogs recorded and answered from a script: the next answer queued,
// or else OK, No for a Yes/No question, and cancel for a dialog.
class ScriptedDialogs : public virtual core::Dialogs {
public:
    core::MessageAnswer ShowMessageBox(const core::MessageBoxRequest& box) override;
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;

    std::vector<core::MessageBoxRequest> boxes;
    std::deque<core::MessageAnswer> answers;
    std::vector<core::OpenDialogRequest> dialogs;
    std::deque<std::vector<platform::Path>> dialogAnswers;
};

}  // namespace hashwell::test
