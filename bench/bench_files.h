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

// A folder of `folders` subfolders of `perFolder` files of `size` bytes each (made once: kept
// when it is there); the files in the order a walk of the folder meets them.
std::vector<std::filesystem::path> MakeTree(const std::filesystem::path& folder, int folders,
                                            int perFolder, std::uint64_t size);

// Drops every file's pages; empty when that worked for all of them, otherwise why not.
std::string DropAllFromCache(const std::vector<std::filesystem::path>& files);

// Seconds to read the files as they are, one after another, on this thread.
double ReadAll(const std::vector<std::filesystem::path>& files);

// Seconds to read the files, not in memory, the system told of all of them at once first
// (posix_fadvise WILLNEED) so that it reads them in parallel: the best any reading of them can
// do here.
double ReadAllCold(const std::vector<std::filesystem::path>& files);

}  // namespace hashwell::bench
