#pragma once

// What the program needs of the operating system, with one implementation for POSIX
// systems and one for Windows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hashwell::platform {

// Paths are UTF-16 text, like every text inside the program.
using Path = std::u16string;

// The separator between folder and name in a path.
#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// Joins several full paths into one list text. On Windows it is "?", which no file name may
// hold; on POSIX systems, where "?" is a legal file-name character, it is NUL, the one
// character no path can hold.
#ifdef _WIN32
inline constexpr char16_t kListSeparator = u'?';
#else
inline constexpr char16_t kListSeparator = u'\0';
#endif

// A regular file opened for reading only; closed when the object goes away.
class ReadOnlyFile {
public:
    // Opens `path` only when it names a regular file: directories, FIFOs and devices are
    // refused at once, so a caller never blocks or reads forever.
    static std::optional<ReadOnlyFile> OpenRegular(const Path& path);

    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // Fills `buffer` as far as the file allows and returns the number of bytes read, which
    // is below `size` only at the end of the file; nothing when the system reports an error.
    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size);

private:
    explicit ReadOnlyFile(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
};

// True when a file or folder of that name exists.
bool PathExists(const Path& path);
// True when the path names an existing folder.
bool FolderExists(const Path& path);
// True when the path names an existing regular file (not a folder, pipe or device).
bool IsRegularFile(const Path& path);
// The size in bytes of a regular file; nothing when it is not one or cannot be looked at.
std::optional<std::uint64_t> RegularFileSize(const Path& path);
// Creates one folder; its parent must exist. False when it cannot be created.
bool CreateFolder(const Path& path);

// The generic read rights of a file, as a Windows access mask.
inline constexpr std::uint32_t kFileGenericRead = 0x120089;
// The access the current user is granted on the file, as a Windows access mask, of the rights
// asked for: 0 when none (or when the answer cannot be had part-way), -1 when the file's
// security cannot be looked at at all. On POSIX systems only reading is known: the answer to
// kFileGenericRead is kFileGenericRead when the user may read the file.
std::int64_t CheckFileAccess(const Path& path, std::uint32_t desiredAccess);

// The value of an environment variable; nothing when it is unset.
std::optional<std::u16string> EnvironmentVariable(std::u16string_view name);
// The full path of the running program file.
Path ProgramPath();

// The whole content of a regular file; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const Path& path);
// True when the user may write the file and it is not marked read-only (no write permission
// bit on POSIX, the read-only attribute on Windows), so even an administrator leaves it alone.
bool IsWritableFile(const Path& path);
// Creates an empty file, emptying one that exists. False when it cannot be created.
bool CreateEmptyFile(const Path& path);
// Replaces the content of the file as a whole or not at all: the bytes go to a temporary file
// in the same folder, are flushed to the disk, and only then take the old file's place. The
// file keeps its permissions; a symbolic link is followed and its target replaced. False, with
// the old file unchanged, when any step fails.
bool ReplaceFileContent(const Path& path, std::string_view bytes);

// The text in the system's ANSI code page (Windows-1252 on POSIX systems); characters the
// code page cannot hold become its default character.
std::string ToAnsiCodePage(std::u16string_view text);

}  // namespace hashwell::platform
