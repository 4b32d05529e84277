#pragma once

// How far a run over many files has come: the bytes read, and a fixed share for each file
// finished, so that a list of empty files moves the bar too.

#include <atomic>
#include <cstdint>
#include <vector>

namespace hashwell::digest {

class RunProgress {
public:
    // The files' sizes when the run began.
    explicit RunProgress(const std::vector<std::uint64_t>& sizes);

    void BytesRead(std::uint64_t bytes);
    void FileFinished();

    std::uint64_t Bytes() const { return bytes_.load(std::memory_order_relaxed); }
    // 0 to 99 while the run lasts: 100 is for the caller to say, once every file is done.
    int Percent() const;

private:
    std::uint64_t unitsTotal_ = 0;
    std::atomic<std::uint64_t> units_{0};
    std::atomic<std::uint64_t> bytes_{0};
};

}  // namespace hashwell::digest
