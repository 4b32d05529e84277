#pragma once

// Copying codes, texts and file names to the clipboard and pasting text from it: the Copy Hash
// commands, Copy Codes of a grid row, and the context-menu items that act at the next mouse
// movement.

#include <string>
#include <string_view>

#include "core/desktop/desktop.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// n blanks; none for n below 1.
std::u16string Spaces(int n);

// The selected row of the grid as lines of "title: cell", each title padded with blanks to the
// longest, joined by `separator`, put on the clipboard. With no row selected nothing is copied.
void GridRowToText(Desktop& desktop, ControlRef gridId, std::u16string_view separator);

// Copies the selected grid row and says so when something was copied.
void CopyCodes(Desktop& desktop, EventRecord& events);

// Copy Hash from the button: the code box of the shown tab goes to the clipboard even when it
// is empty; on the List of Files tab, Copy Codes. The focus stays where it is.
void CopyHashButton(Desktop& desktop, AppState& state);

// Copy Hash from the menu: only a code box that holds a code replaces the clipboard's text;
// on the List of Files tab, Copy Codes. The focus comes back to where it was.
void CopyHashMenu(Desktop& desktop, AppState& state);

// A mouse movement: at the first one after a choice in the menus of the text boxes, that
// choice is carried out (copy the text, paste, copy the code, copy the file name).
void HandleMouseMove(Desktop& desktop, AppState& state);

// Puts `text` into TextInput: at once when the box holds only blanks, else only when the user
// answers Yes to `question` (title "Overwrite"). True when it did.
bool PutIntoTextInput(Desktop& desktop, std::u16string_view text, std::u16string question);

}  // namespace hashwell::core
