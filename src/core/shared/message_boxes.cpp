#include "core/shared/message_boxes.h"

#include <utility>

namespace hashwell::core {
namespace {

void ShowOk(Dialogs& dialogs, std::u16string title, std::u16string text, MessageIcon icon) {
    dialogs.ShowMessageBox({std::move(title), std::move(text), icon, MessageButtons::Ok});
}

}  // namespace

void ShowError(Dialogs& dialogs, std::u16string title, std::u16string text) {
    ShowOk(dialogs, std::move(title), std::move(text), MessageIcon::Error);
}

void ShowWarning(Dialogs& dialogs, std::u16string title, std::u16string text) {
    ShowOk(dialogs, std::move(title), std::move(text), MessageIcon::Warning);
}

void ShowInformation(Dialogs& dialogs, std::u16string title, std::u16string text) {
    ShowOk(dialogs, std::move(title), std::move(text), MessageIcon::Information);
}

bool AskYesNo(Dialogs& dialogs, std::u16string title, std::u16string text) {
    return dialogs.ShowMessageBox({std::move(title), std::move(text), MessageIcon::Warning,
                                   MessageButtons::YesNo}) == MessageAnswer::Yes;
}

}  // namespace hashwell::core
