#pragma once

// What the program needs of the operating system, with one implementation for POSIX
// systems and one for Windows.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Whether file names are byte strings (POSIX: any bytes but NUL and '/', kept as they are) or
// UTF-16 text (Windows).
#ifdef _WIN32
inline constexpr bool kNamesAreBytes = false;
#else
inline constexpr bool kNamesAreBytes = true;
#endif

// Whether programs carry an extension (".exe" on Windows); where they do not, an Open dialog
// that lists program types starts on "All files", or it would show nothing.
#ifdef _WIN32
inline constexpr bool kProgramsHaveExtensions = true;
#else
inline constexpr bool kProgramsHaveExtensions = false;
#endif

// Whether the program's parameters arrive as they are meant: POSIX argv comes unquoted, and a
// double quote in it belongs to a name. On Windows the quotes are the command line's own, and
// the program removes them.
#ifdef _WIN32
inline constexpr bool kParametersAreUnquoted = false;
#else
inline constexpr bool kParametersAreUnquoted = true;
#endif

// The reason given for a path that names a FIFO, a device or a socket where a file is wanted.
inline constexpr std::u16string_view kNotRegularFile = u"Not a regular file";

// A regular file opened for reading only; closed when the object goes away.
class ReadOnlyFile {
    // What the file looked like when it was opened.
    struct Stamp {
        std::uint64_t size = 0;
        std::int64_t modified = 0;  // the times of the last write and of the last change of
        std::int64_t changed = 0;   // the file's status, in the system's own units
        bool sizeIsLength = true;   // false for files of pseudo file systems (/proc, /sys)
        bool stream = false;        // a pipe or a device: read to its end, whatever it is
        bool operator==(const Stamp&) const = default;
    };

public:
    // Opens `path` only when it names a regular file: directories, FIFOs and devices are
    // refused at once, so a caller never blocks or reads forever. On failure, the reason is put
    // in `reason` when given.
    static std::optional<ReadOnlyFile> OpenRegular(const Path& path,
                                                   std::u16string* reason = nullptr);
    // Opens a regular file, a pipe (a FIFO, a shell's process substitution) or a device: for
    // input the user names to be read as a stream, like standard input. Opening a FIFO waits
    // for its writer, as reading it does; a device is read for as long as it gives bytes.
    static std::optional<ReadOnlyFile> OpenFileOrStream(const Path& path,
                                                        std::u16string* reason = nullptr);

    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // Fills `buffer` as far as the file allows and returns the number of bytes read, which
    // is below `size` only at the end of the file; nothing when the system reports an error,
    // with its reason in `reason` when given.
    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size,
                                    std::u16string* reason = nullptr);

    // Asked after the last read: true when the bytes read are the whole file as it was when it
    // was opened, so that their code is the code of a version that existed. False when its
    // size or times have moved since, or when more or fewer bytes came than its size then.
    // Files of pseudo file systems, whose size is not the length of what they stream (under
    // /proc and /sys), need only keep their size and times; pipes and devices, nothing.
    bool ReadAsOpened() const;
    // Tells the system that the file is about to be read from its start, so that it begins
    // reading it into memory at once and another file can be read meanwhile. Nothing on
    // Windows, whose cache reads ahead of sequential reads by itself.
    void AdviseWillRead() const;
    // Whether the file's first bytes are in the system's cache, so that reading them waits on
    // no disk; false when the system cannot tell. Always true on Windows, where nothing is
    // advised.
    bool StartsInMemory() const;
    // True for a pipe or a device opened by OpenFileOrStream: its length is known only at its end.
    bool IsStream() const { return opened_.stream; }

private:
    static std::optional<ReadOnlyFile> Open(const Path& path, std::u16string* reason, bool streams);
    ReadOnlyFile(std::intptr_t handle, const Stamp& opened) : handle_(handle), opened_(opened) {}
    std::optional<Stamp> StampNow() const;

    std::intptr_t handle_;
    Stamp opened_;
    std::uint64_t bytesRead_ = 0;
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

// What a path names, symbolic links followed.
enum class PathKind {
    Missing,  // nothing, or nothing that can be looked at
    RegularFile,
    Folder,
    Other,  // a FIFO, a device or a socket: never read, lest the reader wait forever
};
PathKind KindOf(const Path& path);

// One name in a folder.
struct FolderEntry {
    Path name;      // the name alone, without the folder
    PathKind kind;  // what it names, symbolic links followed
    bool isLink;    // the entry itself is a symbolic link (a junction on Windows)
};
// The entries of a folder but "." and "..", sorted by name: by the bytes of the names on POSIX
// systems (as `LC_ALL=C ls` lists them), by their UTF-16 code units on Windows. Nothing when
// the folder cannot be read, with the system's reason in `reason` when given.
std::optional<std::vector<FolderEntry>> ListFolder(const Path& folder,
                                                   std::u16string* reason = nullptr);

// What tells one file from every other on the machine: its device and its file number. Nothing
// when it cannot be looked at.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const Path& path);

// Reads the process's standard input as bytes, like ReadOnlyFile::Read: fills `buffer` as far as
// the input allows, below `size` only at its end.
std::optional<std::size_t> ReadStandardInput(std::uint8_t* buffer, std::size_t size,
                                             std::u16string* reason = nullptr);
// Writes bytes to standard output or standard error unchanged (no line-end translation on
// Windows). False when the stream is closed or full, with the reason when given.
bool WriteStandardOutput(std::string_view bytes, std::u16string* reason = nullptr);
bool WriteStandardError(std::string_view bytes);
// True when a window can be shown: on POSIX systems, when a display is named (DISPLAY or
// WAYLAND_DISPLAY); always on Windows.
bool GraphicalDisplayAvailable();
// True when standard error is a terminal (a console on Windows), where a progress line may be
// drawn and redrawn.
bool StandardErrorIsTerminal();

// The value of an environment variable; nothing when it is unset.
std::optional<std::u16string> EnvironmentVariable(std::u16string_view name);
// The full path of the running program file.
Path ProgramPath();
// The process's current folder; empty when it cannot be told.
Path CurrentDirectory();

// The whole content of a regular file of at most `maxSize` bytes; nothing when it cannot be
// opened or read to its end, or is larger.
std::optional<std::string> ReadFileBytes(const Path& path, std::size_t maxSize);
// True when the user may write the file and it is not marked read-only (no write permission
// bit on POSIX, the read-only attribute on Windows), so even an administrator leaves it alone.
// On POSIX systems a folder is asked the same way: whether the user may add files to it.
bool IsWritableFile(const Path& path);
// Creates an empty file, emptying one that exists. False when it cannot be created.
bool CreateEmptyFile(const Path& path);
// Replaces the content of the file, or creates it; a failure leaves an existing file as it was,
// byte for byte. Where the file stays the same file that way, it is replaced as a whole or not
// at all: the bytes go to a temporary file in the same folder (one without a name until it takes
// the old file's place, where the system allows), are flushed to the disk, and only then take
// the old file's place, with its owner, group and permissions; a new file gets the permissions
// any program gives one (0666 less the umask on POSIX). Where a new file would not be the same
// file (the folder takes no new file, the file has other names as hard links, or it belongs to
// another user), the file is rewritten in place: room for the new bytes is taken first where the
// file system can give it, and the old content is copied to the user's cache folder first, put
// back when writing fails, and removed once the new content is on the disk. If the program is
// stopped before that, FindInterruptedRewrites names the copy at the next start. A symbolic link
// is followed and its target changed. A file the user may not write (or, to be rewritten in
// place, read) is left alone. False when any step fails, with the system's reason in `reason`
// when given.
bool ReplaceFileContent(const Path& path, std::string_view bytes, std::u16string* reason = nullptr);
// Removes what an interrupted ReplaceFileContent of `path` may have left beside the file: the
// user's own temporary files of saves that never finished.
void RemoveInterruptedSaves(const Path& path);

// A file whose rewrite in place was stopped half-way (the program was killed, the machine went
// down), so that it may be incomplete, and the copy of the content it had before.
struct InterruptedRewrite {
    Path file;
    Path copy;
    bool operator==(const InterruptedRewrite&) const = default;
};
// The rewrites in place of this user that were stopped before they completed, with the copies
// they left in the user's cache folder. Those no longer needed go on the way: copies of files
// that were never changed or have been restored from them, and anything of a rewrite stopped
// before it changed its file. A copy stays, and is named at every start, until the user deletes
// it or restores its file; the copies of rewrites running in other processes are left alone.
std::vector<InterruptedRewrite> FindInterruptedRewrites();

// Sets the process up the way the program expects: a write past a file-size limit fails (and is
// reported) rather than ending the process.
void PrepareProcess();

// Shows the page `topic` of a compiled help file in the system's own viewer: HTML Help on
// Windows. False where there is none (POSIX systems, or a Windows without HTML Help); the
// program then shows the file itself.
bool ShowHtmlHelp(const Path& helpFile, std::u16string_view topic);

// True for the separator between a folder and a name: '/' on POSIX systems, '\' and '/' on
// Windows.
bool IsPathSeparator(char16_t c);
// True for a path that does not depend on the current folder: "/x" on POSIX systems; "\x",
// "C:\x" and "\\server\x" on Windows.
bool IsAbsolutePath(const Path& path);

// The folders where an installed program's own data may lie besides the current folder, best
// first, for the program at `programPath`: on POSIX systems its own folder and
// ../share/hashwell/ from it (a program started from a desktop menu runs in the home folder);
// none on Windows, where the program looks in the current folder alone.
std::vector<Path> ProgramDataFolders(const Path& programPath);

// Whether a program in `folder` was installed by the system's means, so that its settings
// belong in the user's configuration folder: on POSIX systems a folder under /usr/ or /opt/,
// one named "bin" (any prefix), or one the user may not write; on Windows "Program Files"
// alone tells, which the settings check on every system.
bool IsSystemProgramFolder(std::u16string_view folder);
// The folder the settings of an installed program go under: LOCALAPPDATA on Windows;
// XDG_CONFIG_HOME, else ~/.config (made when missing), on POSIX systems. Empty when the
// variables are unset. `variable` looks the environment up.
Path UserConfigurationFolder(
    const std::function<std::optional<std::u16string>(std::u16string_view)>& variable);

// The program's parameters, without the program's own name, as program text: losslessly
// decoded from `argv` on POSIX systems (names that are not UTF-8 included), from the
// command line the system keeps in UTF-16 on Windows.
std::vector<std::u16string> ProgramParameters(int argc, char** argv);

// The text in the system's ANSI code page (Windows-1252 on POSIX systems); characters the
// code page cannot hold become its default character.
std::string ToAnsiCodePage(std::u16string_view text);
// The same, but nothing when a character has no place in the code page (neither a default
// character nor a look-alike stands in).
std::optional<std::string> ToAnsiCodePageExactly(std::u16string_view text);

// The bytes of a text file without a byte-order mark, read in the system's own text encoding:
// the ANSI code page on Windows; on POSIX systems, whose text is UTF-8, UTF-8 when the bytes
// are valid UTF-8 and Windows-1252 otherwise.
std::u16string DecodeSystemText(std::string_view bytes);

// The path a "file:" URI of a file manager's drop names: percent-decoded to the name's bytes
// and taken as the system takes them, so that no name is changed on the way. Nothing for a URI
// that is not a local file's.
std::optional<Path> PathFromFileUri(std::string_view uri);

}  // namespace hashwell::platform
