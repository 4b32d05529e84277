#include "core/list/list_row.h"

#include "core/shared/display_code.h"
#include "platform/unicode.h"

namespace hashwell::core {

ListRowRecord ListRow(const platform::Path& path, const digest::Codes& codes,
                      std::u16string_view caseText) {
    ListRowRecord record;
    record.path = path;
    record.cells.push_back(platform::ReadableText(path));
    for (const std::string& code : codes) {
        if (code.empty()) {
            record.cells.emplace_back(kFileError);
            ++record.errors;
        } else {
            record.cells.push_back(DisplayCode(code, caseText));
        }
    }
    return record;
}

}  // namespace hashwell::core
