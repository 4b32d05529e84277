// Kills saves at random moments, many times over, and checks what each leaves: the old file, the
// new one, or the old content in a copy that the next start names. Each way a save can go is
// tried: the safe replace, a file with another name (a hard link) and a file in a folder the user
// may not write, both rewritten in place. Run by tests/kill/run.sh, never by ctest.
//
//   save_kill_test <scratch folder> [kills per way, default 300]
//
// Ends with 1 when any kill lost the old content.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

struct Tally {
    int kills = 0;
    int finishedFirst = 0;  // the save was done before the kill came
    int old = 0;
    int fresh = 0;
    int recoverable = 0;  // neither, and the copy named at the next start holds the old content
    int lost = 0;
    int namedNeedlessly = 0;  // a copy named although the file was whole
    int leftovers = 0;        // temporary files left beside the file
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

class Trial {
public:
    Trial(const fs::path& base, Way way)
        : way_(way), folder_(base / "files"), cache_(base / "cache") {
        fs::create_directories(folder_);
        fs::create_directories(cache_);
        fs::permissions(base, fs::perms::all);  // the user without rights must reach both
        fs::permissions(cache_, fs::perms::all);
        Reset();
        fs::permissions(file_, fs::perms::all);
        if (way == Way::HardLinked) {
            fs::create_hard_link(file_, folder_ / "other-name.csv");
        }
        if (way == Way::ReadOnlyFolder) {
            fs::permissions(
                folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::remove);
        }
        ::setenv("XDG_CACHE_HOME", cache_.c_str(), 1);
    }

    // Saves the new content in a child process and kills it after `delay`, or lets it finish
    // when `delay` is negative. True when the save finished before the kill.
    bool Save(const std::string& bytes, microseconds delay) const {
        const pid_t child = ::fork();
        if (child == 0) {
            // A folder the user may not write binds no administrator: root saves as nobody.
            constexpr uid_t kNobody = 65534;
            if (way_ == Way::ReadOnlyFolder && ::geteuid() == 0 &&
                (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                ::_exit(2);
            }
            ::_exit(ReplaceFileContent(DecodeNativeBytes(file_.string()), bytes) ? 0 : 1);
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

    // How long a whole save takes, the middle of a few.
    microseconds Duration() {
        std::vector<microseconds> durations;
        for (int i = 0; i < 9; ++i) {
            const auto start = std::chrono::steady_clock::now();
            Save(kNew[i % 2], microseconds(-1));
            durations.push_back(
                std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start));
            Reset();
        }
        std::sort(durations.begin(), durations.end());
        return durations[durations.size() / 2];
    }

    void KillOnce(int round, microseconds delay, Tally& tally) {
        const std::string& fresh = kNew[round % 2];
        ++tally.kills;
        tally.finishedFirst += Save(fresh, delay);
        const std::string now = Read(file_);
        const std::vector<InterruptedRewrite> named = FindInterruptedRewrites();
        if (now == kOld || now == fresh) {
            ++(now == kOld ? tally.old : tally.fresh);
            tally.namedNeedlessly += !named.empty();
        } else {
            const bool recoverable =
                named.size() == 1 &&
                named[0].file == DecodeNativeBytes(fs::canonical(file_).string()) &&
                Read(EncodeNativeBytes(named[0].copy)) == kOld;
            ++(recoverable ? tally.recoverable : tally.lost);
        }
        tally.leftovers += static_cast<int>(Leftovers(folder_).size());
        Reset();
    }

private:
    // The old content back, and nothing left of the last save.
    void Reset() {
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << kOld;  // the same file
        for (const fs::path& leftover : Leftovers(folder_)) {
            fs::remove(leftover);
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(cache_)) {
            fs::remove_all(entry.path());
        }
    }

    Way way_;
    fs::path folder_;
    fs::path cache_;
    fs::path file_ = folder_ / "list.csv";
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <scratch folder> [kills per way]\n", argv[0]);
        return 2;
    }
    const int kills = argc > 2 ? std::atoi(argv[2]) : 300;
    PrepareProcess();
    std::mt19937_64 random(std::random_device{}());
    std::printf("%-18s %6s %9s %6s %6s %12s %5s %15s %10s\n", "way", "kills", "finished", "old",
                "new", "recoverable", "lost", "named needlessly", "leftovers");
    std::fflush(stdout);
    bool lost = false;
    for (const auto& [way, name] : {std::pair{Way::Replace, "safe replace"},
                                    {Way::HardLinked, "hard-linked file"},
                                    {Way::ReadOnlyFolder, "read-only folder"}}) {
        Trial trial(fs::path(argv[1]) / name, way);
        const microseconds duration = trial.Duration();
        // Kills spread evenly over the whole save, the fork included.
        std::uniform_int_distribution<std::int64_t> delay(0, duration.count());
        Tally tally;
        for (int round = 0; round < kills; ++round) {
            trial.KillOnce(round, microseconds(delay(random)), tally);
        }
        std::printf("%-18s %6d %9d %6d %6d %12d %5d %15d %10d   (a save takes %lld us)\n", name,
                    tally.kills, tally.finishedFirst, tally.old, tally.fresh, tally.recoverable,
                    tally.lost, tally.namedNeedlessly, tally.leftovers,
                    static_cast<long long>(duration.count()));
        std::fflush(stdout);
        lost = lost || tally.lost > 0;
    }
    return lost ? 1 : 0;
}
