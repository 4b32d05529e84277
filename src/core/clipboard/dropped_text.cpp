#include "core/clipboard/dropped_text.h"

#include <optional>

#include "platform/unicode.h"

namespace hashwell::core {
namespace {

std::uint32_t Byte(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// Two-byte units in the given order; an odd last byte is no character.
std::u16string Utf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t first = Byte(bytes, i);
        const std::uint32_t second = Byte(bytes, i + 1);
        text.push_back(
            static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    return text;
}

std::u16string Utf32BigEndian(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        char32_t code = Byte(bytes, i) << 24 | Byte(bytes, i + 1) << 16 | Byte(bytes, i + 2) << 8 |
                        Byte(bytes, i + 3);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = 0xFFFD;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
    }
    return text;
}

}  // namespace

std::u16string DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return Utf16(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return platform::Utf8ToUtf16(bytes.substr(3));
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return Utf16(bytes.substr(2), true);
    }
    if (bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4))) {
        return Utf32BigEndian(bytes.substr(4));
    }
    return platform::DecodeSystemText(bytes);
}

DroppedText ReadDroppedText(const platform::Path& path) {
    const std::optional<std::uint64_t> size = platform::RegularFileSize(path);
    if (!size) {
        return {};  // a folder, a pipe or a device is never read
    }
    if (*size > kMaxDroppedTextSize) {
        return {DroppedText::Status::TooLarge, {}};
    }
    const std::optional<std::string> bytes = platform::ReadFileBytes(path, kMaxDroppedTextSize);
    if (!bytes) {
        return {};
    }
    return {DroppedText::Status::Read, DecodeTextFile(*bytes)};
}

}  // namespace hashwell::core
