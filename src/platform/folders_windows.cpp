#include <algorithm>

#include "platform/platform.h"
#include "platform/windows_support.h"

namespace hashwell::platform {
namespace {

// Opens what the path finally names, links followed, only to look at it.
HANDLE OpenToLookAt(const Path& path) {
    return ::CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool IsLinkEntry(const WIN32_FIND_DATAW& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
            found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

}  // namespace

PathKind KindOf(const Path& path) {
    HANDLE file = OpenToLookAt(path);
    if (file == INVALID_HANDLE_VALUE) {
        return PathKind::Missing;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    PathKind kind = PathKind::Missing;
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        kind = PathKind::Other;
    } else if (::GetFileInformationByHandle(file, &info)) {
        kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder
                                                                       : PathKind::RegularFile;
    }
    ::CloseHandle(file);
    return kind;
}

std::optional<std::vector<FolderEntry>> ListFolder(const Path& folder, std::u16string* reason) {
    const Path prefix = folder.ends_with(u'\\') || folder.ends_with(u'/') ? folder : folder + u'\\';
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileExW(Wide(prefix + u'*'), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        Failed(reason, ::GetLastError());
        return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    do {
        const Path name(reinterpret_cast<const char16_t*>(found.cFileName));
        if (name == u"." || name == u"..") {
            continue;
        }
        entries.push_back({name, KindOf(prefix + name), IsLinkEntry(found)});
    } while (::FindNextFileW(search, &found));
    const DWORD error = ::GetLastError();
    ::FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        Failed(reason, error);
        return std::nullopt;
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

std::optional<FileIdentity> IdentityOf(const Path& path) {
    HANDLE file = OpenToLookAt(path);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{
        info.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace hashwell::platform
