#pragma once

// Small routines that several commands share.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/desktop.h"
#include "core/ids.h"
#include "platform/platform.h"

namespace hashwell::core {

// The four bit-size boxes, 224 to 512 bits.
inline constexpr std::array kBitSizeBoxes{ControlId::CheckBits224, ControlId::CheckBits256,
                                          ControlId::CheckBits384, ControlId::CheckBits512};

// Whether the method takes one of the bit sizes: SHA2 and SHA3 do.
bool HasBitSizes(std::int32_t method);

// A modal Yes/No question with the warning icon; true when the user answers Yes.
bool AskYesNo(Desktop& desktop, std::u16string title, std::u16string text);

// True when the path names an existing file or folder.
bool FileExists(const platform::Path& path);

// Enables the commands that make sense on the tab and disables the others: Calculate, the
// method options and Copy hash for the Text and File tabs, the export commands for the List of
// Files tab. Leaves ButtonCopyHash alone; any other tab changes nothing.
void ApplyTabState(Desktop& desktop, int tab);

// Enables ButtonCopyHash and MenuCopyHash when there is something to copy, else disables both.
void UpdateCopyState(Desktop& desktop, bool hasContent);

// Whether the tab has something to copy: the text of its code box, or a row of the grid.
// Nothing for a tab that does not exist.
std::optional<bool> TabHasContent(Desktop& desktop, int tab);

// Makes bit-size box k (1 to 4 for 224 to 512 bits) the only checked one. When the box is
// already checked, only the other three are unchecked.
void SelectBitSize(Desktop& desktop, int k, bool alreadyChecked);

}  // namespace hashwell::core
