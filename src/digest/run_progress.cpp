#include "digest/run_progress.h"

#include <algorithm>

namespace hashwell::digest {
namespace {

// What finishing a file counts for, besides its bytes.
constexpr std::uint64_t kUnitsPerFile = 64 * 1024;

}  // namespace

RunProgress::RunProgress(const std::vector<std::uint64_t>& sizes) {
    for (const std::uint64_t size : sizes) {
        unitsTotal_ += size + kUnitsPerFile;
    }
}

void RunProgress::BytesRead(std::uint64_t bytes) {
    units_.fetch_add(bytes, std::memory_order_relaxed);
    bytes_.fetch_add(bytes, std::memory_order_relaxed);
}

void RunProgress::FileFinished() {
    units_.fetch_add(kUnitsPerFile, std::memory_order_relaxed);
}

int RunProgress::Percent() const {
    if (unitsTotal_ == 0) {
        return 0;
    }
    // A file that grew while it was read may carry the count past the total.
    const std::uint64_t done = units_.load(std::memory_order_relaxed);
    return static_cast<int>(std::min<std::uint64_t>(99, done * 100 / unitsTotal_));
}

}  // namespace hashwell::digest
