#include "platform/platform.h"

namespace hashwell::platform {

std::optional<std::string> ReadFileBytes(const Path& path) {
    std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(path);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        const std::size_t before = bytes.size();
        bytes.resize(before + kChunk);
        const std::optional<std::size_t> got =
            file->Read(reinterpret_cast<std::uint8_t*>(bytes.data() + before), kChunk);
        if (!got) {
            return std::nullopt;
        }
        bytes.resize(before + *got);
        if (*got < kChunk) {
            return bytes;
        }
    }
}

}  // namespace hashwell::platform
