// Fails the build when the compiled help file lacks a page the program can ask for.
//   check_help_file Hashwell.chm

#include <cstdio>

#include "core/windows/help_topics.h"
#include "helpfile/chm_file.h"
#include "helpfile/sitemap.h"
#include "platform/unicode.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: check_help_file FILE.chm\n");
        return 2;
    }
    const auto file =
        hashwell::helpfile::ChmFile::Open(hashwell::platform::DecodeNativeBytes(argv[1]));
    if (!file) {
        std::fprintf(stderr, "%s: not a compiled help file\n", argv[1]);
        return 1;
    }
    int missing = 0;
    for (const std::u16string& page : hashwell::core::AllHelpPages()) {
        const std::string name = hashwell::platform::Utf16ToUtf8(page);
        if (file->Read(name).status != hashwell::helpfile::ReadStatus::Found) {
            std::fprintf(stderr, "%s: no page %s\n", argv[1], name.c_str());
            ++missing;
        }
    }
    if (hashwell::helpfile::ParseSitemap(file->Contents().bytes).empty()) {
        std::fprintf(stderr, "%s: no contents list\n", argv[1]);
        ++missing;
    }
    return missing == 0 ? 0 : 1;
}
