#pragma once

// What a hashing run needs of the system, threads and buffers and the opening of files ahead
// of their reading, given to it so that a test can refuse them and reach the run's fallbacks,
// or change a file between its opening and its reading.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <thread>

#include "platform/platform.h"

namespace hashwell::digest {

// A buffer that files are read into. It starts on a page boundary: the system copies a file's
// cached pages much faster to such an address than to one 16 bytes past it (a third of the
// time of reading a cached file, measured on AMD EPYC).
inline constexpr std::align_val_t kBufferAlignment{4096};
struct AlignedDelete {
    void operator()(std::uint8_t* bytes) const { ::operator delete[](bytes, kBufferAlignment); }
};
using ReadBuffer = std::unique_ptr<std::uint8_t[], AlignedDelete>;

struct RunResources {
    // `size` bytes, or nullptr when memory is short.
    std::function<ReadBuffer(std::size_t size)> allocate;
    // A thread running `work`, or nothing when no thread can be started.
    std::function<std::optional<std::thread>(std::function<void()> work)> startThread;
    // Opens a regular file that will be read soon, with the reason on failure, and says in
    // `inMemory` whether its first bytes are in the system's cache; when they are not, tells the
    // system to begin reading it. None: files are opened only as they are read.
    std::function<std::optional<platform::ReadOnlyFile>(const platform::Path& file,
                                                        std::u16string* reason, bool* inMemory)>
        openAhead{};
};

// The system's own: operator new without exceptions, aligned, std::thread, and
// ReadOnlyFile::OpenRegular, StartsInMemory and AdviseWillRead.
const RunResources& SystemResources();

}  // namespace hashwell::digest
