#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/platform.h"
#include "platform/posix_support.h"
#include "platform/unicode.h"

namespace hashwell::platform {
namespace {

PathKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return PathKind::RegularFile;
    }
    return S_ISDIR(mode) ? PathKind::Folder : PathKind::Other;
}

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

}  // namespace

PathKind KindOf(const Path& path) {
    struct stat status {};
    if (::stat(NativePath(path).c_str(), &status) != 0) {
        return PathKind::Missing;
    }
    return KindOfMode(status.st_mode);
}

std::optional<std::vector<FolderEntry>> ListFolder(const Path& folder, std::u16string* reason) {
    const std::string native = NativePath(folder);
    const std::unique_ptr<DIR, FolderCloser> stream(::opendir(native.c_str()));
    if (!stream) {
        Failed(reason, errno);
        return std::nullopt;
    }
    const std::string prefix = native.ends_with('/') ? native : native + '/';
    std::vector<std::pair<std::string, FolderEntry>> found;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(stream.get());
        if (entry == nullptr) {
            if (errno != 0) {
                Failed(reason, errno);
                return std::nullopt;
            }
            break;
        }
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string full = prefix + name;
        struct stat own {};
        struct stat target {};
        const bool isLink = ::lstat(full.c_str(), &own) == 0 && S_ISLNK(own.st_mode);
        const PathKind kind =
            ::stat(full.c_str(), &target) == 0 ? KindOfMode(target.st_mode) : PathKind::Missing;
        found.push_back({name, FolderEntry{DecodeNativeBytes(name), kind, isLink}});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<FolderEntry> entries;
    entries.reserve(found.size());
    for (auto& [bytes, entry] : found) {
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<FileIdentity> IdentityOf(const Path& path) {
    struct stat status {};
    if (::stat(NativePath(path).c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace hashwell::platform
