#include "digest/file_digest.h"

#include "digest/digest.h"
#include "digest/overlapped_reader.h"

namespace hashwell::digest {
namespace {

std::string HashWholeFile(const platform::Path& path, std::int32_t method, std::int32_t bits,
                          std::u16string& failure) {
    std::optional<platform::ReadOnlyFile> file =
        platform::ReadOnlyFile::OpenRegular(path, &failure);
    if (!file) {
        return {};
    }
    constexpr int kFromFile = 0;
    DigestStream stream(method, bits, kFromFile);
    OverlappedReader reader(kFileReadBufferSize);
    if (!stream || !reader.Ready()) {
        return {};
    }
    // The next buffer is read while this one is hashed. A read error, or a file that changed
    // while it was read, gives no code: the bytes may be of no version of the file.
    FileSource source(*file);
    reader.Start(source);
    for (;;) {
        const Piece piece = reader.Next(&failure);
        if (piece.failed) {
            return {};
        }
        stream.Add(piece.bytes);
        if (piece.last) {
            return stream.Finish();
        }
    }
}

}  // namespace

std::string HashFile(const platform::Path& path, std::int32_t method, std::int32_t bits,
                     std::u16string* reason) {
    std::u16string failure;
    std::string code = HashWholeFile(path, method, bits, failure);
    if (code.empty() && reason != nullptr) {
        *reason = failure.empty() ? std::u16string(kCannotCompute) : failure;
    }
    return code;
}

}  // namespace hashwell::digest
