#pragma once

// Where a file named in a checksum file is.

#include <string_view>

#include "platform/platform.h"

namespace hashwell::checksums {

// The file that a checksum line names (`name`, the line's bytes in the system's encoding): an
// absolute name as it stands, a relative one joined to `folder`. An empty folder is the current
// folder: the name stays relative. The command line passes the current folder, or an .sfv
// file's own folder; the window passes the checksum file's own folder.
platform::Path ResolveListedName(const platform::Path& folder, std::string_view name);

}  // namespace hashwell::checksums
