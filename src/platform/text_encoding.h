#pragma once

// The byte encodings a text is turned into: for hashing a typed text and for writing a file.

#include <string>
#include <string_view>

namespace hashwell::platform {

enum class TextEncoding {
    AnsiCodePage,  // the system's; Windows-1252 on POSIX systems, "?" for what it cannot hold
    Utf8,
    Utf16LittleEndian,
};

// The text's bytes, without a byte-order mark.
std::string EncodeText(std::u16string_view text, TextEncoding encoding);

}  // namespace hashwell::platform
