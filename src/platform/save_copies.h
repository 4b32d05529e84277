#pragma once

// The copies of old content that a rewrite in place keeps until it completes, shared by both
// systems' saving code and by FindInterruptedRewrites.
//
// A rewrite of a file keeps, in the user's cache folder, "<unique>-<file's name>", the file's
// content byte for byte, and then "<unique>.target", the record of the file's path. The record
// is complete before the first byte of the file is written over, and is removed first once the
// new content is on the disk. While the rewrite runs its process holds the copy open, locked
// (flock; on Windows, shared with no one), so that another start's search leaves it alone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace hashwell::platform {

// The number of letters that tell one copy, or one temporary file, from another.
inline constexpr std::size_t kUniqueLength = 6;

// kUniqueLength letters and digits that make a new name unlikely to be taken.
std::string UniqueLetters();

// The folder of the copies, ending with a separator: XDG_CACHE_HOME (or ~/.cache) and then
// Tarnvale/Hashwell on POSIX, LOCALAPPDATA and then Tarnvale\Hashwell\Cache on Windows. With
// `create`, its missing levels are made. Nothing when the user's cache folder is unknown or a
// level cannot be made (the system's reason is then in errno, or GetLastError() on Windows).
std::optional<Path> SaveCopyFolder(bool create);

// The names, in that folder, of the copy of `file` and of its record.
Path CopyName(std::string_view unique, const Path& file);
Path RecordName(std::string_view unique);
// What the record of a rewrite of `file` with `newContent` holds: the new content's length and
// digest (64 bits each, little-endian), by which the next start tells a rewrite that completed
// from one stopped half-way, then the file's path in UTF-16LE, ended by a zero unit, by which a
// record cut short is told from a complete one.
std::string RecordBytes(const Path& file, std::string_view newContent);

// Each system's own:
// True when a rewrite still running holds the copy.
bool CopyInUse(const Path& copy);
// Removes a file; false when it cannot.
bool RemoveFile(const Path& path);

}  // namespace hashwell::platform
