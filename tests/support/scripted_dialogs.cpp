#include "support/scripted_dialogs.h"

namespace hashwell::test {

core::MessageAnswer ScriptedDialogs::ShowMessageBox(const core::MessageBoxRequest& box) {
    boxes.push_back(box);
    if (!answers.empty()) {
        const core::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == core::MessageButtons::Ok ? core::MessageAnswer::Ok
                                                   : core::MessageAnswer::No;
}

std::vector<platform::Path> ScriptedDialogs::ShowOpenDialog(
    const core::OpenDialogRequest& request) {
    dialogs.push_back(request);
    if (dialogAnswers.empty()) {
        return {};
    }
    std::vector<platform::Path> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::optional<core::SaveDialogAnswer> ScriptedDialogs::ShowSaveDialog(
    const core::SaveDialogRequest& request) {
    saveDialogs.push_back(request);
    if (saveAnswers.empty()) {
        return std::nullopt;
    }
    core::SaveDialogAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

}  // namespace hashwell::test
