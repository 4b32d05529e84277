#pragma once

// Which commands the shown tab allows, and whether there is a code to copy.

#include <optional>

#include "core/desktop/controls.h"

namespace hashwell::core {

// Enables the commands that make sense on the tab and disables the others: Calculate, the
// method options and Copy hash for the Text and File tabs, the export commands for the List of
// Files tab. Leaves ButtonCopyHash alone; any other tab changes nothing.
void ApplyTabState(Controls& controls, int tab);

// Enables ButtonCopyHash and MenuCopyHash when there is something to copy, else disables both.
void UpdateCopyState(Controls& controls, bool hasContent);

// UpdateCopyState from what the tab has to copy; nothing for a tab that does not exist.
void UpdateCopyStateFor(Controls& controls, int tab);

// Whether the tab has something to copy: the text of its code box, or a row of the grid.
// Nothing for a tab that does not exist.
std::optional<bool> TabHasContent(Controls& controls, int tab);

}  // namespace hashwell::core
