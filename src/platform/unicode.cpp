#include "platform/unicode.h"

#include <cstdint>

namespace hashwell::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
}

// One UTF-8 sequence at the start of `bytes`: its character and length, or, when it is
// malformed, how many bytes it ran before it broke down (at least one).
struct Utf8Sequence {
    char32_t code = kReplacement;
    std::size_t length = 1;
    bool valid = false;
};

Utf8Sequence DecodeUtf8(std::string_view bytes) {
    const auto lead = static_cast<std::uint8_t>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t trailing = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return {};
    }
    for (std::size_t k = 1; k <= trailing; ++k) {
        if (k >= bytes.size() || (static_cast<std::uint8_t>(bytes[k]) & 0xC0) != 0x80) {
            return {kReplacement, k, false};  // the byte that broke it starts anew
        }
        code = (code << 6) | (static_cast<std::uint8_t>(bytes[k]) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate) {
        return {kReplacement, trailing + 1, false};
    }
    return {code, trailing + 1, true};
}

// Where a byte that is not part of valid UTF-8 goes in program text: a lone low surrogate,
// which valid UTF-8 never decodes to, so the byte can be given back exactly.
constexpr char16_t kEscapeBase = 0xDC00;
bool IsEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

char32_t PairedCode(char16_t high, char16_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace

bool IsSurrogatePairAt(std::u16string_view text, std::size_t i) {
    return i + 1 < text.size() && IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1]);
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsSurrogatePairAt(text, i)) {
            AppendUtf8(out, PairedCode(unit, text[i + 1]));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::string Utf16ToLittleEndianBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Sequence sequence = DecodeUtf8(bytes.substr(i));
        AppendUtf16(out, sequence.code);
        i += sequence.length;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Sequence sequence = DecodeUtf8(bytes.substr(i));
        if (!sequence.valid) {
            return false;
        }
        i += sequence.length;
    }
    return true;
}

std::u16string DecodeNativeBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Sequence sequence = DecodeUtf8(bytes.substr(i));
        if (sequence.valid) {
            AppendUtf16(out, sequence.code);
            i += sequence.length;
        } else {
            // Only the first byte is taken: the next may begin a valid sequence.
            out.push_back(static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(bytes[i])));
            ++i;
        }
    }
    return out;
}

std::string EncodeNativeBytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsSurrogatePairAt(text, i)) {
            AppendUtf8(out, PairedCode(unit, text[i + 1]));
            ++i;
        } else if (IsEscapedByte(unit)) {
            out.push_back(static_cast<char>(unit - kEscapeBase));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string ReadableText(std::u16string_view text) {
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsSurrogatePairAt(out, i)) {
            ++i;
        } else if (IsHighSurrogate(out[i]) || IsLowSurrogate(out[i])) {
            out[i] = static_cast<char16_t>(kReplacement);
        }
    }
    return out;
}

std::u16string AsciiToUtf16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

}  // namespace hashwell::platform
