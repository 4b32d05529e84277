#pragma once

// What a run over many files is asked for, and how it shares the work between its workers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "digest/catalogue.h"
#include "platform/platform.h"

namespace hashwell::digest {

// A file and the codes wanted of it.
struct HashJob {
    platform::Path path;
    std::vector<AlgorithmId> algorithms;
    bool streams = false;  // a pipe or a device at the path is read too (named by the user)
    std::optional<std::uint64_t> size{};  // the file's size, when the caller has just measured it
};

// A large file is read once and hashed by two workers at once, each computing its part of the
// codes (split by their cost), and each half of its BLAKE3 code; every other file goes whole to
// whichever worker is free.
struct WorkPlan {
    std::vector<std::size_t> shared;  // the jobs two workers share, in order
    std::vector<std::size_t> whole;   // the jobs hashed whole, in order
    // For each job: the indices of its algorithms that the first and the second worker compute
    // when it is shared. A job with one code is hashed by the second worker, the first reading
    // ahead for it.
    std::vector<std::vector<std::size_t>> firstPart;
    std::vector<std::vector<std::size_t>> secondPart;
    // For each shared job: the index of its BLAKE3 code, which both workers compute together,
    // each a half of every buffer (BLAKE3's tree allows it); left out of both parts above.
    std::vector<std::optional<std::size_t>> sharedTree;
};

// Files from this size on are worth sharing between two workers.
inline constexpr std::uint64_t kSharedFromSize = 4 * 1024 * 1024;

// The plan for the jobs, whose files had these sizes when the run began.
WorkPlan PlanWork(const std::vector<HashJob>& jobs, const std::vector<std::uint64_t>& sizes,
                  unsigned workers);

}  // namespace hashwell::digest
