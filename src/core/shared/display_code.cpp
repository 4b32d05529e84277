#include "core/shared/display_code.h"

namespace hashwell::core {

std::u16string DisplayCode(std::string_view code, std::u16string_view caseText) {
    const bool upper = caseText == u"UPPER";
    std::u16string shown;
    shown.reserve(code.size());
    for (const char c : code) {
        shown.push_back(upper && c >= 'a' && c <= 'f' ? static_cast<char16_t>(c - 'a' + 'A')
                                                      : static_cast<char16_t>(c));
    }
    return shown;
}

}  // namespace hashwell::core
