#pragma once

// A row of the file grid: what the list run shows for one file.

#include <string>
#include <string_view>
#include <vector>

#include "digest/list_hasher.h"
#include "platform/platform.h"

namespace hashwell::core {

// The text a grid cell shows for a code that could not be computed.
inline constexpr std::u16string_view kFileError = u"File Error";

// One file of a run: its path, and its cells: the path as it can be shown (bytes of the name
// that are not UTF-8 as U+FFFD), then the CRC-32, MD5, SHA-1, SHA-256 and SHA3-256 cells,
// each the code in the display case or "File Error".
struct ListRowRecord {
    platform::Path path;
    std::vector<std::u16string> cells;
    int errors = 0;  // the codes that could not be computed
};

ListRowRecord ListRow(const platform::Path& path, const digest::Codes& codes,
                      std::u16string_view caseText);

}  // namespace hashwell::core
