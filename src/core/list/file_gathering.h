#pragma once

// The files a run over paths hashes: the paths in their order, each folder walked below it.

#include <cstdint>
#include <vector>

#include "core/desktop/desktop.h"
#include "core/shared/event_record.h"
#include "core/shared/hashing_run.h"
#include "platform/platform.h"

namespace hashwell::core {

struct GatheredFiles {
    std::vector<platform::Path> files;  // existing regular files the user may read, in order
    std::vector<std::uint64_t> sizes;   // each file's size when it was found
    std::uint64_t totalBytes = 0;
    std::vector<platform::Path> missing;  // the given paths that name nothing
};

// A path the runs hash: an existing regular file the user may read.
bool IsReadableFile(const platform::Path& path);

// Every readable regular file the paths name, in their order; a folder stands for the files
// below it, walked folder by folder in sorted order, following links to files but not to
// folders (so that no walk can loop). Missing paths, folders that cannot be read, and
// anything else are left out. The walk runs on a thread of its own while this one keeps the
// windows drawn and `bar` busy; Escape or the main window's close box stop it, and then
// `gathered` holds what was found so far.
RunEnd GatherFiles(Desktop& desktop, EventRecord& events, const std::vector<platform::Path>& paths,
                   MainControl bar, GatheredFiles& gathered);

}  // namespace hashwell::core
