#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "platform/windows1252.h"

namespace hashwell::platform {
namespace {

constexpr std::intptr_t kClosed = -1;

std::string NativePath(const Path& path) {
    return Utf16ToUtf8(path);
}

}  // namespace

std::optional<ReadOnlyFile> ReadOnlyFile::OpenRegular(const Path& path) {
    // O_NONBLOCK makes opening a FIFO return at once instead of waiting for a writer;
    // the type check below then refuses it.
    const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return ReadOnlyFile(fd);
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (handle_ != kClosed) {
            ::close(static_cast<int>(handle_));
        }
        handle_ = std::exchange(other.handle_, kClosed);
    }
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kClosed) {
        ::close(static_cast<int>(handle_));
    }
}

std::optional<std::size_t> ReadOnlyFile::Read(std::uint8_t* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(static_cast<int>(handle_), buffer + filled, size - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

std::string ToAnsiCodePage(std::u16string_view text) {
    return Utf16ToWindows1252(text);
}

}  // namespace hashwell::platform
