#include "bench_files.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
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

std::string DropFromCache(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) {
        return std::strerror(errno);
    }
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(file));
    std::string why;
    if (::fdatasync(fd) != 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) {
        why = std::strerror(errno);
    } else if (size > 0) {
        // Whatever the system says, count the pages still in memory.
        void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        const long page = ::sysconf(_SC_PAGESIZE);
        std::vector<unsigned char> resident((size + page - 1) / page);
        if (map == MAP_FAILED || ::mincore(map, size, resident.data()) != 0) {
            why = std::strerror(errno);
        } else {
            const auto kept = std::count_if(resident.begin(), resident.end(),
                                            [](unsigned char r) { return (r & 1) != 0; });
            if (kept * 100 > static_cast<long>(resident.size())) {
                why = std::to_string(kept) + " of " + std::to_string(resident.size()) +
                      " pages stayed in the page cache";
            }
        }
        if (map != MAP_FAILED) {
            ::munmap(map, size);
        }
    }
    ::close(fd);
    return why;
}

std::vector<std::filesystem::path> MakeTree(const std::filesystem::path& folder, int folders,
                                            int perFolder, std::uint64_t size) {
    std::vector<std::filesystem::path> files;
    for (int f = 0; f < folders; ++f) {
        const std::filesystem::path sub = folder / ("d" + std::to_string(1000 + f));
        std::filesystem::create_directories(sub);
        for (int i = 0; i < perFolder; ++i) {
            files.push_back(sub / ("f" + std::to_string(1000 + i) + ".bin"));
            if (!std::filesystem::exists(files.back())) {
                WriteFile(files.back(), size, static_cast<std::uint64_t>(f * perFolder + i + 1));
            }
        }
    }
    return files;
}

std::string DropAllFromCache(const std::vector<std::filesystem::path>& files) {
    std::string why;
    for (const std::filesystem::path& file : files) {
        std::string failed = DropFromCache(file);
        if (why.empty()) {
            why = std::move(failed);
        }
    }
    return why;
}

double ReadAll(const std::vector<std::filesystem::path>& files) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<char> buffer(1 << 20);
    for (const std::filesystem::path& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        while (::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        ::close(fd);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double ReadAllCold(const std::vector<std::filesystem::path>& files) {
    DropAllFromCache(files);
    const auto start = std::chrono::steady_clock::now();
    for (const std::filesystem::path& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
        ::close(fd);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() +
           ReadAll(files);
}

}  // namespace hashwell::bench
