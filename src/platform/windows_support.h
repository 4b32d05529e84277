#pragma once

// What the Windows side of the platform layer shares between its files.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace hashwell::platform {

// The reason given for a folder where a file is wanted.
inline constexpr std::u16string_view kIsAFolder = u"Is a directory";

// The path as the system's wide-character functions take it.
const wchar_t* Wide(const Path& path);

// Puts the system's words for `error` (a GetLastError value) where the caller wants them, when
// it does; always false.
bool Failed(std::u16string* reason, DWORD error);

// Fills `buffer` from the handle as far as it goes; below `size` only at the end (a closed pipe
// counts as the end). Nothing on an error, with its reason.
std::optional<std::size_t> ReadFully(HANDLE handle, std::uint8_t* buffer, std::size_t size,
                                     std::u16string* reason);

}  // namespace hashwell::platform
