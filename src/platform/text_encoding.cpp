#include "platform/text_encoding.h"

#include "platform/platform.h"
#include "platform/unicode.h"

namespace hashwell::platform {

std::string EncodeText(std::u16string_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::AnsiCodePage:
            return ToAnsiCodePage(text);
        case TextEncoding::Utf16LittleEndian:
            return Utf16ToLittleEndianBytes(text);
        case TextEncoding::Utf8:
            break;
    }
    return Utf16ToUtf8(text);
}

}  // namespace hashwell::platform
