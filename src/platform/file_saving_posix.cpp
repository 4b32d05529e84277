// Replacing a file's content, on POSIX systems.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/posix_support.h"
#include "platform/save_copies.h"
#include "platform/unicode.h"

namespace hashwell::platform {
namespace {

constexpr std::string_view kSavePrefix = ".hashwell-save-";

// True when a file open in this process can be given a name through /proc/self/fd.
bool CanNameOpenFiles() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

// A new file in `folder`, open for reading and writing, with `mode` less the umask, as any
// program creates a file. Where the file system allows (Linux's O_TMPFILE) it has no name, so
// that nothing of it stays when the program is stopped; elsewhere it is created as `name`, which
// must be free, and `named` is set. -1 when it cannot be made, with the reason in errno.
int OpenNewFile(const std::string& folder, const std::string& name, mode_t mode, bool& named) {
    named = false;
#ifdef O_TMPFILE
    if (CanNameOpenFiles()) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        // How kernels and file systems without it refuse it; any other error is the folder's.
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return fd;
        }
    }
#endif
    named = true;
    return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
}

// Gives a file that OpenNewFile made without a name the name `name`, which must be free. False
// when it cannot, with the reason in errno.
bool GiveName(int fd, const std::string& name) {
    const std::string open = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, open.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives a file that OpenNewFile made without a name a free one, `prefix` followed by unique
// letters. False when it cannot, with the reason in errno.
bool GiveFreeName(int fd, const std::string& prefix, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + UniqueLetters();
        if (GiveName(fd, name)) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// Writes all the bytes at `offset` and on.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// Copies the first `size` bytes of `from` over the start of `to`.
bool CopyBytes(int from, int to, off_t size) {
    std::vector<char> buffer(64 * 1024);
    for (off_t done = 0; done < size;) {
        const auto ask = static_cast<std::size_t>(std::min<off_t>(size - done, buffer.size()));
        const ssize_t got = ::pread(from, buffer.data(), ask, done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            errno = got == 0 ? EIO : errno;  // the file was cut short meanwhile
            return false;
        }
        if (!WriteAllAt(to, {buffer.data(), static_cast<std::size_t>(got)}, done)) {
            return false;
        }
        done += got;
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes a new name durable; nothing to undo if it fails
        ::close(fd);
    }
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

// The old content of a file rewritten in place, kept in the user's cache folder (as save_copies.h
// tells) until the new content is on the disk: it is put back when writing fails, and named by
// the next start when the program is stopped in the middle.
class OldContentCopy {
public:
    OldContentCopy() = default;
    OldContentCopy(const OldContentCopy&) = delete;
    OldContentCopy& operator=(const OldContentCopy&) = delete;
    ~OldContentCopy() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    // Copies the first `size` bytes of `from`, the file `target`, and then records which file it
    // is and what it is to hold. False when it cannot, with the reason in errno; nothing is left
    // behind then.
    bool Make(int from, off_t size, const std::string& target, std::string_view newContent) {
        errno = 0;
        const std::optional<Path> folder = SaveCopyFolder(true);
        if (!folder) {
            errno = errno != 0 ? errno : ENOENT;  // no cache folder is known
            return false;
        }
        const std::string native = NativePath(*folder);
        const std::string unique = UniqueLetters();
        copy_ = native + NativePath(CopyName(unique, DecodeNativeBytes(target)));
        record_ = native + NativePath(RecordName(unique));
        size_ = size;
        fd_ = OpenNewFile(native, copy_, 0600, copyNamed_);
        if (fd_ < 0) {
            return false;
        }
        // Held until the copy is closed: a search at another start leaves it alone.
        ::flock(fd_, LOCK_EX);
        bool made = CopyBytes(from, fd_, size) && ::fsync(fd_) == 0;
        if (made && !copyNamed_) {
            made = copyNamed_ = GiveName(fd_, copy_);
        }
        if (!made || !WriteRecord(target, newContent)) {
            const int error = errno;
            Remove();
            errno = error;
            return false;
        }
        SyncFolder(native);
        return true;
    }

    // Writes the old content back over the file and cuts it to its old length.
    bool PutBack(int to) const {
        return CopyBytes(fd_, to, size_) && ::ftruncate(to, size_) == 0 && ::fsync(to) == 0;
    }

    // Removes the record, then the copy: a copy without a record is never of a file left
    // half-written.
    void Remove() {
        if (recordNamed_) {
            ::unlink(record_.c_str());
        }
        if (copyNamed_) {
            ::unlink(copy_.c_str());
        }
        recordNamed_ = copyNamed_ = false;
    }

private:
    bool WriteRecord(const std::string& target, std::string_view newContent) {
        const int fd = OpenNewFile(FolderOf(record_), record_, 0600, recordNamed_);
        if (fd < 0) {
            return false;
        }
        bool written = WriteAllAt(fd, RecordBytes(DecodeNativeBytes(target), newContent), 0) &&
                       ::fsync(fd) == 0;
        if (written && !recordNamed_) {
            written = recordNamed_ = GiveName(fd, record_);
        }
        const int error = errno;
        ::close(fd);
        errno = error;
        return written;
    }

    int fd_ = -1;
    off_t size_ = 0;
    std::string copy_;
    std::string record_;
    bool copyNamed_ = false;
    bool recordNamed_ = false;
};

// Takes room on the disk for `size` bytes of the file before any of its bytes is written over,
// where the file system can give it (without changing the file's size), so that a full disk or
// quota stops the rewrite before it begins. False only for a lack of room, with the reason in
// errno. That alone is not enough: a file system that copies on write needs new room for every
// block written over, others cannot reserve, and a disk may fail part-way; the old content's
// copy covers those.
bool ReserveRoom([[maybe_unused]] int fd, [[maybe_unused]] std::size_t size) {
#ifdef __linux__
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0) {
        return errno != ENOSPC && errno != EDQUOT && errno != EFBIG;
    }
#endif
    return true;
}

// Writes the bytes over the file itself, from its start, and cuts it to their length. A failure
// leaves the file as it was: room is reserved first, and the old content is copied aside and
// put back when writing fails. A file that cannot be read cannot be copied and is refused.
bool RewriteInPlace(const std::string& target, std::string_view bytes, std::u16string* reason) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Failed(reason, errno);
    }
    struct stat old {};
    if (::fstat(fd, &old) != 0) {
        const int error = errno;
        ::close(fd);
        return Failed(reason, error);
    }
    OldContentCopy copy;
    bool written = ReserveRoom(fd, bytes.size()) && copy.Make(fd, old.st_size, target, bytes);
    int error = errno;
    if (written) {
        written = WriteAllAt(fd, bytes, 0) &&
                  ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
        error = errno;
        // A copy that could not be put back stays, for the next start to name.
        if (written || copy.PutBack(fd)) {
            copy.Remove();
        }
    } else if (static_cast<off_t>(bytes.size()) > old.st_size) {
        // Cut to its own length, the file gives back the room taken past its end; no byte changes.
        [[maybe_unused]] const int ignored = ::ftruncate(fd, old.st_size);
    }
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
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
    bool named = false;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = prefix + UniqueLetters();
        fd = OpenNewFile(folder, temporary, existed ? 0600 : 0666, named);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        // A folder the user may not write: an existing file itself may still be written.
        return existed ? RewriteInPlace(target, bytes, reason) : Failed(reason, errno);
    }
    if (existed && !TakeIdentity(fd, old)) {
        ::close(fd);
        if (named) {
            ::unlink(temporary.c_str());
        }
        return RewriteInPlace(target, bytes, reason);
    }
    bool written = WriteAllAt(fd, bytes, 0) && ::fsync(fd) == 0;
    int error = errno;
    // A file made without a name gets one only now: the target's own when there is none yet,
    // else a temporary one just before it takes the target's place.
    if (written && !named && !existed && GiveName(fd, target)) {
        ::close(fd);
        SyncFolder(folder);
        return true;
    }
    if (written && !named && !(named = GiveFreeName(fd, prefix, temporary))) {
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
        if (named) {
            ::unlink(temporary.c_str());
        }
        return Failed(reason, error);
    }
    SyncFolder(folder);
    return true;
}

bool CopyInUse(const Path& copy) {
    const int fd = ::open(NativePath(copy).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool RemoveFile(const Path& path) {
    return ::unlink(NativePath(path).c_str()) == 0;
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
