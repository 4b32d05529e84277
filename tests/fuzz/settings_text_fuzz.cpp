// Any bytes read as a settings file must parse without reading past the input, and what is
// written from the result must read back as the same lines and write the same bytes again.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/unicode.h"
#include "settings/settings_text.h"

using namespace hashwell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const settings::ParsedSettings first = settings::ParseSettingsText(bytes);
    for (const settings::SettingsEntry& entry : first.entries) {
        // What ReadText hands to the program.
        platform::Utf8ToUtf16(entry.value);
        settings::SameName(entry.name, entry.value);
    }
    const std::string written = settings::WriteSettingsText(first.entries, first.utf8, false);
    const settings::ParsedSettings second = settings::ParseSettingsText(written);
    if (second.entries != first.entries || second.utf8 != first.utf8 ||
        settings::WriteSettingsText(second.entries, second.utf8, false) != written) {
        std::abort();
    }
    return 0;
}
