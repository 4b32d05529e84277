#pragma once

// The list run of the window: many files hashed five ways into the grid.

#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/desktop.h"
#include "core/shared/event_record.h"
#include "core/shared/hashing_run.h"
#include "platform/platform.h"

namespace hashwell::core {

// The column titles of every run, separated by ",": "File Name", then the titles of the
// catalogue's list-run algorithms, "CRC-32B,MD5,SHA-1,SHA-256,SHA-3-256".
std::u16string FileListColumns();

// How a run went, for the caller to act on.
struct ListRunReport {
    RunEnd end = RunEnd::Finished;
    std::vector<platform::Path> missing;  // the given paths that name nothing
};

// Hashes every readable regular file of `paths`, and of the folders among them, five ways and
// fills FileGrid with a row per file, replacing its columns and rows. The files are found on
// a thread of their own; before 11 or more of them the user is asked, and No leaves the grid
// as it was. Shows the progress, and afterwards asks for a wider window when the main window
// still has `startWidth`. Escape stops the run: the rows finished stay and a box says how far
// it came; the main window's close box stops it too, without a box, for the program to end.
// Returns 1 when the run was made, 0 when the titles hold only spaces, the list is one entry
// of only spaces, the user answered No, or the files were still being found when the run was
// stopped (then the grid is as it was).
int FileListRun(Desktop& desktop, EventRecord& events, int startWidth, std::u16string_view caseText,
                std::u16string_view columnTitles, const std::vector<platform::Path>& paths,
                ListRunReport* report = nullptr);

}  // namespace hashwell::core
