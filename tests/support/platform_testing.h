#pragma once

// What a test does to rights, links and processes, each system in its own way.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace hashwell::test {

// Takes every right to the file or folder from everyone but an administrator: its mode on
// POSIX, an empty access list on Windows.
void DenyAllAccess(const std::filesystem::path& path);

// Lets everyone read the folder and the files in it, but not add, remove or rename entries.
void DenyCreatingFiles(const std::filesystem::path& folder);

// Gives the owner every right again, so that the file or folder can be removed.
void RestoreAccess(const std::filesystem::path& path);

// Runs `check` as a user without special rights: directly when the tests run as an ordinary
// user, in a child process that gives up root's rights when they run as root (root may read
// any file, which would hide permission handling). Returns what `check` returned.
bool RunWithoutPrivileges(const std::function<bool()>& check);

// True when this process may read files whose rights forbid it (root on POSIX).
bool ReadsEveryFile();

// Makes `link` a symbolic link to `target`; false when the system will not.
bool MakeSymbolicLink(const std::filesystem::path& target, const std::filesystem::path& link,
                      bool toFolder);

// The code page of the system's "ANSI" conversions: Windows' own, 1252 everywhere else.
unsigned AnsiCodePage();

// The environment variable that names the user's cache folder, under which rewrites in place
// keep their copies: XDG_CACHE_HOME on POSIX, LOCALAPPDATA on Windows.
extern const char* const kCacheVariable;
// Sets an environment variable of the process (UTF-8), or removes it for nothing.
void SetVariable(const char* name, const std::optional<std::string>& value);

// True when the tests run under Wine, which lacks some of what Windows has.
bool UnderWine();

// The reason the system gives for a file the user may not open.
std::u16string AccessDeniedReason();

// Something that exists but is neither a file nor a folder and would never end or block if it
// were read: /dev/zero on POSIX, the NUL device on Windows.
extern const char16_t* const kEndlessDevice;

// A regular file that opens, but whose first read fails: the process's memory file on Linux
// (reads at offset 0 fail); on Windows a file whose bytes this object keeps locked.
class FileThatFailsToRead {
public:
    explicit FileThatFailsToRead(const std::filesystem::path& folder);
    ~FileThatFailsToRead();
    FileThatFailsToRead(const FileThatFailsToRead&) = delete;
    FileThatFailsToRead& operator=(const FileThatFailsToRead&) = delete;

    const std::u16string& path() const { return path_; }

private:
    std::u16string path_;
    void* lock_ = nullptr;
};

#ifndef _WIN32
// Runs `check` in a child process, so that what it does to the process (limits, user) stays
// there. Returns what `check` returned.
bool RunInChildProcess(const std::function<bool()>& check);

// Runs `act` in a child process that the system ends, as a kill would, as soon as it writes
// beyond the first `limit` bytes of any file.
void RunUntilStoppedAtByte(std::uint64_t limit, const std::function<void()>& act);
#endif

}  // namespace hashwell::test

// Skips the rest of a test of something Windows has and Wine does not, saying what.
#define HASHWELL_SKIP_UNDER_WINE(what)                                    \
    if (::hashwell::test::UnderWine()) {                                  \
        GTEST_SKIP() << "Wine lacks " << (what) << ", which Windows has"; \
    }
