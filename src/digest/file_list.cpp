#include "digest/file_list.h"

#include "digest/text_digest.h"
#include "platform/unicode.h"

namespace hashwell::digest {

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

ListRowRecord ListRow(const platform::Path& path, const std::array<std::string, 5>& codes,
                      std::u16string_view caseText) {
    ListRowRecord record;
    record.path = path;
    record.cells.push_back(platform::ReadableText(path));
    for (const std::string& code : codes) {
        if (code.empty()) {
            record.cells.emplace_back(kFileError);
            ++record.errors;
        } else {
            record.cells.push_back(platform::AsciiToUtf16(ApplyHashCase(code, caseText)));
        }
    }
    return record;
}

}  // namespace hashwell::digest
