#pragma once

// A settings file held as its lines, read and written a key at a time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "settings/settings_text.h"

namespace hashwell::settings {

// Far beyond anything the program writes (a few hundred bytes); a larger file is refused, so
// that a stray or hostile file cannot take the program's memory.
inline constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// An open settings file held as its ordered list of lines, so that a save keeps the file's
// order and comments. Texts at this interface are UTF-16; group names and keys match without
// regard to the case of ASCII letters. At most one file is open at a time.
class SettingsDocument {
public:
    SettingsDocument() = default;
    ~SettingsDocument() { CloseDocument(); }
    SettingsDocument(const SettingsDocument&) = delete;
    SettingsDocument& operator=(const SettingsDocument&) = delete;

    // Closes any open document, then creates the file (emptying one that exists) and starts an
    // empty document that is written with an empty line between groups. False when the file
    // cannot be created.
    bool CreateDocument(const platform::Path& path);
    // Closes any open document, then reads the file. A file the user may not write opens
    // read-only: its changes are dropped silently on closing. False when it cannot be read,
    // is larger than kMaxSettingsFileSize or does not fit in memory.
    bool OpenDocument(const platform::Path& path);

    // An empty name selects the top of the file. A group that does not exist is remembered and
    // created by the next write; until then reads give their defaults. True when it exists.
    bool SelectGroup(std::u16string_view name);

    // The value with blanks trimmed; the default when the key is not in the selected group.
    std::u16string ReadText(std::u16string_view key, std::u16string_view defaultText) const;
    // The leading decimal number of the value (0 when it starts with no digit); the default
    // when the key is not in the selected group.
    std::int64_t ReadInteger(std::u16string_view key, std::int64_t defaultValue) const;

    // Replaces the value of the first matching key of the selected group (taking the key's new
    // spelling), or adds the key after the group's last line.
    void WriteText(std::u16string_view key, std::u16string_view text);
    void WriteInteger(std::u16string_view key, std::int64_t value);
    // Adds a comment line after the line last found, written or added.
    void AddComment(std::u16string_view text);

    // Writes the file when the document was changed and the file may be written, then closes
    // the document. False when writing failed (see platform::ReplaceFileContent for what the
    // file is like then).
    bool CloseDocument();

private:
    using Entries = SettingsEntries;
    using Position = Entries::iterator;

    Entries::const_iterator FindKeyIn(std::string_view key) const;
    Position FindKey(std::string_view key);
    Position EndOfSelectedGroup();
    void CreatePendingGroup();
    void Reset();

    bool open_ = false;
    platform::Path path_;
    bool readOnly_ = false;
    bool utf8_ = false;
    bool groupSeparator_ = false;
    bool modified_ = false;
    Entries entries_;
    Position currentGroup_ = entries_.end();  // end(): the top of the file
    Position lastTouched_ = entries_.end();   // end(): none
    std::optional<std::string> pendingGroup_;
};

}  // namespace hashwell::settings
