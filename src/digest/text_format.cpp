#include "digest/text_format.h"

namespace hashwell::digest {

platform::TextEncoding HashedTextEncoding(std::int64_t format) {
    switch (format) {
        case TextFormat::Ascii:
            return platform::TextEncoding::AnsiCodePage;
        case TextFormat::Utf8:
            return platform::TextEncoding::Utf8;
        default:
            return platform::TextEncoding::Utf16LittleEndian;
    }
}

platform::TextEncoding ExportEncoding(std::int64_t format) {
    switch (format) {
        case TextFormat::Ascii:
            return platform::TextEncoding::AnsiCodePage;
        case TextFormat::Unicode:
            return platform::TextEncoding::Utf16LittleEndian;
        default:
            return platform::TextEncoding::Utf8;
    }
}

}  // namespace hashwell::digest
