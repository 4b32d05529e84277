#include "support/scripted_dialogs.h"

namespace hashwell::test {
namespace {

// The next answer of a script; nothing when it has run out.
template <class Answer>
std::optional<Answer> Next(std::deque<Answer>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    Answer next = std::move(script.front());
    script.pop_front();
    return next;
}

}  // namespace

core::MessageAnswer ScriptedDialogs::ShowMessageBox(const core::MessageBoxRequest& box) {
    boxes.push_back(box);
    return Next(answers).value_or(box.buttons == core::MessageButtons::Ok
                                      ? core::MessageAnswer::Ok
                                      : core::MessageAnswer::No);
}

std::vector<platform::Path> ScriptedDialogs::ShowOpenDialog(
    const core::OpenDialogRequest& request) {
    dialogs.push_back(request);
    return Next(dialogAnswers).value_or(std::vector<platform::Path>());
}

std::optional<core::SaveDialogAnswer> ScriptedDialogs::ShowSaveDialog(
    const core::SaveDialogRequest& request) {
    saveDialogs.push_back(request);
    return Next(saveAnswers);
}

}  // namespace hashwell::test
