#include "digest/file_list.h"

#include "digest/digest_method.h"
#include "digest/file_digest.h"
#include "digest/text_digest.h"
#include "platform/unicode.h"

namespace hashwell::digest {
namespace {

struct FixedCode {
    std::int32_t method;
    std::int32_t bits;
};

// The grid's columns after the path, in order.
constexpr FixedCode kListCodes[] = {
    {HashMethod::Crc32, 0},  {HashMethod::Md5, 0},    {HashMethod::Sha1, 0},
    {HashMethod::Sha2, 256}, {HashMethod::Sha3, 256},
};

}  // namespace

std::vector<std::u16string> SplitFields(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string> fields;
    for (;;) {
        const std::size_t end = text.find(separator);
        fields.emplace_back(text.substr(0, end));
        if (end == std::u16string_view::npos) {
            return fields;
        }
        text.remove_prefix(end + 1);
    }
}

std::u16string_view TrimSpaces(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

ListRowRecord HashListFile(const platform::Path& path, std::u16string_view caseText,
                           const std::function<void(int)>& afterCode) {
    ListRowRecord record;
    record.cells.push_back(path);
    int k = 0;
    for (const FixedCode& code : kListCodes) {
        const std::string hex = HashFile(path, code.method, code.bits);
        if (hex.empty()) {
            record.cells.emplace_back(kFileError);
            ++record.errors;
        } else {
            record.cells.push_back(platform::AsciiToUtf16(ApplyHashCase(hex, caseText)));
        }
        afterCode(++k);
    }
    return record;
}

}  // namespace hashwell::digest
