#pragma once

// The joined texts the program keeps: a list of paths joined by the list separator (as the
// window's state holds a list of files), and column titles joined by commas.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace hashwell::core {

// The fields of `text` + separator: n separators make n + 1 fields, empty ones included (a list
// ending in a separator has an empty last entry).
std::vector<std::u16string> SplitFields(std::u16string_view text, char16_t separator);

// The paths joined by the list separator; one path alone is just that path.
std::u16string JoinPaths(const std::vector<platform::Path>& paths);

// The text without its leading and trailing spaces.
std::u16string_view TrimSpaces(std::u16string_view text);

}  // namespace hashwell::core
