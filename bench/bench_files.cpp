#include "bench_files.h"

#include <algorithm>
#include <fstream>

namespace hashwell::bench {

void WriteFile(const std::filesystem::path& path, std::uint64_t size, std::uint64_t seed) {
    std::vector<std::uint64_t> block(1 << 17);  // 1 MiB
    std::ofstream out(path, std::ios::binary);
    for (std::uint64_t written = 0; written < size;) {
        for (auto& word : block) {  // xorshift: cheap bytes that no hash finds easy
            seed ^= seed << 13;
            seed ^= seed >> 7;
            seed ^= seed << 17;
            word = seed;
        }
        const std::uint64_t piece = std::min<std::uint64_t>(size - written, block.size() * 8);
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(piece));
        written += piece;
    }
}

void Warm(const std::vector<std::filesystem::path>& files) {
    std::vector<char> buffer(1 << 20);
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()))) {
        }
    }
}

}  // namespace hashwell::bench
