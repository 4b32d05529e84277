#pragma once

#include <string_view>

#include "core/desktop.h"

namespace hashwell::core {

// The column titles of every run, separated by ",".
inline constexpr std::u16string_view kFileListColumns =
    u"File Name,CRC-32B,MD5,SHA-1,SHA-256,SHA-3-256";

// Hashes every readable regular file of `pathList` (full paths joined by the list separator)
// five ways and fills FileGrid with a row per file, replacing its columns and rows. Shows the
// progress, warns before 11 or more entries, and afterwards asks for a wider window when the
// main window still has `startWidth`. Returns 1 when the run was made, 0 when the titles or
// the list hold only spaces (then nothing changes at all).
int FileListRun(Desktop& desktop, int startWidth, std::u16string_view caseText,
                std::u16string_view columnTitles, std::u16string_view pathList);

}  // namespace hashwell::core
