#include <algorithm>

#include "platform/platform.h"

namespace hashwell::platform {

bool ReadOnlyFile::ReadAsOpened() const {
    if (opened_.stream) {
        return true;
    }
    const std::optional<Stamp> now = StampNow();
    if (!now || *now != opened_) {
        return false;
    }
    // A file reported as empty can only be one that streams: a regular file that grew would
    // have a new size.
    return !opened_.sizeIsLength || opened_.size == 0 || bytesRead_ == opened_.size;
}

std::optional<std::string> ReadFileBytes(const Path& path, std::size_t maxSize) {
    std::optional<ReadOnlyFile> file = ReadOnlyFile::OpenRegular(path);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        // One byte beyond the limit tells a file that is too large, whatever size it reports.
        const std::size_t before = bytes.size();
        const std::size_t ask = std::min(kChunk, maxSize + 1 - before);
        bytes.resize(before + ask);
        const std::optional<std::size_t> got =
            file->Read(reinterpret_cast<std::uint8_t*>(bytes.data() + before), ask);
        if (!got) {
            return std::nullopt;
        }
        bytes.resize(before + *got);
        if (bytes.size() > maxSize) {
            return std::nullopt;
        }
        if (*got < ask) {
            break;
        }
    }
    if (!file->ReadAsOpened()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace hashwell::platform
