#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/windows_support.h"

namespace hashwell::platform {
namespace {

constexpr std::intptr_t kClosed = -1;  // the value of INVALID_HANDLE_VALUE

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::int64_t AsInteger(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

std::uint64_t SizeOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// The time of the file's last change of any kind; 0 where the system does not tell it.
std::int64_t ChangeTime(HANDLE file) {
    FILE_BASIC_INFO basic{};
    return ::GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic)
               ? basic.ChangeTime.QuadPart
               : 0;
}

}  // namespace

const wchar_t* Wide(const Path& path) {
    return reinterpret_cast<const wchar_t*>(path.c_str());
}

std::optional<std::size_t> ReadFully(HANDLE handle, std::uint8_t* buffer, std::size_t size,
                                     std::u16string* reason) {
    std::size_t filled = 0;
    while (filled < size) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - filled, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(handle, buffer + filled, ask, &got, nullptr)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_BROKEN_PIPE) {
                break;  // the writing end of a pipe was closed: the end of the input
            }
            Failed(reason, error);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

bool Failed(std::u16string* reason, DWORD error) {
    if (reason != nullptr) {
        wchar_t* text = nullptr;
        const DWORD length =
            ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        reason->assign(reinterpret_cast<const char16_t*>(text), length);
        while (!reason->empty() &&
               (reason->back() == u'\n' || reason->back() == u'\r' || reason->back() == u'.')) {
            reason->pop_back();
        }
        ::LocalFree(text);
    }
    return false;
}

std::optional<ReadOnlyFile> ReadOnlyFile::OpenRegular(const Path& path, std::u16string* reason) {
    return Open(path, reason, false);
}

std::optional<ReadOnlyFile> ReadOnlyFile::OpenFileOrStream(const Path& path,
                                                           std::u16string* reason) {
    return Open(path, reason, true);
}

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const Path& path, std::u16string* reason,
                                               bool streams) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        if (reason != nullptr) {
            *reason = kIsAFolder;  // the system would only say that access is denied
        }
        return std::nullopt;
    }
    // Other processes may read the file too; one holding it open for writing keeps us out.
    // Files are read from start to end: the cache may read further ahead.
    HANDLE file = ::CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Failed(reason, ::GetLastError());
        return std::nullopt;
    }
    const DWORD type = ::GetFileType(file);
    if (streams && (type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR)) {
        Stamp stream;
        stream.stream = true;
        return ReadOnlyFile(reinterpret_cast<std::intptr_t>(file), stream);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = ::GetFileType(file) == FILE_TYPE_DISK &&
                         ::GetFileInformationByHandle(file, &info) &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!regular) {
        ::CloseHandle(file);
        if (reason != nullptr) {
            *reason = kNotRegularFile;
        }
        return std::nullopt;
    }
    const Stamp opened{SizeOf(info), AsInteger(info.ftLastWriteTime), ChangeTime(file), true,
                       false};
    return ReadOnlyFile(reinterpret_cast<std::intptr_t>(file), opened);
}

void ReadOnlyFile::AdviseWillRead() const {
    // The cache reads ahead of sequential reads by itself; there is no call that starts reading
    // a whole file before its first read.
}

bool ReadOnlyFile::StartsInMemory() const {
    return true;
}

std::optional<ReadOnlyFile::Stamp> ReadOnlyFile::StampNow() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(AsHandle(handle_), &info)) {
        return std::nullopt;
    }
    return Stamp{SizeOf(info), AsInteger(info.ftLastWriteTime), ChangeTime(AsHandle(handle_)),
                 opened_.sizeIsLength, false};
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)),
      opened_(other.opened_),
      bytesRead_(other.bytesRead_) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (handle_ != kClosed) {
            ::CloseHandle(AsHandle(handle_));
        }
        handle_ = std::exchange(other.handle_, kClosed);
        opened_ = other.opened_;
        bytesRead_ = other.bytesRead_;
    }
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kClosed) {
        ::CloseHandle(AsHandle(handle_));
    }
}

std::optional<std::size_t> ReadOnlyFile::Read(std::uint8_t* buffer, std::size_t size,
                                              std::u16string* reason) {
    const std::optional<std::size_t> filled = ReadFully(AsHandle(handle_), buffer, size, reason);
    bytesRead_ += filled.value_or(0);
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

Path CurrentDirectory() {
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) {
        return {};
    }
    Path path(needed, u'\0');
    const DWORD length = ::GetCurrentDirectoryW(needed, reinterpret_cast<wchar_t*>(path.data()));
    path.resize(length);
    return path;
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

bool ShowHtmlHelp(const Path& helpFile, std::u16string_view topic) {
    // HTML Help lives in hhctrl.ocx, loaded when first asked for; HH_DISPLAY_TOPIC is 0.
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static const HMODULE library = ::LoadLibraryW(L"hhctrl.ocx");
    if (library == nullptr) {
        return false;
    }
    // Through void(*)(): GetProcAddress gives every function the same type.
    const auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "HtmlHelpW")));
    if (htmlHelp == nullptr) {
        return false;
    }
    const Path address = helpFile + u"::/" + Path(topic);
    htmlHelp(nullptr, Wide(address), 0, 0);
    return true;
}

void PrepareProcess() {
    // Windows has no signal for a file-size limit: a failed write is reported as it is.
}

std::vector<std::u16string> ProgramParameters(int, char**) {
    // The ANSI argv would lose every character outside the code page.
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::u16string> parameters;
    for (int i = 1; arguments != nullptr && i < count; ++i) {
        parameters.emplace_back(reinterpret_cast<const char16_t*>(arguments[i]));
    }
    ::LocalFree(arguments);
    return parameters;
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

std::optional<std::string> ToAnsiCodePageExactly(std::u16string_view text) {
    if (text.empty() || ::GetACP() == CP_UTF8) {
        return ToAnsiCodePage(text);  // UTF-8 holds every character
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int units = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int needed = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0,
                                             nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, out.data(), needed, nullptr,
                          nullptr);
    return out;
}

std::u16string DecodeSystemText(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    std::u16string text(static_cast<std::size_t>(needed), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()),
                          needed);
    return text;
}

bool IsPathSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool IsAbsolutePath(const Path& path) {
    return (!path.empty() && IsPathSeparator(path[0])) || (path.size() >= 2 && path[1] == u':');
}

std::vector<Path> ProgramDataFolders(const Path&) {
    return {};  // the current folder alone, as Windows programs look
}

bool IsSystemProgramFolder(std::u16string_view) {
    return false;  // "Program Files" alone tells
}

Path UserConfigurationFolder(
    const std::function<std::optional<std::u16string>(std::u16string_view)>& variable) {
    return variable(u"LOCALAPPDATA").value_or(Path());
}

}  // namespace hashwell::platform
