#include "digest/text_digest.h"

#include "digest/digest.h"

namespace hashwell::digest {

std::string TextToBytes(std::u16string_view text, std::int64_t format) {
    return platform::EncodeText(text, HashedTextEncoding(format));
}

std::string HashText(std::u16string_view text, std::int32_t method, std::int32_t bits,
                     std::int64_t format) {
    const std::string bytes = TextToBytes(text, format);
    constexpr int kFromText = 1;
    return ComputeDigest(method, bits, kFromText, AsBytes(bytes));
}

}  // namespace hashwell::digest
