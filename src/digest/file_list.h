#pragma once

// The pieces of a file-list run that do not touch the screen: splitting the list and the
// column titles, and the five fixed codes of one file.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace hashwell::digest {

// The text a grid cell shows for a code that could not be computed.
inline constexpr std::u16string_view kFileError = u"File Error";

// The fields of `text` + separator: n separators make n + 1 fields, empty ones included
// (a list ending in a separator has an empty last entry).
std::vector<std::u16string> SplitFields(std::u16string_view text, char16_t separator);

// The text without its leading and trailing spaces.
std::u16string_view TrimSpaces(std::u16string_view text);

// One file of a run: its path and its CRC-32, MD5, SHA-1, SHA-256 and SHA3-256 cells, each
// the code in the display case or "File Error".
struct ListRowRecord {
    std::vector<std::u16string> cells;
    int errors = 0;
};

// Reads the file once per method (nothing is cached between the five passes) and calls
// afterCode(k) after the k-th code, k = 1 to 5.
ListRowRecord HashListFile(const platform::Path& path, std::u16string_view caseText,
                           const std::function<void(int)>& afterCode);

}  // namespace hashwell::digest
