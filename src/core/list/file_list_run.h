#pragma once

// The list run of the window: many files hashed five ways into the grid.

#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/desktop.h"
#include "core/shared/event_record.h"
#include "platform/platform.h"

namespace hashwell::core {

// The column titles of every run, separated by ",": "File Name", then the titles of the
// catalogue's list-run algorithms, "CRC-32B,MD5,SHA-1,SHA-256,SHA-3-256".
std::u16string FileListColumns();

// Hashes every readable regular file of `paths` five ways and fills FileGrid with a row per
// file, replacing its columns and rows. Shows the progress, warns before 11 or more entries
// (empty ones count), and afterwards asks for a wider window when the main window still has
// `startWidth`. Returns 1 when the run was made, 0 when the titles hold only spaces or the list
// is one entry of only spaces (then nothing changes at all).
int FileListRun(Desktop& desktop, EventRecord& events, int startWidth, std::u16string_view caseText,
                std::u16string_view columnTitles, const std::vector<platform::Path>& paths);

}  // namespace hashwell::core
