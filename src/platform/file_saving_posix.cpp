// Replacing a file's content, on POSIX systems.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/platform.h"
#include "platform/posix_support.h"

namespace hashwell::platform {
namespace {

constexpr std::string_view kSavePrefix = ".hashwell-save-";
constexpr std::size_t kUniqueLength = 6;

// Letters and digits that make a new name unlikely to be taken.
std::string UniqueLetters() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[kUniqueLength] = {};
    if (::getentropy(random, sizeof random) != 0) {
        // Taken names are tried again, so the clock and the process do in its place.
        std::uint64_t seed = static_cast<std::uint64_t>(::clock()) * 0x9E3779B97F4A7C15u ^
                             static_cast<std::uint64_t>(::getpid());
        for (unsigned char& r : random) {
            r = static_cast<unsigned char>(seed >>= 8);
        }
    }
    std::string letters;
    for (const unsigned char r : random) {
        letters += kLetters[r % (sizeof kLetters - 1)];
    }
    return letters;
}

// Creates a new file of a free name, `prefix` followed by unique letters, with `mode` less the
// umask, as any program creates a file. -1 when it cannot, with the reason in errno.
int CreateUniqueFile(const std::string& prefix, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + UniqueLetters();
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// True when a file open in this process can be given a name through /proc/self/fd.
bool CanNameOpenFiles() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

// A new file in `folder`, open for reading and writing, with `mode` less the umask. Where the
// file system allows (Linux's O_TMPFILE) it has no name, so that nothing of it stays when the
// program is stopped, and `name` is left empty; elsewhere it gets a free name, `prefix` followed
// by unique letters. -1 when it cannot be made, with the reason in errno.
int CreateNewFile(const std::string& folder, const std::string& prefix, mode_t mode,
                  std::string& name) {
#ifdef O_TMPFILE
    if (CanNameOpenFiles()) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (fd >= 0) {
            name.clear();
            return fd;
        }
        // How kernels and file systems without it refuse it; any other error is the folder's.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return -1;
        }
    }
#endif
    return CreateUniqueFile(prefix, mode, name);
}

// Gives a file that CreateNewFile made without a name a free one, `prefix` followed by unique
// letters. False when it cannot, with the reason in errno.
bool NameNewFile(int fd, const std::string& prefix, std::string& name) {
    const std::string open = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + UniqueLetters();
        if (::linkat(AT_FDCWD, open.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    name.clear();
    return false;
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

std::string FolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    return slash == std::string::npos ? "./" : target.substr(0, slash + 1);
}

// A new file put in the old one's place is the same file to everyone else only when the old one
// has no other names (hard links) and the new one can have its owner and group.
bool ReplacingKeepsIdentity(const struct stat& old) {
    return old.st_nlink == 1 && (::geteuid() == 0 || old.st_uid == ::geteuid());
}

// Writes the bytes over the file itself, from its start, and cuts it to their length.
bool RewriteInPlace(const std::string& target, std::string_view bytes, std::u16string* reason) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Failed(reason, errno);
    }
    const bool written = WriteAll(fd, bytes) &&
                         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0) {
        return Failed(reason, errno);
    }
    return written || Failed(reason, error);
}

// The temporary file takes the old file's owner, group and permissions; false when it cannot
// have them.
bool TakeIdentity(int fd, const struct stat& old) {
    if (::geteuid() == 0) {
        // An administrator saving a user's file leaves it the user's.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            return false;
        }
    } else if (old.st_gid != ::getegid() && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        return false;  // a group the user is not in
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool IsSaveLeftover(std::string_view name) {
    return name.size() == kSavePrefix.size() + kUniqueLength && name.starts_with(kSavePrefix);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes the rename itself durable; nothing to undo if it fails
        ::close(fd);
    }
}

}  // namespace

bool ReplaceFileContent(const Path& path, std::string_view bytes, std::u16string* reason) {
    const std::string target = ResolvedTarget(NativePath(path));
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        return Failed(reason, errno);  // a new file must not take the place of one kept from us
    }
    if (existed && !ReplacingKeepsIdentity(old)) {
        return RewriteInPlace(target, bytes, reason);
    }
    const std::string folder = FolderOf(target);
    // A new file gets the permissions any program gives one; a file taking an old one's place
    // starts private and takes the old one's owner, group and permissions before it is written.
    const std::string prefix = folder + std::string(kSavePrefix);
    std::string temporary;
    const int fd = CreateNewFile(folder, prefix, existed ? 0600 : 0666, temporary);
    if (fd < 0) {
        // A folder the user may not write: an existing file itself may still be written.
        return existed ? RewriteInPlace(target, bytes, reason) : Failed(reason, errno);
    }
    if (existed && !TakeIdentity(fd, old)) {
        ::close(fd);
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        return RewriteInPlace(target, bytes, reason);
    }
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    // A file made without a name gets one only now, just before it takes the target's place.
    if (written && temporary.empty() && !NameNewFile(fd, prefix, temporary)) {
        written = false;
        error = errno;
    }
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        return Failed(reason, error);
    }
    SyncFolder(folder);
    return true;
}

void RemoveInterruptedSaves(const Path& path) {
    const std::string folder = FolderOf(ResolvedTarget(NativePath(path)));
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat status {};
        if (IsSaveLeftover(entry->d_name) &&
            ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

}  // namespace hashwell::platform
