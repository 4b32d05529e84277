#include "cli/paths.h"

namespace hashwell::cli {

platform::Path JoinPath(const platform::Path& folder, const platform::Path& name) {
    if (folder.empty() || platform::IsPathSeparator(folder.back())) {
        return folder + name;
    }
    return folder + platform::kPathSeparator + name;
}

platform::Path FolderPart(const platform::Path& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (platform::IsPathSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    return {};
}

}  // namespace hashwell::cli
