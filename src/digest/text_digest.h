#pragma once

// The code of a typed text, in the text format chosen.

#include <cstdint>
#include <string>
#include <string_view>

#include "digest/text_format.h"

namespace hashwell::digest {

// The bytes hashed for `text` in `format`: never trimmed or normalised.
std::string TextToBytes(std::u16string_view text, std::int64_t format);

// The lowercase hex code of the text's bytes in one piece, or the empty text when the method
// is not registered or the size not supported.
std::string HashText(std::u16string_view text, std::int32_t method, std::int32_t bits,
                     std::int64_t format);

}  // namespace hashwell::digest
