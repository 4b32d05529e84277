#pragma once

// What the POSIX side of the platform layer shares between its files.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace hashwell::platform {

// The bytes the system knows the path by.
std::string NativePath(const Path& path);

// Puts the system's words for `error` (an errno value) where the caller wants them, when it
// does; always false.
bool Failed(std::u16string* reason, int error);

// Fills `buffer` from `fd` as far as it goes, retrying interrupted reads; below `size` only at
// the end. Nothing on an error, with its reason.
std::optional<std::size_t> ReadFully(int fd, std::uint8_t* buffer, std::size_t size,
                                     std::u16string* reason);

}  // namespace hashwell::platform
