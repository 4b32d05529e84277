#include "cli/quoted_name.h"

#include <cstdint>

#include "platform/unicode.h"

namespace hashwell::cli {
namespace {

// Characters the shell would take as something other than part of a name. The colon is quoted
// too, since messages put one after the name.
bool IsSpecial(char c, bool first) {
    switch (c) {
        case ' ':
        case '!':
        case '"':
        case '$':
        case '&':
        case '(':
        case ')':
        case '*':
        case ';':
        case '<':
        case '=':
        case '>':
        case '?':
        case '[':
        case '\\':
        case '^':
        case '`':
        case '|':
        case ':':
            return true;
        case '#':
        case '~':
            return first;
        default:
            return false;
    }
}

// The length of the UTF-8 sequence at `at` when it is a printable character, or 0.
std::size_t PrintableLength(std::string_view name, std::size_t at) {
    const auto byte = static_cast<std::uint8_t>(name[at]);
    if (byte < 0x80) {
        return byte >= 0x20 && byte < 0x7f ? 1 : 0;
    }
    const std::size_t length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 0;
    if (length == 0 || at + length > name.size() ||
        !platform::IsValidUtf8(name.substr(at, length))) {
        return 0;
    }
    // The C1 control characters, U+0080 to U+009F.
    return byte == 0xc2 && static_cast<std::uint8_t>(name[at + 1]) < 0xa0 ? 0 : length;
}

std::string Escaped(char c) {
    switch (c) {
        case '\a':
            return "\\a";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        case '\v':
            return "\\v";
        default: {
            const auto byte = static_cast<std::uint8_t>(c);
            return {'\\', static_cast<char>('0' + (byte >> 6)),
                    static_cast<char>('0' + ((byte >> 3) & 7)),
                    static_cast<char>('0' + (byte & 7))};
        }
    }
}

}  // namespace

std::string QuotedName(std::string_view name) {
    bool special = name.empty();
    bool control = false;
    bool apostrophe = false;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = PrintableLength(name, i);
        if (length == 0) {
            control = true;
            ++i;
            continue;
        }
        apostrophe = apostrophe || name[i] == '\'';
        special = special || IsSpecial(name[i], i == 0);
        i += length;
    }
    if (!special && !control && !apostrophe) {
        return std::string(name);
    }
    if (apostrophe && !special && !control) {
        return '"' + std::string(name) + '"';
    }
    std::string quoted = "'";
    bool open = true;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = PrintableLength(name, i);
        if (length == 0) {
            quoted += (open ? "'$'" : "$'") + Escaped(name[i]) + "'";
            open = false;
            ++i;
            continue;
        }
        if (!open) {
            quoted += '\'';
            open = true;
        }
        quoted += name[i] == '\'' ? std::string("'\\''") : std::string(name.substr(i, length));
        i += length;
    }
    if (open) {
        quoted += '\'';
    }
    return quoted;
}

}  // namespace hashwell::cli
