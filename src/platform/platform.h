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

// The text in the system's ANSI code page (Windows-1252 on POSIX systems); characters the
// code page cannot hold become its default character.
std::string ToAnsiCodePage(std::u16string_view text);

}  // namespace hashwell::platform
