#pragma once

// What a hashing run needs of the system, threads and buffers, given to it so that a test can
// refuse them and reach the run's fallbacks.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace hashwell::digest {

struct RunResources {
    // `size` bytes, or nullptr when memory is short.
    std::function<std::unique_ptr<std::uint8_t[]>(std::size_t size)> allocate;
    // A thread running `work`, or nothing when no thread can be started.
    std::function<std::optional<std::thread>(std::function<void()> work)> startThread;
};

// The system's own: operator new without exceptions, and std::thread.
const RunResources& SystemResources();

}  // namespace hashwell::digest
