#include "checksums/listed_name.h"

#include "platform/path_parts.h"
#include "platform/unicode.h"

namespace hashwell::checksums {

platform::Path ResolveListedName(const platform::Path& folder, std::string_view name) {
    platform::Path path = platform::DecodeNativeBytes(name);
    if (folder.empty() || platform::IsAbsolutePath(path)) {
        return path;
    }
    return platform::JoinPath(folder, path);
}

}  // namespace hashwell::checksums
