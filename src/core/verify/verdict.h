#pragma once

// The box that ends a verification: how many of the checksum lines' files are OK, and what
// went wrong with the others.

#include <cstddef>

#include "core/desktop/message_box.h"

namespace hashwell::core {

// Counted over checksum lines: a file named twice counts twice.
struct VerifyTally {
    std::size_t lines = 0;  // checksum lines
    std::size_t failed = 0;
    std::size_t missing = 0;
    std::size_t unreadable = 0;
    std::size_t malformed = 0;  // lines that are not checksum lines (blank ones and comments are)
};

// "Verification": "All 24 files OK." (information), or "3 of 24 files FAILED, 1 missing,
// 1 unreadable." (warning), followed by "2 lines are not checksum lines." when there were such.
MessageBoxRequest VerdictBox(const VerifyTally& tally);

}  // namespace hashwell::core
