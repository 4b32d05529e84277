#pragma once

// The commands that compute the Text and File tabs' codes: Calculate, and Compare with
// Clipboard.

#include "core/desktop/desktop.h"
#include "core/shared/app_state.h"

namespace hashwell::core {

// The Calculate command: the code of the typed text on the Text tab, of the chosen file on the
// File tab. The only place where those codes are computed; the focus ends where it was.
void CalculateCommand(Desktop& desktop, AppState& state);

// Edit > Compare with Clipboard on the Text and File tabs: the code on the clipboard (a bare
// code, or one checksum line naming the file) against the text's or the file's code, by the
// chosen method first, then by every other method whose codes have its length; a box says
// which method matched, or that none did.
void CompareWithClipboardCommand(Desktop& desktop, AppState& state);

}  // namespace hashwell::core
