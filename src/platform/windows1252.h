#pragma once

#include <string>
#include <string_view>

namespace hashwell::platform {

// Windows-1252, the ANSI code page that stands in for the system's one on POSIX systems.
// Each character it cannot represent (a surrogate pair counts as one) becomes '?'.
std::string Utf16ToWindows1252(std::u16string_view text);

}  // namespace hashwell::platform
