#pragma once

// Counts and sizes as the message boxes write them, the same in every locale.

#include <cstdint>
#include <string>

namespace hashwell::core {

// The number with its digits grouped in threes by commas: "3,214".
std::u16string GroupedCount(std::uint64_t count);

// A size in decimal units with one decimal: "999 bytes", "1.0 KB", "12.4 GB"; rounded to the
// nearest tenth, halves up, and moved to the next unit when that gives 1000.0.
std::u16string DecimalSize(std::uint64_t bytes);

}  // namespace hashwell::core
