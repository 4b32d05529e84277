#pragma once

// The text formats of the settings, and the two encodings a format code stands for.

#include <cstdint>

#include "platform/text_encoding.h"

namespace hashwell::digest {

// The format codes as the settings file stores them.
namespace TextFormat {
inline constexpr std::int64_t Ascii = 24;    // the system's ANSI code page
inline constexpr std::int64_t Utf8 = 2;      // UTF-8 without a byte-order mark
inline constexpr std::int64_t Unicode = 25;  // UTF-16 little-endian
}  // namespace TextFormat

// The two rules for a code that is none of the three differ on purpose, and stand here side
// by side. A typed text is hashed as Unicode then, as every code but ASCII and UTF-8 always
// was; an exported file is written as UTF-8 then, since 0 means that no settings could be
// loaded and UTF-8 is what every reader of a CSV file takes by default.
platform::TextEncoding HashedTextEncoding(std::int64_t format);
platform::TextEncoding ExportEncoding(std::int64_t format);

}  // namespace hashwell::digest
