#pragma once

// Objects out of a compiled HTML help file (.chm), read with libchm. libchm trusts the file, so
// only the help reader program uses this, in a process of its own with limits.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "helpfile/reader_protocol.h"
#include "platform/platform.h"

struct chmFile;

namespace hashwell::helpfile {

class ChmFile {
public:
    // The opened file; nothing when it cannot be opened (`failure` then says Unreadable) or is
    // no compiled help file (Damaged).
    static std::optional<ChmFile> Open(const platform::Path& path, ReadStatus* failure = nullptr);

    // The bytes of an object inside it ("index.html", "style.css"): Missing when it has none of
    // that name, Damaged when the object's declared place or length cannot be true.
    Answer Read(std::string_view name) const;

    // The bytes of the contents list (a sitemap), under the names the help compilers give it.
    Answer Contents() const;

private:
    struct Closer {
        void operator()(chmFile* file) const;
    };
    ChmFile(chmFile* file, std::uint64_t size) : file_(file), size_(size) {}
    std::unique_ptr<chmFile, Closer> file_;
    std::uint64_t size_;
};

}  // namespace hashwell::helpfile
