#pragma once

// Conversions between UTF-16, UTF-8 and the system's own bytes for names.

#include <string>
#include <string_view>

namespace hashwell::platform {

// True when text[i] and text[i + 1] form a surrogate pair: one character beyond the basic
// plane in two code units.
bool IsSurrogatePairAt(std::u16string_view text, std::size_t i);

// UTF-16 to UTF-8 without a byte-order mark. An unpaired surrogate becomes U+FFFD (EF BF BD),
// as the system's own conversion without flags does.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-16 little-endian bytes, code unit by code unit, without a byte-order mark.
std::string Utf16ToLittleEndianBytes(std::u16string_view text);

// True when the bytes are well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view bytes);

// UTF-8 to UTF-16. Every malformed sequence becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);

// The system's byte strings (POSIX file names, parameters, environment values) as program text
// and back, losslessly: valid UTF-8 is decoded, and every other byte becomes a lone surrogate
// from U+DC80 to U+DCFF, which encoding turns back into that byte. A name that is not valid
// UTF-8 therefore still names its file. Other lone surrogates are encoded as U+FFFD.
std::u16string DecodeNativeBytes(std::string_view bytes);
std::string EncodeNativeBytes(std::u16string_view text);

// The text as it can be shown, exported and copied: every lone surrogate (a byte of a name that
// is not UTF-8, for one) becomes U+FFFD, the replacement character.
std::u16string ReadableText(std::u16string_view text);

// Widens text made only of ASCII characters (hash codes, numbers).
std::u16string AsciiToUtf16(std::string_view ascii);

}  // namespace hashwell::platform
