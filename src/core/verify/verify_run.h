#pragma once

// Verifying a checksum file into the grid: each file it lists read once with every algorithm
// its lines name, on the list run's workers; a row per checksum line with its verdict, and one
// box with the total.

#include <string>
#include <string_view>

#include "core/desktop/desktop.h"
#include "core/list/file_list_run.h"
#include "core/shared/event_record.h"

namespace hashwell::core {

// Whether a file dropped alone onto the grid is to be verified rather than hashed: its name is
// a checksum file's and its first line that is not blank or a comment is a checksum line.
bool LooksLikeChecksumFile(const platform::Path& path);

// Verifies `file` into FileGrid, replacing its columns with "File Name", "Method", "Expected"
// and "Status" and drawing the rows that are not OK in red; names are found relative to the
// file's own folder. Escape and the close box stop it as they stop a list run. A file that
// cannot be read, or that holds no checksum line, is said so and changes nothing.
void VerifyChecksumFile(Desktop& desktop, EventRecord& events, const platform::Path& file,
                        std::u16string_view caseText, ListRunReport* report = nullptr);

}  // namespace hashwell::core
