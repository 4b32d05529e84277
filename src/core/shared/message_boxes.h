#pragma once

// The kinds of message box the commands show.

#include <string>

#include "core/desktop/dialogs.h"

namespace hashwell::core {

// A box with the single button OK and the error, warning or information icon.
void ShowError(Dialogs& dialogs, std::u16string title, std::u16string text);
void ShowWarning(Dialogs& dialogs, std::u16string title, std::u16string text);
void ShowInformation(Dialogs& dialogs, std::u16string title, std::u16string text);

// A Yes/No question with the warning icon; true when the user answers Yes.
bool AskYesNo(Dialogs& dialogs, std::u16string title, std::u16string text);

}  // namespace hashwell::core
