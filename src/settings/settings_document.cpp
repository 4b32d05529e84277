#include "settings/settings_document.h"

#include <limits>
#include <utility>

#include "platform/unicode.h"

namespace hashwell::settings {
namespace {

using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

// Leading blanks, an optional sign, then digits up to the first other character. Values
// beyond the 64-bit range stop at its ends.
std::int64_t ParseLeadingInteger(std::string_view text) {
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr std::uint64_t kLimit = std::uint64_t{std::numeric_limits<std::int64_t>::max()} + 1;
    std::uint64_t magnitude = 0;
    for (; !text.empty() && text.front() >= '0' && text.front() <= '9'; text.remove_prefix(1)) {
        const auto digit = static_cast<std::uint64_t>(text.front() - '0');
        if (magnitude > (kLimit - digit) / 10) {
            magnitude = kLimit;  // checked before multiplying, so it never wraps around
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min()
                                   : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude == kLimit ? std::numeric_limits<std::int64_t>::max()
                               : static_cast<std::int64_t>(magnitude);
}

}  // namespace

bool SettingsDocument::CreateDocument(const platform::Path& path) {
    CloseDocument();
    if (!platform::CreateEmptyFile(path)) {
        return false;
    }
    open_ = true;
    path_ = path;
    utf8_ = true;
    groupSeparator_ = true;
    modified_ = true;
    return true;
}

bool SettingsDocument::OpenDocument(const platform::Path& path) {
    CloseDocument();
    std::optional<std::string> bytes = platform::ReadFileBytes(path, kMaxSettingsFileSize);
    if (!bytes) {
        return false;
    }
    ParsedSettings parsed = ParseSettingsText(*bytes);
    bytes.reset();
    entries_ = std::move(parsed.entries);
    utf8_ = parsed.utf8;
    currentGroup_ = lastTouched_ = entries_.end();
    open_ = true;
    path_ = path;
    readOnly_ = !platform::IsWritableFile(path);
    return true;
}

bool SettingsDocument::SelectGroup(std::u16string_view name) {
    pendingGroup_.reset();
    if (name.empty()) {
        currentGroup_ = lastTouched_ = entries_.end();
        return true;
    }
    const std::string wanted = Utf16ToUtf8(name);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->kind == EntryKind::GroupHeader && SameName(it->name, wanted)) {
            currentGroup_ = lastTouched_ = it;
            return true;
        }
    }
    pendingGroup_ = wanted;
    return false;
}

SettingsDocument::Entries::const_iterator SettingsDocument::FindKeyIn(std::string_view key) const {
    if (pendingGroup_) {
        return entries_.end();
    }
    auto it = currentGroup_ == entries_.end() ? entries_.begin()
                                              : std::next(Entries::const_iterator(currentGroup_));
    for (; it != entries_.end() && it->kind != EntryKind::GroupHeader; ++it) {
        if (it->kind == EntryKind::Key && SameName(it->name, key)) {
            return it;
        }
    }
    return entries_.end();
}

SettingsDocument::Position SettingsDocument::FindKey(std::string_view key) {
    const auto found = FindKeyIn(key);
    return entries_.erase(found, found);  // erases nothing: the same place, writable
}

std::u16string SettingsDocument::ReadText(std::u16string_view key,
                                          std::u16string_view defaultText) const {
    const auto found = FindKeyIn(Utf16ToUtf8(key));
    if (found == entries_.end()) {
        return std::u16string(defaultText);
    }
    return Utf8ToUtf16(TrimTrailingBlanks(SkipLeadingBlanks(found->value)));
}

std::int64_t SettingsDocument::ReadInteger(std::u16string_view key,
                                           std::int64_t defaultValue) const {
    const auto found = FindKeyIn(Utf16ToUtf8(key));
    return found == entries_.end() ? defaultValue : ParseLeadingInteger(found->value);
}

SettingsDocument::Position SettingsDocument::EndOfSelectedGroup() {
    auto it = currentGroup_ == entries_.end() ? entries_.begin() : std::next(currentGroup_);
    while (it != entries_.end() && it->kind != EntryKind::GroupHeader) {
        ++it;
    }
    return it;
}

void SettingsDocument::CreatePendingGroup() {
    if (!pendingGroup_) {
        return;
    }
    entries_.push_back({EntryKind::GroupHeader, *pendingGroup_, {}});
    currentGroup_ = lastTouched_ = std::prev(entries_.end());
    pendingGroup_.reset();
}

void SettingsDocument::WriteText(std::u16string_view key, std::u16string_view text) {
    CreatePendingGroup();
    const std::string keyBytes = Utf16ToUtf8(key);
    Position entry = FindKey(keyBytes);
    if (entry == entries_.end()) {
        entry = entries_.insert(EndOfSelectedGroup(), {EntryKind::Key, keyBytes, {}});
    }
    entry->name = keyBytes;
    entry->value = Utf16ToUtf8(text);
    lastTouched_ = entry;
    modified_ = true;
}

void SettingsDocument::WriteInteger(std::u16string_view key, std::int64_t value) {
    const std::string digits = std::to_string(value);
    WriteText(key, std::u16string(digits.begin(), digits.end()));
}

void SettingsDocument::AddComment(std::u16string_view text) {
    CreatePendingGroup();
    const Position after =
        lastTouched_ == entries_.end() ? entries_.begin() : std::next(lastTouched_);
    lastTouched_ = entries_.insert(after, {EntryKind::Comment, Utf16ToUtf8(text), {}});
    modified_ = true;
}

bool SettingsDocument::CloseDocument() {
    if (!open_) {
        return true;
    }
    bool written = true;
    // The file's own permission is looked at again: replacing a file only needs the right to
    // write its folder, and a file the user may not write must stay as it is.
    if (modified_ && !readOnly_ && platform::IsWritableFile(path_)) {
        written = platform::ReplaceFileContent(path_,
                                               WriteSettingsText(entries_, utf8_, groupSeparator_));
    }
    Reset();
    return written;
}

void SettingsDocument::Reset() {
    open_ = false;
    path_.clear();
    readOnly_ = utf8_ = groupSeparator_ = modified_ = false;
    entries_.clear();
    currentGroup_ = lastTouched_ = entries_.end();
    pendingGroup_.reset();
}

}  // namespace hashwell::settings
