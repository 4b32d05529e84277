#pragma once

// Pages out of a compiled HTML help file (.chm), read with libchm.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

struct chmFile;

namespace hashwell::helpfile {

class ChmFile {
public:
    // The opened file; nothing when it cannot be opened as a compiled help file.
    static std::optional<ChmFile> Open(const platform::Path& path);

    // The bytes of a file inside it ("index.html", "style.css"); nothing when it has none of
    // that name.
    std::optional<std::string> Read(std::string_view name) const;

    // The contents list: each entry's title and page, in the file's order.
    struct Entry {
        std::u16string title;
        std::string page;
    };
    std::vector<Entry> Contents() const;

private:
    struct Closer {
        void operator()(chmFile* file) const;
    };
    explicit ChmFile(chmFile* file) : file_(file) {}
    std::unique_ptr<chmFile, Closer> file_;
};

}  // namespace hashwell::helpfile
