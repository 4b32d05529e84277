#pragma once

// The one-line progress display of a long run on a terminal: bytes done, the total when it is
// known, the rate and the time left. It appears only once the run has taken about a second and
// is wiped at the end.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "cli/console.h"

namespace hashwell::cli {

// "1.5 GiB", "640.0 KiB", "12 B".
std::string ByteCount(std::uint64_t bytes);

// The progress line's text; the total and the time left only when the total is known.
std::string ProgressText(std::uint64_t done, std::optional<std::uint64_t> total,
                         std::chrono::duration<double> elapsed);

class Progress {
public:
    explicit Progress(Console& console);
    ~Progress();  // wipes the line
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Called often; redraws the line a few times a second.
    void Update(std::uint64_t done, std::optional<std::uint64_t> total);

private:
    using Clock = std::chrono::steady_clock;
    Console& console_;
    Clock::time_point started_ = Clock::now();
    Clock::time_point drawn_{};
};

}  // namespace hashwell::cli
