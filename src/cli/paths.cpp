#include "cli/paths.h"

namespace hashwell::cli {
namespace {

bool IsSeparator(char16_t c) {
#ifdef _WIN32
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

}  // namespace

platform::Path JoinPath(const platform::Path& folder, const platform::Path& name) {
    if (folder.empty() || IsSeparator(folder.back())) {
        return folder + name;
    }
    return folder + platform::kPathSeparator + name;
}

bool IsAbsolutePath(const platform::Path& path) {
#ifdef _WIN32
    return (!path.empty() && IsSeparator(path[0])) || (path.size() >= 2 && path[1] == u':');
#else
    return path.starts_with(u'/');
#endif
}

platform::Path FolderPart(const platform::Path& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    return {};
}

}  // namespace hashwell::cli
