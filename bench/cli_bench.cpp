// hashwell-cli as a whole process beside the tools people use for the same job, in one run, over
// the same files in the page cache: openssl dgst and sha256sum over one 1 GiB file, rhash with
// the five codes of the list run over that file and over 2,000 files of 64 KiB, sha256sum -c
// over a checksum file of those 2,000 files; then SHA-256 of the 1 GiB file out of the page
// cache (dropped before each run) beside openssl dgst and beside reading it alone. Each pair runs
// in turn, A B A B ..., and the ratio (the other tool's time over ours) is the median of the
// pairs'. Then a folder of 20,000 small files out of the page cache beside rhash -r, and
// hashwell-cli's peak memory for a small and a large input of each kind.
//
//   cli_bench HASHWELL_CLI [folder]   the files are made in the folder (default: a new one
//                                      under /tmp) and removed afterwards

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_files.h"
#include "two_core_bound.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using hashwell::bench::Warm;
using hashwell::bench::WriteFile;
using Command = std::vector<std::string>;

constexpr int kPairs = 5;

struct Timing {
    double seconds;
    long peakKiB;
};

// Runs the command with its output thrown away (or written to `output`).
Timing Run(const Command& command, const std::string& output = "/dev/null") {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "%s cannot be started\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            usage.ru_maxrss};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of our times.
double Compare(const std::string& label, const Command& ours, const Command& theirs,
               double target) {
    std::vector<double> ourTimes, theirTimes, ratios;
    Run(ours);  // a warm-up of each, not counted
    Run(theirs);
    for (int pair = 0; pair < kPairs; ++pair) {
        ourTimes.push_back(Run(ours).seconds);
        theirTimes.push_back(Run(theirs).seconds);
        ratios.push_back(theirTimes.back() / ourTimes.back());
    }
    std::printf("| %s | %s | %.3f | %.3f | %.2f | %.2f |\n", label.c_str(), theirs[0].c_str(),
                Median(ourTimes), Median(theirTimes), Median(ratios), target);
    std::fflush(stdout);
    return Median(ourTimes);
}

Command With(Command command, const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        command.push_back(file.string());
    }
    return command;
}

// The same with the files dropped from the page cache before every run of either side; the
// medians of both sides' times.
double CompareCold(const std::string& label, const Command& ours, const Command& theirs,
                   const std::vector<fs::path>& files, double target) {
    std::vector<double> ourTimes, theirTimes, ratios;
    for (int pair = 0; pair < kPairs; ++pair) {
        hashwell::bench::DropAllFromCache(files);
        ourTimes.push_back(Run(ours).seconds);
        hashwell::bench::DropAllFromCache(files);
        theirTimes.push_back(Run(theirs).seconds);
        ratios.push_back(theirTimes.back() / ourTimes.back());
    }
    std::printf("| %s | %s | %.3f | %.3f | %.2f | %.2f |\n", label.c_str(), theirs[0].c_str(),
                Median(ourTimes), Median(theirTimes), Median(ratios), target);
    std::fflush(stdout);
    return Median(ourTimes);
}

// A file not in the page cache: SHA-256 beside openssl dgst, which reads and hashes in turn, and
// beside the larger of reading the file (cat) and hashing it from memory, which overlapping
// the two would take.
void CompareColdFile(const std::string& cli, const fs::path& big) {
    const std::string why = hashwell::bench::DropFromCache(big);
    if (!why.empty()) {
        std::printf(
            "| 1 GiB not in memory: skipped, the page cache cannot be dropped here (%s) "
            "| | | | | |\n",
            why.c_str());
        return;
    }
    const Command ours = With({cli, "-a", "sha256"}, {big});
    const double cold = CompareCold("1 GiB not in memory, -a sha256", ours,
                                    With({"openssl", "dgst", "-sha256"}, {big}), {big}, 1.6);
    std::vector<double> reads;
    for (int run = 0; run < kPairs; ++run) {
        hashwell::bench::DropFromCache(big);
        reads.push_back(Run({"cat", big.string()}).seconds);
    }
    const double read = Median(reads);
    Warm({big});
    std::vector<double> warm;
    for (int run = 0; run < kPairs; ++run) {
        warm.push_back(Run(ours).seconds);
    }
    const double bound = std::max(read, Median(warm));
    std::printf(
        "| 1 GiB not in memory, -a sha256 | max(read %.3f, warm hash %.3f) | %.3f | %.3f "
        "| %.2f | %.2f |\n",
        read, Median(warm), cold, bound, bound / cold, 1 / 1.15);
    std::fflush(stdout);
}

// A folder not in memory: 20,000 files of 16 KiB in 100 subfolders, every file's pages dropped
// before each run of either side, beside rhash -r with the same five codes; then beside our own
// run over the same files in memory, which it should nearly match where reading them all
// (several at a time) is faster than hashing them.
void CompareColdTree(const std::string& cli, const fs::path& tree,
                     const std::vector<fs::path>& files) {
    const std::string why = hashwell::bench::DropAllFromCache(files);
    if (!why.empty()) {
        std::printf(
            "| 20,000 x 16 KiB not in memory: skipped, the page cache cannot be dropped here (%s) "
            "| | | | | |\n",
            why.c_str());
        return;
    }
    const Command ours = {cli, "-r", "-a", "crc32,md5,sha1,sha256,sha3-256", tree.string()};
    const double cold = CompareCold(
        "20,000 x 16 KiB not in memory, -r, five codes", ours,
        {"rhash", "-r", "--crc32", "--md5", "--sha1", "--sha256", "--sha3-256", tree.string()},
        files, 1.5);
    std::vector<double> reads;
    for (int run = 0; run < 3; ++run) {
        reads.push_back(hashwell::bench::ReadAllCold(files));
    }
    Warm(files);
    std::vector<double> warm;
    for (int run = 0; run < kPairs; ++run) {
        warm.push_back(Run(ours).seconds);
    }
    std::printf(
        "| 20,000 x 16 KiB not in memory, -r, five codes | the same in memory (reading alone, "
        "not in memory: %.3f) | %.3f | %.3f | %.2f | %.2f |\n",
        Median(reads), cold, Median(warm), Median(warm) / cold, 1 / 1.1);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cli_bench HASHWELL_CLI [folder]\n");
        return 2;
    }
    const std::string cli = fs::absolute(argv[1]).string();
    const bool ownFolder = argc < 3;
    const fs::path folder =
        ownFolder ? fs::temp_directory_path() / ("hashwell-cli-bench-" + std::to_string(getpid()))
                  : fs::path(argv[2]);
    fs::create_directories(folder);

    const std::vector<fs::path> big = {folder / "big.bin"};
    WriteFile(big[0], std::uint64_t{1} << 30, 1);
    std::vector<fs::path> small;
    fs::create_directories(folder / "small");
    for (int i = 0; i < 2000; ++i) {
        small.push_back(folder / "small" / ("f" + std::to_string(i) + ".bin"));
        WriteFile(small.back(), 64 * 1024, 1000 + static_cast<std::uint64_t>(i));
    }
    Warm(big);
    Warm(small);
    const std::string sums = (folder / "small.sha256").string();
    Run(With({cli, "-a", "sha256"}, small), sums);

    // Memory: a 4 GiB sparse file against a 1 MiB one; 20,000 checked lines against 200. First,
    // while this process is small: a spawned child's peak counts this process's memory too.
    const fs::path oneMiB = folder / "one-mib.bin";
    WriteFile(oneMiB, 1 << 20, 7);
    const fs::path sparse = folder / "sparse.bin";
    { std::ofstream touch(sparse); }
    fs::resize_file(sparse, std::uint64_t{4} << 30);
    const Command two = {cli, "-a", "md5,sha256"};
    const long smallFile = Run(With(two, {oneMiB})).peakKiB;
    const long largeFile = Run(With(two, {sparse})).peakKiB;
    const Command blake3 = {cli, "-a", "blake3"};
    const long smallTree = Run(With(blake3, {oneMiB})).peakKiB;
    const long largeTree = Run(With(blake3, {sparse})).peakKiB;
    auto lines = [&](int count) {
        const fs::path list = folder / ("lines" + std::to_string(count));
        std::ofstream out(list);
        for (int i = 0; i < count; ++i) {
            out << "d41d8cd98f00b204e9800998ecf8427e  "
                << small[static_cast<std::size_t>(i) % 2000].string() << "\n";
        }
        return list.string();
    };
    const long fewLines = Run({cli, "-c", lines(200)}).peakKiB;
    const long manyLines = Run({cli, "-c", lines(20000)}).peakKiB;
    char line[512];
    std::snprintf(
        line, sizeof line,
        "\nhashwell-cli peak resident memory: %ld KiB for 1 MiB, %ld KiB for 4 GiB (sparse); "
        "%ld KiB checking 200 lines, %ld KiB checking 20,000; -a blake3: %ld KiB for 1 MiB, %ld "
        "KiB for 4 GiB (sparse)\n",
        smallFile, largeFile, fewLines, manyLines, smallTree, largeTree);
    const std::string memory = line;

    std::printf("| Work | Other tool | hashwell-cli s | other s | Ratio | Target |\n");
    std::printf("|---|---|---:|---:|---:|---:|\n");
    for (const auto& [name, openssl] : {std::pair{"md5", "-md5"},
                                        {"sha1", "-sha1"},
                                        {"sha224", "-sha224"},
                                        {"sha256", "-sha256"},
                                        {"sha384", "-sha384"},
                                        {"sha512", "-sha512"},
                                        {"sha3-224", "-sha3-224"},
                                        {"sha3-256", "-sha3-256"},
                                        {"sha3-384", "-sha3-384"},
                                        {"sha3-512", "-sha3-512"}}) {
        Compare(std::string("1 GiB, -a ") + name, With({cli, "-a", name}, big),
                With({"openssl", "dgst", openssl}, big), 0.95);
    }
    Compare("1 GiB, -a sha256", With({cli, "-a", "sha256"}, big), With({"sha256sum"}, big), 3);
    const Command five = {cli, "-a", "crc32,md5,sha1,sha256,sha3-256"};
    const Command rhash = {"rhash", "--crc32", "--md5", "--sha1", "--sha256", "--sha3-256"};
    Compare("1 GiB, five codes", With(five, big), With(rhash, big), 2.2);
    const double smallFiles =
        Compare("2,000 x 64 KiB, five codes", With(five, small), With(rhash, small), 3.0);
    const hashwell::bench::TwoCoreBound bound = hashwell::bench::MeasureTwoCoreBound(small);
    std::printf(
        "| 2,000 x 64 KiB, five codes | two-core bound (kernels %.3f + read %.3f, over two) | "
        "%.3f | %.3f | %.2f | %.2f |\n",
        bound.kernels, bound.read, smallFiles, bound.Seconds(), bound.Seconds() / smallFiles,
        1 / 1.1);
    Compare("-c, 2,000 x 64 KiB", {cli, "-c", sums}, {"sha256sum", "-c", sums}, 2);
    // BLAKE3 beside b3sum, both on every core and both on one; XXH3 beside xxhsum, which uses
    // the same library: only the reading around it differs.
    Compare("1 GiB, -a blake3", With({cli, "-a", "blake3"}, big), With({"b3sum"}, big), 1);
    Compare("1 GiB, -a blake3 -j 1", With({cli, "-a", "blake3", "-j", "1"}, big),
            With({"b3sum", "--num-threads", "1"}, big), 1);
    Compare("2,000 x 64 KiB, -a blake3", With({cli, "-a", "blake3"}, small), With({"b3sum"}, small),
            1);
    Compare("1 GiB, -a xxh3", With({cli, "-a", "xxh3"}, big), With({"xxhsum", "-H3"}, big), 0.95);
    CompareColdFile(cli, big[0]);
    const fs::path tree = folder / "tree";
    CompareColdTree(cli, tree, hashwell::bench::MakeTree(tree, 100, 200, 16 * 1024));

    std::printf("%s", memory.c_str());

    if (ownFolder) {
        fs::remove_all(folder);
    }
    return 0;
}
