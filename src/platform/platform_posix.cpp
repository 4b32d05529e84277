#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "platform/windows1252.h"

namespace hashwell::platform {
namespace {

constexpr std::intptr_t kClosed = -1;

std::string NativePath(const Path& path) {
    return Utf16ToUtf8(path);
}

bool Status(const Path& path, struct stat& status) {
    return ::stat(NativePath(path).c_str(), &status) == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path finally names, following symbolic links; the path itself when it cannot be
// resolved.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes the rename itself durable; nothing to undo if it fails
        ::close(fd);
    }
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

bool PathExists(const Path& path) {
    struct stat status {};
    return Status(path, status);
}

bool FolderExists(const Path& path) {
    struct stat status {};
    return Status(path, status) && S_ISDIR(status.st_mode);
}

bool IsRegularFile(const Path& path) {
    struct stat status {};
    return Status(path, status) && S_ISREG(status.st_mode);
}

std::optional<std::uint64_t> RegularFileSize(const Path& path) {
    struct stat status {};
    if (!Status(path, status) || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::int64_t CheckFileAccess(const Path& path, std::uint32_t desiredAccess) {
    struct stat status {};
    if (!Status(path, status)) {
        return -1;
    }
    const bool readable = ::faccessat(AT_FDCWD, NativePath(path).c_str(), R_OK, AT_EACCESS) == 0;
    return readable && desiredAccess == kFileGenericRead ? kFileGenericRead : 0;
}

bool CreateFolder(const Path& path) {
    return ::mkdir(NativePath(path).c_str(), 0777) == 0;
}

std::optional<std::u16string> EnvironmentVariable(std::u16string_view name) {
    const char* value = std::getenv(Utf16ToUtf8(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return Utf8ToUtf16(value);
}

Path ProgramPath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return Utf8ToUtf16({buffer.data(), static_cast<std::size_t>(length)});
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsWritableFile(const Path& path) {
    struct stat status {};
    if (!Status(path, status) || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    return ::faccessat(AT_FDCWD, NativePath(path).c_str(), W_OK, AT_EACCESS) == 0;
}

bool CreateEmptyFile(const Path& path) {
    const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    return ::close(fd) == 0;
}

bool ReplaceFileContent(const Path& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(NativePath(path));
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);

    std::string temporary = folder + ".hashwell-save-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool written = WriteAll(fd, bytes);
    if (existed) {
        written = written && ::fchmod(fd, old.st_mode & 07777) == 0;
        if (::geteuid() == 0) {
            // An administrator saving a user's file leaves it the user's.
            written = written && ::fchown(fd, old.st_uid, old.st_gid) == 0;
        }
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::string ToAnsiCodePage(std::u16string_view text) {
    return Utf16ToWindows1252(text);
}

}  // namespace hashwell::platform
