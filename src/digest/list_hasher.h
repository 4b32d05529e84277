#pragma once

// The five codes of every file of a list run, each file read once, on two worker threads:
// a large file is read into a ring of buffers that both workers hash at once (SHA3-256 and
// CRC-32 on one, MD5, SHA-1 and SHA-256 on the other); small files go whole to whichever
// worker is free. Memory stays the same whatever the files' sizes.

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace hashwell::digest {

// CRC-32, MD5, SHA-1, SHA-256, SHA3-256 as lowercase hex; all five empty when the file could
// not be opened or read to its end, or changed while it was read.
using FiveCodes = std::array<std::string, 5>;

class ListHasher {
public:
    // Starts hashing at once. The registry must hold the five methods.
    explicit ListHasher(std::vector<platform::Path> paths);
    ~ListHasher();  // waits for the workers
    ListHasher(const ListHasher&) = delete;
    ListHasher& operator=(const ListHasher&) = delete;

    // Waits up to `wait` for the work to end; true when it has.
    bool WaitFor(std::chrono::milliseconds wait);
    // How much is done, 0 to 100; 100 only once every file is finished.
    int PercentDone() const;
    // Once the work has ended: the codes of each path, in the order given.
    const std::vector<FiveCodes>& Results() const { return results_; }

private:
    struct Chunk;
    void ReadAndHashShared();     // worker 0 on the large files: reads, CRC-32 and SHA3-256
    void HashSharedSecondHalf();  // worker 1 on the large files: MD5, SHA-1, SHA-256
    void HashSmallFiles(std::uint8_t* buffer);
    void Finished();

    std::vector<platform::Path> paths_;
    std::vector<FiveCodes> results_;
    std::vector<std::size_t> large_;  // indices of the files both workers share
    std::vector<std::size_t> small_;  // indices of the files each hashed by one worker
    std::atomic<std::size_t> nextSmall_{0};

    // The ring of chunks of the large files.
    std::vector<Chunk> ring_;
    std::unique_ptr<std::uint8_t[]> ringBytes_;
    std::mutex ringLock_;
    std::condition_variable ringChanged_;
    std::uint64_t chunksRead_ = 0;    // chunks worker 0 has filled
    std::uint64_t chunksHashed_ = 0;  // chunks worker 1 is done with

    std::unique_ptr<std::uint8_t[]> smallBuffers_;
    std::atomic<std::uint64_t> unitsDone_{0};  // bytes, plus a fixed share per finished file
    std::uint64_t unitsTotal_ = 0;

    mutable std::mutex doneLock_;
    std::condition_variable doneChanged_;
    int workersRunning_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace hashwell::digest
