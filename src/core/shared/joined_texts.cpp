#include "core/shared/joined_texts.h"

namespace hashwell::core {

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

std::u16string JoinPaths(const std::vector<platform::Path>& paths) {
    std::u16string list;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i > 0) {
            list += platform::kListSeparator;
        }
        list += paths[i];
    }
    return list;
}

std::u16string_view TrimSpaces(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace hashwell::core
