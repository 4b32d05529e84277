#include "helpfile/chm_file.h"

#include <chm_lib.h>

#include <regex>

#include "platform/unicode.h"

namespace hashwell::helpfile {
namespace {

// The entries of a sitemap (.hhc): <param name="Name" value="..."> then <param name="Local"
// value="...">, as the help compilers write them.
std::vector<ChmFile::Entry> ParseSitemap(const std::string& text) {
    static const std::regex kObject(
        R"re(<param\s+name="Name"\s+value="([^"]*)"\s*>\s*<param\s+name="Local"\s+value="([^"]*)")re",
        std::regex::icase);
    std::vector<ChmFile::Entry> entries;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), kObject);
         match != std::sregex_iterator(); ++match) {
        std::string title = (*match)[1].str();
        for (const auto& [escaped, plain] :
             {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
            for (std::size_t at; (at = title.find(escaped)) != std::string::npos;) {
                title.replace(at, std::string_view(escaped).size(), plain);
            }
        }
        entries.push_back({platform::Utf8ToUtf16(title), (*match)[2].str()});
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
