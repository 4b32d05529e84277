#pragma once

// Paths put together as the user gave them: the names below a folder joined to it, and the
// folder and name parts of a path.

#include "platform/platform.h"

namespace hashwell::platform {

// The folder and the name as one path, with one separator between them.
Path JoinPath(const Path& folder, const Path& name);

// The folder part of a path with its last separator ("a/b/" of "a/b/c"); empty when there is
// none.
Path FolderPart(const Path& path);

// The name after the folder part ("c" of "a/b/c").
Path NamePart(const Path& path);

}  // namespace hashwell::platform
