#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace hashwell::platform {
namespace {

constexpr std::intptr_t kClosed = -1;  // the value of INVALID_HANDLE_VALUE

const wchar_t* Wide(const Path& path) {
    return reinterpret_cast<const wchar_t*>(path.c_str());
}
HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

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

}  // namespace

std::optional<ReadOnlyFile> ReadOnlyFile::OpenRegular(const Path& path) {
    // Other processes may read the file too; one holding it open for writing keeps us out.
    HANDLE file = ::CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = ::GetFileType(file) == FILE_TYPE_DISK &&
                         ::GetFileInformationByHandle(file, &info) &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!regular) {
        ::CloseHandle(file);
        return std::nullopt;
    }
    return ReadOnlyFile(reinterpret_cast<std::intptr_t>(file));
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (handle_ != kClosed) {
            ::CloseHandle(AsHandle(handle_));
        }
        handle_ = std::exchange(other.handle_, kClosed);
    }
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kClosed) {
        ::CloseHandle(AsHandle(handle_));
    }
}

std::optional<std::size_t> ReadOnlyFile::Read(std::uint8_t* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - filled, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(AsHandle(handle_), buffer + filled, ask, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

bool PathExists(const Path& path) {
    return ::GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const Path& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsRegularFile(const Path& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::optional<std::uint64_t> RegularFileSize(const Path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::int64_t CheckFileAccess(const Path& path, std::uint32_t desiredAccess) {
    constexpr SECURITY_INFORMATION kWanted =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD needed = 0;
    if (::GetFileSecurityW(Wide(path), kWanted, nullptr, 0, &needed) ||
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) {
        return -1;
    }
    std::vector<std::uint8_t> descriptor(needed);
    if (!::GetFileSecurityW(Wide(path), kWanted, descriptor.data(), needed, &needed)) {
        return 0;
    }
    DWORD granted = 0;
    if (::ImpersonateSelf(SecurityImpersonation)) {
        HANDLE token = nullptr;
        if (::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
            GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                                    FILE_ALL_ACCESS};
            DWORD desired = desiredAccess;
            ::MapGenericMask(&desired, &mapping);
            std::uint8_t privileges[20] = {};
            DWORD privilegesLength = sizeof privileges;
            BOOL status = FALSE;
            if (!::AccessCheck(descriptor.data(), token, desired, &mapping,
                               reinterpret_cast<PPRIVILEGE_SET>(privileges), &privilegesLength,
                               &granted, &status)) {
                granted = 0;
            }
            ::CloseHandle(token);
        }
        ::RevertToSelf();
    }
    return granted;
}

bool CreateFolder(const Path& path) {
    return ::CreateDirectoryW(Wide(path), nullptr) != 0;
}

std::optional<std::u16string> EnvironmentVariable(std::u16string_view name) {
    const std::u16string key(name);
    const auto* wideKey = reinterpret_cast<const wchar_t*>(key.c_str());
    const DWORD needed = ::GetEnvironmentVariableW(wideKey, nullptr, 0);
    if (needed == 0) {
        return std::nullopt;
    }
    std::u16string value(needed, u'\0');
    const DWORD length =
        ::GetEnvironmentVariableW(wideKey, reinterpret_cast<wchar_t*>(value.data()), needed);
    value.resize(length);
    return value;
}

Path ProgramPath() {
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()),
                                                  static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool IsWritableFile(const Path& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    HANDLE file = ::CreateFileW(Wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

bool CreateEmptyFile(const Path& path) {
    HANDLE file = ::CreateFileW(Wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

bool ReplaceFileContent(const Path& path, std::string_view bytes) {
    const Path target = ResolvedTarget(path);
    const std::size_t slash = target.find_last_of(u"\\/");
    const Path folder = slash == Path::npos ? Path(u".") : target.substr(0, slash);
    std::u16string temporary(MAX_PATH, u'\0');
    if (::GetTempFileNameW(Wide(folder), L"hws", 0, reinterpret_cast<wchar_t*>(temporary.data())) ==
        0) {
        return false;
    }
    temporary.resize(temporary.find(u'\0'));
    HANDLE file = ::CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ::DeleteFileW(Wide(temporary));
        return false;
    }
    DWORD written = 0;
    bool ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && ::FlushFileBuffers(file);
    ok = ::CloseHandle(file) && ok;
    // ReplaceFileW keeps the old file's attributes and security descriptor.
    if (!ok || !::ReplaceFileW(Wide(target), Wide(temporary), nullptr,
                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        ::DeleteFileW(Wide(temporary));
        return false;
    }
    return true;
}

std::string ToAnsiCodePage(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide, units, out.data(), needed, nullptr, nullptr);
    return out;
}

}  // namespace hashwell::platform
