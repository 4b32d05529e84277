#pragma once

// The pieces of a file-list run that do not touch the screen: splitting the list and the
// column titles, and the grid row made of one file's five codes (list_hasher.h computes them).

#include <array>
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

// One file of a run: its path, and its cells: the path as it can be shown, then the CRC-32,
// MD5, SHA-1, SHA-256 and SHA3-256 cells, each the code in the display case or "File Error".
struct ListRowRecord {
    platform::Path path;
    std::vector<std::u16string> cells;
    int errors = 0;
};

// The row of one file: its path in readable form (bytes of the name that are not UTF-8 shown
// as U+FFFD) and the five codes in the display case, "File Error" for each one that could not
// be computed (the empty text).
ListRowRecord ListRow(const platform::Path& path, const std::array<std::string, 5>& codes,
                      std::u16string_view caseText);

}  // namespace hashwell::digest
