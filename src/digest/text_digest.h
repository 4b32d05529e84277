#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hashwell::digest {

// How a text becomes bytes before hashing; the codes are those stored in the settings file.
namespace TextFormat {
inline constexpr std::int64_t Ascii = 24;    // the system's ANSI code page
inline constexpr std::int64_t Utf8 = 2;      // UTF-8 without a byte-order mark
inline constexpr std::int64_t Unicode = 25;  // UTF-16 little-endian; also every unknown code
}  // namespace TextFormat

// The bytes hashed for `text` in `format`: never trimmed or normalised.
std::string TextToBytes(std::u16string_view text, std::int64_t format);

// The lowercase hex code of the text's bytes in one piece, or the empty text when the method
// is not registered or the size not supported.
std::string HashText(std::u16string_view text, std::int32_t method, std::int32_t bits,
                     std::int64_t format);

}  // namespace hashwell::digest
