#include "helpfile/chm_file.h"

#include <chm_lib.h>

#include "helpfile/limits.h"
#include "platform/unicode.h"

namespace hashwell::helpfile {

void ChmFile::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

std::optional<ChmFile> ChmFile::Open(const platform::Path& path, ReadStatus* failure) {
    const std::optional<std::uint64_t> size = platform::RegularFileSize(path);
    if (!size || !platform::ReadOnlyFile::OpenRegular(path)) {
        if (failure != nullptr) {
            *failure = ReadStatus::Unreadable;
        }
        return std::nullopt;
    }
    chmFile* file = chm_open(platform::EncodeNativeBytes(path).c_str());
    if (file == nullptr) {
        if (failure != nullptr) {
            *failure = ReadStatus::Damaged;
        }
        return std::nullopt;
    }
    return ChmFile(file, *size);
}

Answer ChmFile::Read(std::string_view name) const {
    // Put together by appending: GCC 12 warns of overlapping copies, wrongly, for "/" + name at
    // -O3.
    std::string object;
    if (!name.starts_with('/')) {
        object += '/';
    }
    object += name;
    chmUnitInfo unit{};
    if (object.size() > kMaxNameLength ||
        chm_resolve_object(file_.get(), object.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return {ReadStatus::Missing, {}};
    }
    // Cap what the file declares by its own size and by the largest object the help may hold.
    const std::optional<std::size_t> length =
        CheckedObjectLength(unit.length, unit.start, unit.space == CHM_COMPRESSED, size_);
    if (!length) {
        return {ReadStatus::Damaged, {}};
    }
    std::string bytes(*length, '\0');
    const LONGINT64 got =
        chm_retrieve_object(file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(bytes.size()));
    if (got != static_cast<LONGINT64>(bytes.size())) {
        return {ReadStatus::Damaged, {}};
    }
    return {ReadStatus::Found, std::move(bytes)};
}

Answer ChmFile::Contents() const {
    // The compilers keep the contents list under the name it had in the project.
    for (const char* name : {"Hashwell.hhc", "Table of Contents.hhc", "toc.hhc"}) {
        if (Answer answer = Read(name); answer.status != ReadStatus::Missing) {
            return answer;
        }
    }
    return {ReadStatus::Missing, {}};
}

}  // namespace hashwell::helpfile
