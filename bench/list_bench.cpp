// The List of Files run (five codes of every file, each file read once, two workers) beside
// rhash computing the same five codes (--crc32 --md5 --sha1 --sha256 --sha3-256, one pass, one
// thread) over the same files in the page cache, in one run: one 1 GiB file, then 2,000 files
// of 64 KiB. Then the File tab's SHA-256 of the 1 GiB file out of the page cache beside reading
// it alone and hashing it from memory, a folder of 20,000 small files out of the page cache
// beside rhash -r, and the resident memory the run needs for a 10 GiB sparse file beyond a
// 1 MiB one.
//
//   list_bench [folder]   the files are made in the folder (default: a new one under /tmp)
//                          and removed afterwards

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_files.h"
#include "digest/active_kernels.h"
#include "digest/file_digest.h"
#include "digest/list_hasher.h"
#include "digest/registry.h"
#include "two_core_bound.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using hashwell::bench::Warm;
using hashwell::bench::WriteFile;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 3;  // each side's best of three

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double OurRun(const std::vector<fs::path>& files) {
    std::vector<hashwell::platform::Path> paths;
    for (const fs::path& file : files) {
        paths.push_back(file.u16string());
    }
    const auto start = Clock::now();
    hashwell::digest::ListHasher hasher(paths);
    while (!hasher.WaitFor(std::chrono::milliseconds(5))) {
    }
    return SecondsSince(start);
}

// rhash over the files, or over the folder with -r when one is given.
double RhashRun(const std::vector<fs::path>& files, const fs::path& folder = {}) {
    std::vector<std::string> words = {"rhash",  "--crc32",  "--md5",
                                      "--sha1", "--sha256", "--sha3-256"};
    if (!folder.empty()) {
        words.insert(words.end(), {"-r", folder.string()});
    }
    for (const fs::path& file : folder.empty() ? files : std::vector<fs::path>()) {
        words.push_back(file.string());
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, "rhash", &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "rhash is not installed (Debian package rhash)\n");
        std::exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const double seconds = SecondsSince(start);
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

// A folder not in memory: 20,000 files of 16 KiB in 100 subfolders, every file's pages dropped
// before each run of either side; beside rhash -r, and beside the list run over the same files
// in memory, which it should nearly match where reading them (several at a time) is faster than
// hashing them.
void ColdTree(const fs::path& tree) {
    const std::vector<fs::path> files = hashwell::bench::MakeTree(tree, 100, 200, 16 * 1024);
    const std::string why = hashwell::bench::DropAllFromCache(files);
    if (!why.empty()) {
        std::printf(
            "\n20,000 files not in memory: skipped, the page cache cannot be dropped here (%s)\n",
            why.c_str());
        return;
    }
    double ours = 1e30, rhash = 1e30, read = 1e30, warm = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        hashwell::bench::DropAllFromCache(files);
        ours = std::min(ours, OurRun(files));
        hashwell::bench::DropAllFromCache(files);
        rhash = std::min(rhash, RhashRun(files, tree));
        read = std::min(read, hashwell::bench::ReadAllCold(files));
    }
    for (int round = 0; round < kRounds; ++round) {
        warm = std::min(warm, OurRun(files));
    }
    std::printf(
        "\n20,000 files of 16 KiB not in memory: %.3f s, rhash -r %.3f s, ratio %.2f (target 1.5); "
        "the same in memory %.3f s, over ours %.2f (target 0.91); reading them alone, not in "
        "memory, %.3f s\n",
        ours, rhash, rhash / ours, warm, warm / ours, read);
}

template <class Run>
double Best(Run&& run, const std::vector<fs::path>& files) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        best = std::min(best, run(files));
    }
    return best;
}

// The File tab's one code of a file not in the page cache, beside reading the file alone (cold)
// and hashing it from memory: overlapped, it takes about the larger of the two.
void ColdFileTab(const fs::path& file) {
    const std::string why = hashwell::bench::DropFromCache(file);
    if (!why.empty()) {
        std::printf("\nFile tab, cold file: skipped, the page cache cannot be dropped here (%s)\n",
                    why.c_str());
        return;
    }
    const hashwell::platform::Path path = file.u16string();
    auto hash = [&] {
        const auto start = Clock::now();
        hashwell::digest::HashFile(path, 4, 256);
        return SecondsSince(start);
    };
    auto read = [&] {
        const auto start = Clock::now();
        std::vector<char> buffer(1 << 20);
        const int fd = open(file.c_str(), O_RDONLY);
        while (::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        close(fd);
        return SecondsSince(start);
    };
    double cold = 1e30, reading = 1e30, warm = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        hashwell::bench::DropFromCache(file);
        cold = std::min(cold, hash());
        hashwell::bench::DropFromCache(file);
        reading = std::min(reading, read());
        warm = std::min(warm, hash());
    }
    const double bound = std::max(reading, warm);
    std::printf(
        "\nFile tab, SHA-256 of the 1 GiB file not in memory: %.3f s; reading it %.3f s, "
        "hashing it from memory %.3f s; the larger over ours: %.2f (target 0.87)\n",
        cold, reading, warm, bound / cold);
}

long MaxResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    hashwell::digest::RegisterDigestMethods();
    const bool ownFolder = argc < 2;
    fs::path folder =
        ownFolder ? fs::temp_directory_path() / ("hashwell-list-bench-" + std::to_string(getpid()))
                  : fs::path(argv[1]);
    fs::create_directories(folder);

    std::printf("kernels:");
    for (const auto& [method, bits] : {std::pair{2, 0}, {1, 0}, {3, 0}, {4, 256}, {5, 256}}) {
        std::printf(" %s=%s", std::string(hashwell::digest::EngineOf(method, bits)).c_str(),
                    std::string(hashwell::digest::ActiveKernelName(method, bits)).c_str());
    }
    std::printf("\n\n%-22s %10s %10s %10s %10s %7s\n", "files", "MB", "ours s", "rhash s",
                "ours MB/s", "ratio");

    const std::vector<fs::path> big = {folder / "big.bin"};
    WriteFile(big[0], std::uint64_t{1} << 30, 1);
    std::vector<fs::path> small;
    for (int i = 0; i < 2000; ++i) {
        small.push_back(folder / ("small" + std::to_string(i) + ".bin"));
        WriteFile(small.back(), 64 * 1024, 1000 + static_cast<std::uint64_t>(i));
    }
    for (const auto& [label, files, megabytes] :
         {std::tuple{"one file of 1 GiB", big, 1073.741824},
          std::tuple{"2,000 files of 64 KiB", small, 131.072}}) {
        Warm(files);
        const double ours = Best(OurRun, files);
        const double rhash =
            Best([](const std::vector<fs::path>& all) { return RhashRun(all); }, files);
        std::printf("%-22s %10.0f %10.3f %10.3f %10.0f %7.2f\n", label, megabytes, ours, rhash,
                    megabytes / ours, rhash / ours);
        if (files.size() > 1) {
            const hashwell::bench::TwoCoreBound bound = hashwell::bench::MeasureTwoCoreBound(files);
            std::printf(
                "%-22s two-core bound %.3f s (kernels %.3f + read %.3f, over two), over ours "
                "%.2f (target 0.91); rhash over the bound %.2f\n",
                "", bound.Seconds(), bound.kernels, bound.read, bound.Seconds() / ours,
                rhash / bound.Seconds());
        }
    }

    ColdFileTab(big[0]);

    // Memory: the run over a 10 GiB sparse file against one over a 1 MiB file.
    const fs::path oneMiB = folder / "one-mib.bin";
    WriteFile(oneMiB, 1 << 20, 7);
    const fs::path sparse = folder / "sparse.bin";
    { std::ofstream touch(sparse); }
    fs::resize_file(sparse, std::uint64_t{10} << 30);
    OurRun({oneMiB});
    const long before = MaxResidentKiB();
    const double seconds = OurRun({sparse});
    const long after = MaxResidentKiB();
    std::printf(
        "\nresident memory, peak: %ld KiB after 1 MiB, %ld KiB after 10 GiB sparse "
        "(%.1f s): %+ld KiB\n",
        before, after, seconds, after - before);

    ColdTree(folder / "tree");  // last: its 20,000 paths would move the peaks above

    if (ownFolder) {
        fs::remove_all(folder);
    } else {
        for (const auto& file : big)
            fs::remove(file);
        for (const auto& file : small)
            fs::remove(file);
        fs::remove(oneMiB);
        fs::remove(sparse);
        fs::remove_all(folder / "tree");
    }
    return 0;
}
