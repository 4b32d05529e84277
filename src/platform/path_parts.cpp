#include "platform/path_parts.h"

namespace hashwell::platform {

Path JoinPath(const Path& folder, const Path& name) {
    if (folder.empty() || IsPathSeparator(folder.back())) {
        return folder + name;
    }
    return folder + kPathSeparator + name;
}

Path FolderPart(const Path& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    return {};
}

Path NamePart(const Path& path) {
    return path.substr(FolderPart(path).size());
}

}  // namespace hashwell::platform
