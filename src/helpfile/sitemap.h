#pragma once

// The contents list of a compiled help file, from its sitemap (.hhc).

#include <string>
#include <string_view>
#include <vector>

namespace hashwell::helpfile {

struct ContentsEntry {
    std::u16string title;
    std::string page;
    bool operator==(const ContentsEntry&) const = default;
};

// The entries of a sitemap: <param name="Name" value="..."> then <param name="Local"
// value="...">, as the help compilers write them, in the text's order. Any bytes are taken, and
// each is looked at a bounded number of times, so a crafted list costs no more than its length.
std::vector<ContentsEntry> ParseSitemap(std::string_view text);

}  // namespace hashwell::helpfile
