#include "digest/file_digest.h"

#include <memory>
#include <new>

#include "digest/digest.h"

namespace hashwell::digest {

std::string HashFile(const platform::Path& path, std::int32_t method, std::int32_t bits) {
    std::optional<platform::ReadOnlyFile> file = platform::ReadOnlyFile::OpenRegular(path);
    if (!file) {
        return {};
    }
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow)
                                                     std::uint8_t[kFileReadBufferSize]);
    if (!buffer) {
        return {};
    }
    constexpr int kFromFile = 0;
    DigestStream stream(method, bits, kFromFile);
    if (!stream) {
        return {};
    }
    for (;;) {
        const std::optional<std::size_t> got = file->Read(buffer.get(), kFileReadBufferSize);
        if (!got) {
            return {};
        }
        stream.Add({buffer.get(), *got});
        if (*got != kFileReadBufferSize) {
            break;
        }
    }
    // A file that changed while it was read has no code: the bytes may be of no version of it.
    if (!file->ReadAsOpened()) {
        return {};
    }
    return stream.Finish();
}

}  // namespace hashwell::digest
