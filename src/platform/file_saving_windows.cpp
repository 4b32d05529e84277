// Replacing a file's content, on Windows.

#include "platform/windows_support.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/save_copies.h"

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

// Moves the file's position to `offset`.
bool Seek(HANDLE file, std::uint64_t offset) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
}

// Copies the first `size` bytes of `from` over the start of `to`, leaving `to` at their end.
bool CopyBytes(HANDLE from, HANDLE to, std::uint64_t size) {
    if (!Seek(from, 0) || !Seek(to, 0)) {
        return false;
    }
    std::vector<char> buffer(64 * 1024);
    for (std::uint64_t done = 0; done < size;) {
        const auto ask = static_cast<DWORD>(std::min<std::uint64_t>(size - done, buffer.size()));
        DWORD got = 0;
        if (!::ReadFile(from, buffer.data(), ask, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            ::SetLastError(ERROR_HANDLE_EOF);  // the file was cut short meanwhile
            return false;
        }
        if (!WriteAll(to, {buffer.data(), got})) {
            return false;
        }
        done += got;
    }
    return true;
}

// The path as the user knows it: without the "\\?\" that GetFinalPathNameByHandleW puts before
// a drive letter, where the path is short enough to do without.
Path ShownPath(const Path& path) {
    const bool prefixed = path.starts_with(u"\\\\?\\") && path.size() > 6 && path[5] == u':';
    return prefixed && path.size() - 4 < MAX_PATH ? path.substr(4) : path;
}

// The old content of a file rewritten in place, kept in the user's cache folder (as save_copies.h
// tells) until the new content is on the disk: it is put back when writing fails, and named by
// the next start when the program is stopped in the middle.
class OldContentCopy {
public:
    OldContentCopy() = default;
    OldContentCopy(const OldContentCopy&) = delete;
    OldContentCopy& operator=(const OldContentCopy&) = delete;
    ~OldContentCopy() { Close(); }

    // Copies the first `size` bytes of `from`, the file `target`, and then records which file it
    // is and what it is to hold. False when it cannot, with the reason in GetLastError(); nothing
    // is left behind then.
    bool Make(HANDLE from, std::uint64_t size, const Path& target, std::string_view newContent) {
        ::SetLastError(ERROR_SUCCESS);
        const std::optional<Path> folder = SaveCopyFolder(true);
        if (!folder) {
            if (::GetLastError() == ERROR_SUCCESS) {
                ::SetLastError(ERROR_PATH_NOT_FOUND);  // no cache folder is known
            }
            return false;
        }
        const std::string unique = UniqueLetters();
        copy_ = *folder + CopyName(unique, target);
        record_ = *folder + RecordName(unique);
        size_ = size;
        // Shared with no one until it is closed: a search at another start cannot open it, and
        // leaves it alone.
        file_ = ::CreateFileW(Wide(copy_), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        if (!CopyBytes(from, file_, size) || !::FlushFileBuffers(file_) ||
            !WriteRecord(target, newContent)) {
            const DWORD error = ::GetLastError();
            Remove();
            ::SetLastError(error);
            return false;
        }
        return true;
    }

    // Writes the old content back over the file and cuts it to its old length.
    bool PutBack(HANDLE to) const {
        return CopyBytes(file_, to, size_) && ::SetEndOfFile(to) && ::FlushFileBuffers(to);
    }

    // Removes the record, then the copy: a copy without a record is never of a file left
    // half-written.
    void Remove() {
        if (recordMade_) {
            ::DeleteFileW(Wide(record_));
            recordMade_ = false;
        }
        if (file_ != INVALID_HANDLE_VALUE) {
            Close();
            ::DeleteFileW(Wide(copy_));
        }
    }

private:
    bool WriteRecord(const Path& target, std::string_view newContent) {
        HANDLE record = ::CreateFileW(Wide(record_), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (record == INVALID_HANDLE_VALUE) {
            return false;
        }
        recordMade_ = true;
        const bool written = WriteAll(record, RecordBytes(ShownPath(target), newContent)) &&
                             ::FlushFileBuffers(record);
        const DWORD error = ::GetLastError();
        ::CloseHandle(record);
        ::SetLastError(error);
        return written;
    }

    void Close() {
        if (file_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file_);
            file_ = INVALID_HANDLE_VALUE;
        }
    }

    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::uint64_t size_ = 0;
    Path copy_;
    Path record_;
    bool recordMade_ = false;
};

// Takes room on the disk for the new length before any byte is written over, where it is longer
// than the old (a smaller allocation would cut the file), so that a full disk stops the rewrite
// before it begins. False only for a lack of room. The old content's copy covers what that
// cannot: a compressed file's new bytes may still need more room, and a disk may fail.
bool ReserveRoom(HANDLE file, std::uint64_t current, std::uint64_t size) {
    if (size <= current) {
        return true;
    }
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (::SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation)) {
        return true;
    }
    const DWORD error = ::GetLastError();
    return error != ERROR_DISK_FULL && error != ERROR_HANDLE_DISK_FULL;
}

// Writes the bytes over the file itself, from its start, and cuts it to their length. A failure
// leaves the file as it was: room is reserved first, and the old content is copied aside and
// put back when writing fails. A file that cannot be read cannot be copied and is refused.
bool RewriteInPlace(const Path& target, std::string_view bytes, std::u16string* reason) {
    HANDLE file = ::CreateFileW(Wide(target), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Failed(reason, ::GetLastError());
    }
    LARGE_INTEGER old{};
    OldContentCopy copy;
    bool written = ::GetFileSizeEx(file, &old) &&
                   ReserveRoom(file, static_cast<std::uint64_t>(old.QuadPart), bytes.size()) &&
                   copy.Make(file, static_cast<std::uint64_t>(old.QuadPart), target, bytes);
    DWORD error = ::GetLastError();
    if (written) {
        written = Seek(file, 0) && WriteAll(file, bytes) && ::SetEndOfFile(file) &&
                  ::FlushFileBuffers(file);
        error = ::GetLastError();
        // A copy that could not be put back stays, for the next start to name.
        if (written || copy.PutBack(file)) {
            copy.Remove();
        }
    }
    if (!::CloseHandle(file) && written) {
        written = false;
        error = ::GetLastError();
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

bool CopyInUse(const Path& copy) {
    HANDLE file = ::CreateFileW(Wide(copy), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    }
    ::CloseHandle(file);
    return false;
}

bool RemoveFile(const Path& path) {
    return ::DeleteFileW(Wide(path)) != 0;
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
