#include "settings/settings_text.h"

namespace hashwell::settings {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 + (b >> 6)));
            text.push_back(static_cast<char>(0x80 + (b & 0x3F)));
        }
    }
    return text;
}

SettingsEntry ParseLine(std::string_view line) {
    if (line.front() == ';') {
        line.remove_prefix(1);
        if (!line.empty() && line.front() == ' ') {
            line.remove_prefix(1);
        }
        return {EntryKind::Comment, std::string(line), {}};
    }
    if (line.front() == '[') {
        line.remove_prefix(1);
        return {EntryKind::GroupHeader, std::string(line.substr(0, line.find(']'))), {}};
    }
    const std::size_t equals = line.find('=');
    const std::string_view key = TrimTrailingBlanks(line.substr(0, equals));
    const std::string_view value = equals == std::string_view::npos
                                       ? std::string_view()
                                       : SkipLeadingBlanks(line.substr(equals + 1));
    return {EntryKind::Key, std::string(key), std::string(value)};
}

}  // namespace

std::string_view SkipLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

ParsedSettings ParseSettingsText(std::string_view bytes) {
    ParsedSettings parsed;
    if (bytes.empty()) {
        return parsed;
    }
    parsed.utf8 = true;
    std::string converted;
    std::string_view rest;
    if (bytes.size() > 2 && bytes.substr(0, 3) == kByteOrderMark) {
        rest = bytes.substr(3);
    } else {
        converted = Latin1ToUtf8(bytes);
        rest = converted;
    }
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsLineEnd(rest[end])) {
            ++end;
        }
        const std::string_view line = SkipLeadingBlanks(rest.substr(0, end));
        if (!line.empty()) {
            parsed.entries.push_back(ParseLine(line));
        }
        while (end < rest.size() && IsLineEnd(rest[end])) {
            ++end;
        }
        rest.remove_prefix(end);
    }
    return parsed;
}

std::string WriteSettingsText(const SettingsEntries& entries, bool utf8, bool groupSeparator) {
    std::string text;
    if (utf8) {
        text.append(kByteOrderMark).append(kLineEnd);
    }
    bool firstHeader = true;
    for (const SettingsEntry& entry : entries) {
        switch (entry.kind) {
            case EntryKind::GroupHeader:
                if (groupSeparator && !firstHeader) {
                    text.append(kLineEnd);
                }
                firstHeader = false;
                text.append("[").append(entry.name).append("]");
                break;
            case EntryKind::Comment:
                text.append("; ").append(entry.name);
                break;
            case EntryKind::Key:
                text.append(entry.name).append(" = ").append(entry.value);
                break;
        }
        text.append(kLineEnd);
    }
    return text;
}

}  // namespace hashwell::settings
