#include "helpfile/chm_file.h"

#include <chm_lib.h>

#include <optional>
#include <string_view>

#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

// The value of the attribute `name` (lower case) inside one tag's text, without its quotes.
std::optional<std::string> AttributeOf(std::string_view tag, std::string_view name) {
    const std::string lower = AsciiLower(tag);
    for (std::size_t at = lower.find(name); at != std::string::npos;
         at = lower.find(name, at + 1)) {
        std::size_t i = at + name.size();
        const bool wordStart = at > 0 && (lower[at - 1] == ' ' || lower[at - 1] == '\t' ||
                                          lower[at - 1] == '\n' || lower[at - 1] == '\r');
        while (i < lower.size() && lower[i] == ' ') {
            ++i;
        }
        if (!wordStart || i >= lower.size() || lower[i] != '=') {
            continue;
        }
        ++i;
        while (i < lower.size() && lower[i] == ' ') {
            ++i;
        }
        if (i < lower.size() && lower[i] == '"') {
            const std::size_t close = lower.find('"', i + 1);
            if (close != std::string::npos) {
                return std::string(tag.substr(i + 1, close - i - 1));
            }
        }
    }
    return std::nullopt;
}

std::string UnescapeEntities(std::string text) {
    for (const auto& [escaped, plain] : {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
        for (std::size_t at; (at = text.find(escaped)) != std::string::npos;) {
            text.replace(at, std::string_view(escaped).size(), plain);
        }
    }
    return text;
}

// The entries of a sitemap (.hhc): <param name="Name" value="..."> then <param name="Local"
// value="...">, as the help compilers write them. Read tag by tag rather than with std::regex,
// which GCC 12 cannot compile warning-free with optimisation and sanitizers on.
std::vector<ChmFile::Entry> ParseSitemap(const std::string& text) {
    std::vector<ChmFile::Entry> entries;
    std::optional<std::string> pendingTitle;
    for (std::size_t open = text.find('<'); open != std::string::npos;
         open = text.find('<', open + 1)) {
        const std::size_t close = text.find('>', open);
        if (close == std::string::npos) {
            break;
        }
        const std::string_view tag = std::string_view(text).substr(open + 1, close - open - 1);
        if (AsciiLower(tag.substr(0, 6)) != "param ") {
            pendingTitle.reset();  // the two params must follow each other
            continue;
        }
        const std::optional<std::string> name = AttributeOf(tag, "name");
        const std::optional<std::string> value = AttributeOf(tag, "value");
        const std::string kind = AsciiLower(name.value_or(""));
        if (kind == "name" && value) {
            pendingTitle = value;
        } else if (kind == "local" && value && pendingTitle) {
            entries.push_back({platform::Utf8ToUtf16(UnescapeEntities(*pendingTitle)), *value});
            pendingTitle.reset();
        } else {
            pendingTitle.reset();
        }
    }
    return entries;
}

}  // namespace

void ChmFile::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

std::optional<ChmFile> ChmFile::Open(const platform::Path& path) {
#ifdef _WIN32
    chmFile* file = chm_open(reinterpret_cast<const wchar_t*>(path.c_str()));
#else
    chmFile* file = chm_open(platform::EncodeNativeBytes(path).c_str());
#endif
    if (file == nullptr) {
        return std::nullopt;
    }
    return ChmFile(file);
}

std::optional<std::string> ChmFile::Read(std::string_view name) const {
    const std::string object = name.starts_with('/') ? std::string(name) : "/" + std::string(name);
    chmUnitInfo unit{};
    if (chm_resolve_object(file_.get(), object.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    const LONGINT64 got =
        chm_retrieve_object(file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length)) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<ChmFile::Entry> ChmFile::Contents() const {
    // The compilers keep the contents list under the name it had in the project.
    for (const char* name : {"Hashwell.hhc", "Table of Contents.hhc", "toc.hhc"}) {
        if (std::optional<std::string> sitemap = Read(name)) {
            return ParseSitemap(*sitemap);
        }
    }
    return {};
}

}  // namespace hashwell::helpfile
