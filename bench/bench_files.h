#pragma once

// The files the benchmarks hash: made of bytes no hash finds easy, and read once beforehand so
// that every side finds them in the page cache.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace hashwell::bench {

void WriteFile(const std::filesystem::path& path, std::uint64_t size, std::uint64_t seed);
void Warm(const std::vector<std::filesystem::path>& files);

// Drops the file's pages from the page cache (posix_fadvise DONTNEED after writing it back),
// so that the next read comes from the disk. Empty when that worked, checked with mincore;
// otherwise why not.
std::string DropFromCache(const std::filesystem::path& file);

}  // namespace hashwell::bench
