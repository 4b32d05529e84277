// Replacing a file's content, on Windows.

#include "platform/windows_support.h"

#include <algorithm>

#include "platform/platform.h"

namespace hashwell::platform {
namespace {

// The file a path finally names, following symbolic links, so that a save replaces the
// link's target and not the link; the path itself when it cannot be resolved.
Path ResolvedTarget(const Path& path) {
    HANDLE file =
        ::CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return path;
    }
    std::u16string target(MAX_PATH, u'\0');
    DWORD length = 0;
    for (;;) {
        length = ::GetFinalPathNameByHandleW(file, reinterpret_cast<wchar_t*>(target.data()),
                                             static_cast<DWORD>(target.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length < target.size()) {
            break;
        }
        target.resize(length + 1);
    }
    ::CloseHandle(file);
    if (length == 0) {
        return path;
    }
    target.resize(length);
    return target;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), ask, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Writes the bytes over the file itself, from its start, and cuts it to their length.
bool RewriteInPlace(const Path& target, std::string_view bytes, std::u16string* reason) {
    HANDLE file = ::CreateFileW(Wide(target), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Failed(reason, ::GetLastError());
    }
    const bool written = WriteAll(file, bytes) && ::SetEndOfFile(file) && ::FlushFileBuffers(file);
    const DWORD error = ::GetLastError();
    if (!::CloseHandle(file)) {
        return Failed(reason, ::GetLastError());
    }
    return written || Failed(reason, error);
}

// The number of names (hard links) the file has; 0 when it cannot be told.
DWORD LinkCount(const Path& path) {
    HANDLE file =
        ::CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD links = ::GetFileInformationByHandle(file, &info) ? info.nNumberOfLinks : 0;
    ::CloseHandle(file);
    return links;
}

constexpr std::u16string_view kSavePrefix = u".hashwell-save-";
constexpr std::size_t kSaveUniqueLength = 6;

// A new, empty temporary file in `folder`, named like the leftovers RemoveInterruptedSaves
// looks for.
HANDLE CreateSaveFile(const Path& folder, Path& name) {
    static const char16_t kDigits[] = u"0123456789abcdefghijklmnopqrstuv";
    std::uint64_t seed = ::GetTickCount64() * 2654435761u ^ ::GetCurrentProcessId();
    for (int attempt = 0; attempt < 100; ++attempt, seed = seed * 6364136223846793005u + 1) {
        name = folder + u'\\' + Path(kSavePrefix);
        for (std::size_t k = 0; k < kSaveUniqueLength; ++k) {
            name += kDigits[(seed >> (5 * k + 20)) & 31];
        }
        HANDLE file = ::CreateFileW(Wide(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

Path FolderOf(const Path& target) {
    const std::size_t slash = target.find_last_of(u"\\/");
    return slash == Path::npos ? Path(u".") : target.substr(0, slash);
}

}  // namespace

bool ReplaceFileContent(const Path& path, std::string_view bytes, std::u16string* reason) {
    const Path target = ResolvedTarget(path);
    const bool existed = PathExists(target);
    if (existed && !IsWritableFile(target)) {
        return Failed(reason, ERROR_ACCESS_DENIED);  // a new file must not take its place
    }
    // A file with other names would lose them to a new file: it is rewritten where it is.
    if (existed && LinkCount(target) > 1) {
        return RewriteInPlace(target, bytes, reason);
    }
    Path temporary;
    HANDLE file = CreateSaveFile(FolderOf(target), temporary);
    if (file == INVALID_HANDLE_VALUE) {
        // A folder the user may not write: an existing file itself may still be written.
        const DWORD error = ::GetLastError();
        return existed ? RewriteInPlace(target, bytes, reason) : Failed(reason, error);
    }
    bool ok = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    DWORD error = ok ? ERROR_SUCCESS : ::GetLastError();
    if (!::CloseHandle(file) && ok) {
        ok = false;
        error = ::GetLastError();
    }
    // ReplaceFileW keeps the old file's attributes and security descriptor.
    if (ok && !(existed ? ::ReplaceFileW(Wide(target), Wide(temporary), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                        : ::MoveFileExW(Wide(temporary), Wide(target), MOVEFILE_WRITE_THROUGH))) {
        ok = false;
        error = ::GetLastError();
    }
    if (!ok) {
        ::DeleteFileW(Wide(temporary));
        return Failed(reason, error);
    }
    return true;
}

void RemoveInterruptedSaves(const Path& path) {
    const Path folder = FolderOf(ResolvedTarget(path));
    const Path pattern = folder + u'\\' + Path(kSavePrefix) + u'*';
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(Wide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const Path name(reinterpret_cast<const char16_t*>(found.cFileName));
        if (name.size() == kSavePrefix.size() + kSaveUniqueLength &&
            (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            ::DeleteFileW(Wide(folder + u'\\' + name));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace hashwell::platform
