// Kills saves at random moments, many times over, and checks what each leaves: the old file, the
// new one, or the old content in a copy that the next start names. Each way a save can go is
// tried: the safe replace, a file with another name (a hard link) and a file in a folder the user
// may not write, both rewritten in place. Run by tests/kill/run.sh, never by ctest.
//
//   save_kill_test <scratch folder> [kills per way, default 300]
//
// Prints what the kills left, per way, and ends with 1 when any kill lost the old content.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/unicode.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::microseconds;
using namespace hashwell::platform;

enum class Way { Replace, HardLinked, ReadOnlyFolder };

// What the kills of one way left: "finished" counts saves done before the kill came;
// "recoverable" files that are neither old nor new while the copy named at the next start holds
// the old content; "named needlessly" copies named although the file was whole; "leftovers"
// temporary files left beside the file.
const char* const kColumns[] = {
    "kills", "finished", "old", "new", "recoverable", "lost", "named needlessly", "leftovers",
};

// Old content, and new content that grows the file or cuts it: any mix of them is neither.
const std::string kOld(2 << 20, 'o');
const std::string kNew[] = {std::string(3 << 20, 'n'), std::string(1 << 20, 'n')};

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The temporary files that saves left in the folder.
std::vector<fs::path> Leftovers(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".hashwell-save-")) {
            found.push_back(entry.path());
        }
    }
    return found;
}

// Saves `bytes` to `file` in a child process and kills it after `delay`, or lets it finish when
// `delay` is negative. True when the save finished before the kill.
bool Save(const fs::path& file, Way way, const std::string& bytes, microseconds delay) {
    const pid_t child = ::fork();
    if (child == 0) {
        // A folder the user may not write binds no administrator: root saves as nobody.
        constexpr uid_t kNobody = 65534;
        if (way == Way::ReadOnlyFolder && ::geteuid() == 0 &&
            (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(ReplaceFileContent(DecodeNativeBytes(file.string()), bytes) ? 0 : 1);
    }
    if (delay.count() >= 0) {
        ::usleep(static_cast<useconds_t>(delay.count()));
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "a save failed without being killed\n");
        std::exit(2);
    }
    return WIFEXITED(status);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <scratch folder> [kills per way]\n", argv[0]);
        return 2;
    }
    const int kills = argc > 2 ? std::atoi(argv[2]) : 300;
    PrepareProcess();
    std::mt19937_64 random(std::random_device{}());
    std::printf("%-18s", "way");
    for (const char* column : kColumns) {
        std::printf(" %s", column);
    }
    std::printf("\n");
    bool lost = false;
    for (const auto& [way, name] : {std::pair{Way::Replace, "safe replace"},
                                    {Way::HardLinked, "hard-linked file"},
                                    {Way::ReadOnlyFolder, "read-only folder"}}) {
        const fs::path base = fs::path(argv[1]) / name;
        const fs::path folder = base / "files";
        const fs::path cache = base / "cache";
        const fs::path file = folder / "list.csv";
        // The old content back, and nothing left of the last save.
        const auto reset = [&] {
            std::ofstream(file, std::ios::binary | std::ios::trunc) << kOld;  // the same file
            for (const fs::path& leftover : Leftovers(folder)) {
                fs::remove(leftover);
            }
            for (const fs::directory_entry& entry : fs::directory_iterator(cache)) {
                fs::remove_all(entry.path());
            }
        };
        fs::create_directories(folder);
        fs::create_directories(cache);
        fs::permissions(base, fs::perms::all);  // the user without rights must reach both
        fs::permissions(cache, fs::perms::all);
        reset();
        fs::permissions(file, fs::perms::all);
        if (way == Way::HardLinked) {
            fs::create_hard_link(file, folder / "other-name.csv");
        }
        if (way == Way::ReadOnlyFolder) {
            fs::permissions(folder, fs::perms{0555});  // r-x for everyone
        }
        ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);

        // How long a whole save takes, on average; the kills are spread evenly over it, the fork
        // included.
        microseconds duration{0};
        for (int i = 0; i < 10; ++i) {
            const auto start = std::chrono::steady_clock::now();
            Save(file, way, kNew[i % 2], microseconds(-1));
            duration +=
                std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start) /
                10;
            reset();
        }
        std::uniform_int_distribution<std::int64_t> delay(0, duration.count());

        std::map<std::string, int> tally;
        for (int round = 0; round < kills; ++round) {
            const std::string& fresh = kNew[round % 2];
            ++tally["kills"];
            tally["finished"] += Save(file, way, fresh, microseconds(delay(random)));
            const std::string now = Read(file);
            const std::vector<InterruptedRewrite> named = FindInterruptedRewrites();
            if (now == kOld || now == fresh) {
                ++tally[now == kOld ? "old" : "new"];
                tally["named needlessly"] += !named.empty();
            } else {
                const bool recoverable =
                    named.size() == 1 &&
                    named[0].file == DecodeNativeBytes(fs::canonical(file).string()) &&
                    Read(EncodeNativeBytes(named[0].copy)) == kOld;
                ++tally[recoverable ? "recoverable" : "lost"];
            }
            tally["leftovers"] += static_cast<int>(Leftovers(folder).size());
            reset();
        }
        std::printf("%-18s", name);
        for (const char* column : kColumns) {
            std::printf(" %*d", static_cast<int>(std::strlen(column)), tally[column]);
        }
        std::printf("   (a save takes %lld us)\n", static_cast<long long>(duration.count()));
        std::fflush(stdout);
        lost = lost || tally["lost"] > 0;
    }
    return lost ? 1 : 0;
}
