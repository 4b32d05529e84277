#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/vfs.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/magic.h>
#endif

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/posix_support.h"
#include "platform/unicode.h"
#include "platform/windows1252.h"

namespace hashwell::platform {
namespace {

constexpr std::intptr_t kClosed = -1;

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Files of the kernel's pseudo file systems report a size (0, or a page) that is not the length
// of what they stream.
bool SizeIsLength([[maybe_unused]] int fd) {
#ifdef __linux__
    struct statfs system {};
    if (::fstatfs(fd, &system) != 0) {
        return true;
    }
    switch (static_cast<unsigned long>(system.f_type)) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
            return false;
        default:
            return true;
    }
#else
    return true;
#endif
}

bool Status(const Path& path, struct stat& status) {
    return ::stat(NativePath(path).c_str(), &status) == 0;
}

}  // namespace

std::string NativePath(const Path& path) {
    return EncodeNativeBytes(path);
}

bool Failed(std::u16string* reason, int error) {
    if (reason != nullptr) {
        *reason = DecodeNativeBytes(std::strerror(error));
    }
    return false;
}

std::optional<std::size_t> ReadFully(int fd, std::uint8_t* buffer, std::size_t size,
                                     std::u16string* reason) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(fd, buffer + filled, size - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Failed(reason, errno);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return filled;
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
    // Where streams are refused, O_NONBLOCK makes opening a FIFO return at once instead of
    // waiting for a writer, and the type check below refuses it. Where they are wanted, opening
    // waits for the writer: a FIFO opened before it would read as empty.
    const int fd = ::open(NativePath(path).c_str(),
                          O_RDONLY | O_CLOEXEC | O_NOCTTY | (streams ? 0 : O_NONBLOCK));
    if (fd < 0) {
        Failed(reason, errno);
        return std::nullopt;
    }
    struct stat status {};
    if (streams && ::fstat(fd, &status) == 0 &&
        (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))) {
        Stamp stream;
        stream.stream = true;
        return ReadOnlyFile(fd, stream);
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        if (status.st_mode == 0) {
            Failed(reason, error);
        } else if (folder) {
            Failed(reason, EISDIR);
        } else if (reason != nullptr) {
            *reason = kNotRegularFile;
        }
        return std::nullopt;
    }
    // Files are read from start to end: the system may read further ahead and drop what is done.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const Stamp opened{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                       Nanoseconds(status.st_ctim), SizeIsLength(fd), false};
    return ReadOnlyFile(fd, opened);
}

void ReadOnlyFile::AdviseWillRead() const {
    ::posix_fadvise(static_cast<int>(handle_), 0, 0, POSIX_FADV_WILLNEED);
}

bool ReadOnlyFile::StartsInMemory() const {
#ifdef RWF_NOWAIT
    // A read that must not wait fails at once when its bytes are not cached. It leaves the
    // file's position alone.
    char first = 0;
    iovec into{&first, 1};
    return ::preadv2(static_cast<int>(handle_), &into, 1, 0, RWF_NOWAIT) >= 0;
#else
    return false;
#endif
}

std::optional<ReadOnlyFile::Stamp> ReadOnlyFile::StampNow() const {
    struct stat status {};
    if (::fstat(static_cast<int>(handle_), &status) != 0) {
        return std::nullopt;
    }
    return Stamp{static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                 Nanoseconds(status.st_ctim), opened_.sizeIsLength, false};
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)),
      opened_(other.opened_),
      bytesRead_(other.bytesRead_) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        if (handle_ != kClosed) {
            ::close(static_cast<int>(handle_));
        }
        handle_ = std::exchange(other.handle_, kClosed);
        opened_ = other.opened_;
        bytesRead_ = other.bytesRead_;
    }
    return *this;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kClosed) {
        ::close(static_cast<int>(handle_));
    }
}

std::optional<std::size_t> ReadOnlyFile::Read(std::uint8_t* buffer, std::size_t size,
                                              std::u16string* reason) {
    const std::optional<std::size_t> filled =
        ReadFully(static_cast<int>(handle_), buffer, size, reason);
    bytesRead_ += filled.value_or(0);
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
    const char* value = std::getenv(EncodeNativeBytes(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return DecodeNativeBytes(value);
}

Path ProgramPath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return DecodeNativeBytes({buffer.data(), static_cast<std::size_t>(length)});
        }
        buffer.resize(buffer.size() * 2);
    }
}

Path CurrentDirectory() {
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return DecodeNativeBytes(buffer.data());
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

void PrepareProcess() {
    // Going past a file-size limit then fails the write, which is reported, instead of ending
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

std::vector<std::u16string> ProgramParameters(int argc, char** argv) {
    std::vector<std::u16string> parameters;
    for (int i = 1; i < argc; ++i) {
        parameters.push_back(DecodeNativeBytes(argv[i]));
    }
    return parameters;
}

std::string ToAnsiCodePage(std::u16string_view text) {
    return Utf16ToWindows1252(text);
}

std::optional<std::string> ToAnsiCodePageExactly(std::u16string_view text) {
    std::string bytes = Utf16ToWindows1252(text);
    if (Windows1252ToUtf16(bytes) != text) {
        return std::nullopt;  // a character became '?'
    }
    return bytes;
}

std::u16string DecodeSystemText(std::string_view bytes) {
    return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : Windows1252ToUtf16(bytes);
}

bool ShowHtmlHelp(const Path&, std::u16string_view) {
    return false;  // no system viewer: the program shows the file itself
}

bool IsPathSeparator(char16_t c) {
    return c == u'/';
}

bool IsAbsolutePath(const Path& path) {
    return path.starts_with(u'/');
}

std::vector<Path> ProgramDataFolders(const Path& programPath) {
    const Path program = programPath.substr(0, programPath.rfind(u'/') + 1);
    if (program.empty()) {
        return {};
    }
    return {program + u"Help/", program, program + u"../share/hashwell/"};
}

bool IsSystemProgramFolder(std::u16string_view folder) {
    if (folder.starts_with(u"/usr/") || folder.starts_with(u"/opt/")) {
        return true;
    }
    // A program in a "bin" folder was installed there, whatever the prefix (~/.local/bin,
    // /usr/local/bin); so was one whose folder the user may not write, where settings could
    // not be kept beside it anyway.
    std::u16string_view named = folder;
    while (named.size() > 1 && named.back() == u'/') {
        named.remove_suffix(1);
    }
    if (named == u"bin" || named.ends_with(u"/bin")) {
        return true;
    }
    const Path path(folder);
    return FolderExists(path) && !IsWritableFile(path);
}

Path UserConfigurationFolder(
    const std::function<std::optional<std::u16string>(std::u16string_view)>& variable) {
    auto value = [&](std::u16string_view name) { return variable(name).value_or(Path()); };
    // The XDG configuration folder; it is the one level above the program's that may be missing.
    Path base = value(u"XDG_CONFIG_HOME");
    if (base.empty() && !value(u"HOME").empty()) {
        base = value(u"HOME");
        base += base.back() == u'/' ? u".config" : u"/.config";
    }
    if (!base.empty() && !FolderExists(base)) {
        CreateFolder(base);
    }
    return base;
}

}  // namespace hashwell::platform
