#pragma once

// Paths as the command line puts them together: the names it prints are the paths the user
// gave, with the names below a folder joined to them.

#include "platform/platform.h"

namespace hashwell::cli {

// The folder and the name as one path, with one separator between them.
platform::Path JoinPath(const platform::Path& folder, const platform::Path& name);

// The folder part of a path with its last separator ("a/b/" of "a/b/c"); empty when there is
// none.
platform::Path FolderPart(const platform::Path& path);

}  // namespace hashwell::cli
