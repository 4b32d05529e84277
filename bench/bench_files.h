#pragma once

// The files the benchmarks hash: made of bytes no hash finds easy, and read once beforehand so
// that every side finds them in the page cache.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace hashwell::bench {

void WriteFile(const std::filesystem::path& path, std::uint64_t size, std::uint64_t seed);
void Warm(const std::vector<std::filesystem::path>& files);

}  // namespace hashwell::bench
