#pragma once

// The byte format of the settings file: INI-style lines of group headers, comments and
// "key = value" entries, read into an ordered list and written back from it.

#include <list>
#include <string>
#include <string_view>

namespace hashwell::settings {

enum class EntryKind { GroupHeader, Comment, Key };

// One line of the file. Texts are UTF-8 bytes: `name` is the group name, the comment text
// or the key; `value` belongs to key entries.
struct SettingsEntry {
    EntryKind kind = EntryKind::Key;
    std::string name;
    std::string value;

    bool operator==(const SettingsEntry&) const = default;
};

// The lines of a file in order. A list, so that lines can be added among them while the places
// of others are held.
using SettingsEntries = std::list<SettingsEntry>;

struct ParsedSettings {
    SettingsEntries entries;
    bool utf8 = false;  // the file held at least one byte, so it is written back as UTF-8
};

// Reads a file's bytes: UTF-8 after a byte-order mark, ISO-8859-1 otherwise; lines split at
// any run of CR and LF; nothing validated. Any bytes give a result, in memory proportional to
// their number.
ParsedSettings ParseSettingsText(std::string_view bytes);

// The file's bytes: the byte-order mark and an empty line when `utf8`, then every entry as a
// line ended by CR LF; with `groupSeparator`, an empty line before each group header but the
// first.
std::string WriteSettingsText(const SettingsEntries& entries, bool utf8, bool groupSeparator);

// Spaces and tabs are the blanks the file format skips and trims.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
std::string_view SkipLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// ASCII letters compared without regard to case, all other bytes exactly.
bool SameName(std::string_view a, std::string_view b);

}  // namespace hashwell::settings
