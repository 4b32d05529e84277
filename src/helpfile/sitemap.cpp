#include "helpfile/sitemap.h"

#include <optional>

#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The value of the attribute `name` (lower case) inside one tag's text, without its quotes. The
// search for the closing quote starts after the last one found, so a tag is read about once.
std::optional<std::string_view> AttributeOf(std::string_view tag, std::string_view name) {
    for (std::size_t at = 1; at + name.size() < tag.size(); ++at) {
        if (!IsSpace(tag[at - 1])) {
            continue;
        }
        std::size_t i = 0;
        while (i < name.size() && AsciiLower(tag[at + i]) == name[i]) {
            ++i;
        }
        if (i < name.size()) {
            continue;
        }
        i = at + name.size();
        while (i < tag.size() && tag[i] == ' ') {
            ++i;
        }
        if (i >= tag.size() || tag[i] != '=') {
            continue;
        }
        ++i;
        while (i < tag.size() && tag[i] == ' ') {
            ++i;
        }
        if (i < tag.size() && tag[i] == '"') {
            const std::size_t close = tag.find('"', i + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;  // no quote closes it, nor any later value
            }
            return tag.substr(i + 1, close - i - 1);
        }
    }
    return std::nullopt;
}

bool StartsWithLower(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The three entities the compilers write, in one pass.
std::string UnescapeEntities(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [escaped, character] : {std::pair{std::string_view("&gt;"), '>'},
                                                     {std::string_view("&lt;"), '<'},
                                                     {std::string_view("&amp;"), '&'}}) {
                if (text.substr(i, escaped.size()) == escaped) {
                    plain += character;
                    i += escaped.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            plain += text[i++];
        }
    }
    return plain;
}

}  // namespace

// Read tag by tag rather than with std::regex, which GCC 12 cannot compile warning-free with
// optimisation and sanitizers on. A tag runs from '<' to the next '>', and the next tag is
// looked for after that '>': every byte is passed over once.
std::vector<ContentsEntry> ParseSitemap(std::string_view text) {
    std::vector<ContentsEntry> entries;
    std::string_view pendingTitle;
    bool titlePending = false;  // not an optional: GCC 12 warns it may be read uninitialised
    for (std::size_t open = text.find('<'); open != std::string_view::npos;) {
        const std::size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        const std::string_view tag = text.substr(open + 1, close - open - 1);
        open = text.find('<', close + 1);
        if (!StartsWithLower(tag, "param ")) {
            titlePending = false;  // the two params must follow each other
            continue;
        }
        const std::optional<std::string_view> name = AttributeOf(tag, "name");
        const std::optional<std::string_view> value = AttributeOf(tag, "value");
        if (name && value && name->size() == 4 && StartsWithLower(*name, "name")) {
            pendingTitle = *value;
            titlePending = true;
        } else if (name && value && titlePending && name->size() == 5 &&
                   StartsWithLower(*name, "local")) {
            entries.push_back(
                {platform::Utf8ToUtf16(UnescapeEntities(pendingTitle)), std::string(*value)});
            titlePending = false;
        } else {
            titlePending = false;
        }
    }
    return entries;
}

}  // namespace hashwell::helpfile
