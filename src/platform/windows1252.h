#pragma once

// Windows-1252, the stand-in for the ANSI code page on POSIX systems.

#include <string>
#include <string_view>

namespace hashwell::platform {

// Windows-1252, the ANSI code page that stands in for the system's one on POSIX systems.
// Each character it cannot represent (a surrogate pair counts as one) becomes '?'.
std::string Utf16ToWindows1252(std::u16string_view text);
// Every byte as the character Windows-1252 gives it.
std::u16string Windows1252ToUtf16(std::string_view bytes);

}  // namespace hashwell::platform
