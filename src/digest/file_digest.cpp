#include "digest/file_digest.h"

#include "digest/digest.h"
#include "digest/overlapped_reader.h"

namespace hashwell::digest {

std::string HashFile(const platform::Path& path, std::int32_t method, std::int32_t bits) {
    std::optional<platform::ReadOnlyFile> file = platform::ReadOnlyFile::OpenRegular(path);
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
        const Piece piece = reader.Next();
        if (piece.failed) {
            return {};
        }
        stream.Add(piece.bytes);
        if (piece.last) {
            return stream.Finish();
        }
    }
}

}  // namespace hashwell::digest
