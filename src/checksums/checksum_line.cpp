#include "checksums/checksum_line.h"

#include <algorithm>

namespace hashwell::checksums {
namespace {

bool NeedsEscape(std::string_view name, const LineStyle& style) {
    return name.find_first_of(style.escapeTriggers) != std::string_view::npos;
}

// The name of an escaped line; nothing when it holds a backslash that starts no known escape.
std::optional<std::string> Unescape(std::string_view name) {
    std::string plain;
    plain.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            plain += name[i];
            continue;
        }
        if (++i == name.size()) {
            return std::nullopt;
        }
        switch (name[i]) {
            case '\\':
                plain += '\\';
                break;
            case 'n':
                plain += '\n';
                break;
            case 'r':
                plain += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return plain;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::size_t HexRun(std::string_view text) {
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsHexDigit) -
                                    text.begin());
}

std::string Lowercase(std::string_view hex) {
    std::string lower(hex);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

const Algorithm* FirstOfLength(std::span<const Algorithm> candidates, std::size_t length) {
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [&](const Algorithm& a) { return a.hexLength == length; });
    return found == candidates.end() ? nullptr : &*found;
}

const Algorithm* ByLength(std::size_t length, const LineRules& rules) {
    if (!rules.allowed.empty()) {
        return FirstOfLength(rules.allowed, length);
    }
    const Algorithm* named = FirstOfLength(rules.named, length);
    // Every algorithm otherwise: the catalogue lists SHA-2 before SHA-3 among codes of a length.
    return named != nullptr ? named : FirstOfLength(digest::Algorithms(), length);
}

const Algorithm* ByTag(std::string_view tag, const LineRules& rules) {
    const Algorithm* algorithm = digest::FindAlgorithmByTag(tag);
    if (algorithm == nullptr || rules.allowed.empty()) {
        return algorithm;
    }
    return std::find(rules.allowed.begin(), rules.allowed.end(), *algorithm) != rules.allowed.end()
               ? algorithm
               : nullptr;
}

// "TAG (name) = hex"; the name runs to the last ")", since the BSD tools do not escape names.
// rhash pads the tag with spaces ("MD5   (name)").
std::optional<ExpectedCode> ParseBsd(std::string_view line, bool escaped, const LineRules& rules) {
    const std::size_t tagEnd = line.find_first_of(" (");
    if (tagEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const Algorithm* algorithm = ByTag(line.substr(0, tagEnd), rules);
    std::size_t at = tagEnd;
    while (at < line.size() && line[at] == ' ') {
        ++at;
    }
    const std::size_t close = line.rfind(')');
    if (algorithm == nullptr || at >= line.size() || line[at] != '(' || close == line.npos ||
        close <= at + 1) {
        return std::nullopt;
    }
    std::size_t i = close + 1;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    if (i == line.size() || line[i] != '=') {
        return std::nullopt;
    }
    ++i;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    const std::string_view hex = line.substr(i);
    if (hex.size() != algorithm->hexLength || HexRun(hex) != hex.size()) {
        return std::nullopt;
    }
    const std::string_view name = line.substr(at + 1, close - at - 1);
    std::optional<std::string> plain = escaped ? Unescape(name) : std::string(name);
    if (!plain) {
        return std::nullopt;
    }
    return ExpectedCode{LineForm::Bsd, *algorithm, Lowercase(hex), std::move(*plain)};
}

// "name CRC": the code is the last word, eight hex digits.
std::optional<ExpectedCode> ParseSfv(std::string_view line, const LineRules& rules) {
    const Algorithm* crc32 = ByLength(8, rules);
    const std::size_t blank = line.find_last_of(" \t");
    if (crc32 == nullptr || crc32->name != "crc32" || blank == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view hex = line.substr(blank + 1);
    std::string_view name = line.substr(0, blank);
    while (!name.empty() && IsBlank(name.back())) {
        name.remove_suffix(1);
    }
    if (hex.size() != 8 || HexRun(hex) != 8 || name.empty()) {
        return std::nullopt;
    }
    return ExpectedCode{LineForm::Sfv, *crc32, Lowercase(hex), std::string(name)};
}

}  // namespace

// The lines are put together by appending: GCC 12 warns of overlapping copies, wrongly, in
// chains of string concatenations at -O3.
std::string GnuLine(std::string_view hex, std::string_view name, const LineStyle& style) {
    const bool escape = !style.zero && NeedsEscape(name, style);
    std::string line;
    line.reserve(hex.size() + name.size() + 8);
    if (escape) {
        line += '\\';
    }
    line.append(hex).append(style.binary ? " *" : "  ");
    line += escape ? EscapeName(name, style.escapeTriggers) : std::string(name);
    line += style.zero ? '\0' : '\n';
    return line;
}

std::string BsdLine(const Algorithm& algorithm, std::string_view hex, std::string_view name,
                    const LineStyle& style) {
    const bool escape = !style.zero && NeedsEscape(name, style);
    std::string line;
    line.reserve(algorithm.tag.size() + hex.size() + name.size() + 8);
    if (escape) {
        line += '\\';
    }
    line.append(algorithm.tag).append(" (");
    line += escape ? EscapeName(name, style.escapeTriggers) : std::string(name);
    line.append(") = ").append(hex);
    line += style.zero ? '\0' : '\n';
    return line;
}

std::optional<std::string> SfvLine(std::string_view hex, std::string_view name) {
    if (name.empty() || name.find_first_of("\n\r") != std::string_view::npos ||
        name.front() == ';' || name.front() == '#' || IsBlank(name.back())) {
        return std::nullopt;
    }
    return std::string(name) + ' ' + std::string(hex) + '\n';
}

std::string EscapeName(std::string_view name, std::string_view escaped) {
    std::string text;
    text.reserve(name.size() + 2);
    for (const char c : name) {
        if (c != '\\' && escaped.find(c) == std::string_view::npos) {
            text += c;
            continue;
        }
        text += '\\';
        text += c == '\n' ? 'n' : c == '\r' ? 'r' : c;
    }
    return text;
}

// "hex  name" or "hex *name" (the gnu form), or "hex name" (the reversed form), as the file's
// first untagged line decided.
std::optional<ExpectedCode> ChecksumLineParser::ParseUntagged(std::string_view line, bool escaped) {
    const std::size_t length = HexRun(line);
    const Algorithm* algorithm = ByLength(length, rules_);
    if (algorithm == nullptr || length + 1 >= line.size() || !IsBlank(line[length])) {
        return std::nullopt;
    }
    std::size_t at = length + 1;
    const bool marked = line.size() - at > 1 && (line[at] == ' ' || line[at] == '*');
    if (!marked) {
        if (form_ == Form::Gnu) {
            return std::nullopt;  // a reversed line among gnu ones
        }
        form_ = Form::Reversed;
    } else if (form_ != Form::Reversed) {
        form_ = Form::Gnu;
        ++at;
    }
    const std::string_view name = line.substr(at);
    std::optional<std::string> plain = escaped ? Unescape(name) : std::string(name);
    if (!plain || plain->empty()) {
        return std::nullopt;
    }
    return ExpectedCode{LineForm::Gnu, *algorithm, Lowercase(line.substr(0, length)),
                        std::move(*plain)};
}

ParsedLine ChecksumLineParser::Parse(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.empty() || line.starts_with('#') || (rules_.sfvFirst && line.starts_with(';'))) {
        return {LineKind::Ignored, std::nullopt};
    }
    std::optional<ExpectedCode> code = rules_.sfvFirst ? ParseSfv(line, rules_) : std::nullopt;
    if (!code) {
        std::string_view rest = line;
        while (!rest.empty() && IsBlank(rest.front())) {
            rest.remove_prefix(1);
        }
        const bool escaped = rest.starts_with('\\');
        if (escaped) {
            rest.remove_prefix(1);
        }
        code = ParseBsd(rest, escaped, rules_);
        if (!code) {
            code = ParseUntagged(rest, escaped);
        }
    }
    if (!code && !rules_.sfvFirst) {
        code = ParseSfv(line, rules_);
    }
    return {code ? LineKind::Code : LineKind::Malformed, std::move(code)};
}

}  // namespace hashwell::checksums
