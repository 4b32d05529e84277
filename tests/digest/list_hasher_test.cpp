// The list run's one-pass hashing on two workers: large files shared chunk by chunk, small
// ones whole, every code equal to the oracle's and in the order of the list, and the fallbacks
// when threads or memory are refused.

#include "digest/list_hasher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <mutex>
#include <random>
#include <set>

#include "digest/digest.h"
#include "digest/registry.h"
#include "support/oracle.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

Codes OracleCodes(const std::string& bytes) {
    Codes codes;
    for (const AlgorithmId id : kListRunAlgorithms) {
        codes.push_back(test::OracleDigest(AlgorithmOf(id), AsBytes(bytes)));
    }
    return codes;
}

class ListHasherRun : public ::testing::Test {
protected:
    void SetUp() override { RegisterDigestMethods(); }
    platform::Path Write(const std::string& bytes) {
        return test::ToUtf16(folder_.Write("file" + std::to_string(++files_), bytes));
    }
    test::ScratchFolder folder_;
    int files_ = 0;
};

TEST_F(ListHasherRun, LargeAndSmallFilesGetTheOraclesCodesInListOrder) {
    std::mt19937_64 random(2026);
    std::vector<platform::Path> paths;
    std::vector<Codes> expected;
    // Around the size from which both workers share a file, and across the ring of buffers.
    for (const std::size_t size : std::vector<std::size_t>{0, 1, 4 * kMiB - 1, 9 * kMiB + 13, 65536,
                                                           4 * kMiB, 3 * kMiB, 5 * kMiB}) {
        std::string bytes(size, '\0');
        std::ranges::generate(bytes, [&] { return static_cast<char>(random()); });
        paths.push_back(Write(bytes));
        expected.push_back(OracleCodes(bytes));
    }
    for (const bool empty : {false, true}) {
        ListHasher hasher(empty ? std::vector<platform::Path>() : paths);
        while (!hasher.WaitFor(std::chrono::milliseconds(10))) {
        }
        EXPECT_EQ(hasher.PercentDone(), 100);
        EXPECT_EQ(hasher.Results(), empty ? std::vector<Codes>() : expected);
    }
}

// A large file's BLAKE3 code is hashed by both workers, each a half of every buffer as a
// subtree: it must equal the code of the bytes hashed in one piece, whether the file ends
// inside a buffer or exactly at one (then its last buffer is empty), alone or with others.
TEST_F(ListHasherRun, BlakeCodeSharedByTwoWorkersIsTheOneOfAllBytesInOnePiece) {
    std::mt19937_64 random(3);
    std::vector<HashJob> jobs;
    std::vector<Codes> expected;
    const std::vector<AlgorithmId> alone{AlgorithmId::Blake3};
    const std::vector<AlgorithmId> among{AlgorithmId::Sha256, AlgorithmId::Blake3,
                                         AlgorithmId::Md5};
    for (const std::size_t size : {4 * kMiB, 5 * kMiB + 777, 9 * kMiB + 13, 8 * kMiB}) {
        std::string bytes(size, '\0');
        std::ranges::generate(bytes, [&] { return static_cast<char>(random()); });
        const platform::Path path = Write(bytes);
        for (const std::vector<AlgorithmId>& algorithms : {alone, among}) {
            jobs.push_back({path, algorithms});
            expected.emplace_back();
            for (const AlgorithmId id : algorithms) {
                const Algorithm& algorithm = AlgorithmOf(id);
                expected.back().push_back(
                    ComputeDigest(algorithm.method, algorithm.bits, 0, AsBytes(bytes)));
            }
        }
    }
    ListHasher hasher(jobs, 2);
    hasher.WaitFor(std::chrono::minutes(5));
    EXPECT_EQ(hasher.Results(), expected);
}

TEST_F(ListHasherRun, FilesThatCannotBeReadGetNoCodesAndTheirReasonsAndTheOthersStillDo) {
    const std::string big(6 * kMiB, 'x');
    const std::filesystem::path locked = folder_.Write("locked", big);
    test::DenyAllAccess(locked);
    std::vector<platform::Path> paths = {test::ToUtf16(locked), Write(big)};
    const test::FileThatFailsToRead failing(folder_.path());
    if (!test::UnderWine()) {  // Wine reads past the lock that fails the reads on Windows
        paths.push_back(failing.path());
    }
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        ListHasher hasher(paths);
        hasher.WaitFor(std::chrono::minutes(5));
        return hasher.CodesOf(0) == Codes(5) && hasher.FailureOf(0) == test::AccessDeniedReason() &&
               hasher.CodesOf(1) == OracleCodes(big) && hasher.FailureOf(1).empty() &&
               (paths.size() == 2 ||
                (hasher.CodesOf(2) == Codes(5) && !hasher.FailureOf(2).empty()));
    }));
}

// Resources that give out `threads` threads, then none; and memory only when `memory` holds.
RunResources Rationed(int threads, bool memory = true) {
    auto left = std::make_shared<std::atomic<int>>(threads);
    return {
        [memory](std::size_t size) { return memory ? SystemResources().allocate(size) : nullptr; },
        [left](std::function<void()> work) -> std::optional<std::thread> {
            if (left->fetch_sub(1) <= 0) {
                return std::nullopt;
            }
            return std::thread(std::move(work));
        }};
}

TEST_F(ListHasherRun, WithoutThreadsOrMemoryTheFallbacksStillGiveRightCodesOrSayWhy) {
    const std::string big(6 * kMiB + 7, 'b');  // shared by two workers when they can be
    const std::vector<AlgorithmId> all(std::begin(kListRunAlgorithms),
                                       std::end(kListRunAlgorithms));
    const std::vector<HashJob> jobs = {{Write(big), all}, {Write("small"), all}, {Write(big), all}};
    // Threads are asked for in this order: each worker's reading ahead, the workers, the
    // shared files' reading. So: none at all; no worker; one worker; no reading of shared files.
    for (const int threads : {0, 2, 3, 4}) {
        const RunResources resources = Rationed(threads);
        ListHasher hasher(jobs, 2, resources);
        hasher.WaitFor(std::chrono::minutes(5));
        EXPECT_EQ(hasher.Results(),
                  (std::vector<Codes>{OracleCodes(big), OracleCodes("small"), OracleCodes(big)}))
            << threads << " threads";
    }
    const RunResources noMemory = Rationed(8, false);
    ListHasher hasher(jobs, 2, noMemory);
    EXPECT_TRUE(hasher.WaitFor(std::chrono::milliseconds(0)));
    EXPECT_TRUE(hasher.IsDone(2));
    EXPECT_EQ(hasher.CodesOf(2), Codes(5));
    EXPECT_EQ(hasher.FailureOf(0), u"Not enough memory");
}

// The threads of this process, where the system lists them (Linux); -1 elsewhere.
int ThreadCount() {
    const std::filesystem::path tasks = "/proc/self/task";
    if (!std::filesystem::exists(tasks)) {
        return -1;
    }
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(tasks), {}));
}

TEST_F(ListHasherRun, StopAbandonsFilesBeingReadSoonLeavesTheRestUndoneAndNoThreadBehind) {
    // A sparse file of seconds' work (under 2 GiB, which the Windows build's C runtime cannot
    // size past): a run that ignored the stop would finish it.
    const std::filesystem::path huge = folder_.Write("huge", "");
    std::filesystem::resize_file(huge, (std::uint64_t{1} << 31) - 1);
    const std::vector<AlgorithmId> all(std::begin(kListRunAlgorithms),
                                       std::end(kListRunAlgorithms));
    const int threadsBefore = ThreadCount();
    // Shared by both workers; then one algorithm a job, whole, as the File tab asks.
    for (const bool shared : {true, false}) {
        std::vector<HashJob> jobs = {{test::ToUtf16(huge), all}, {Write("small"), all}};
        if (!shared) {
            jobs = {{test::ToUtf16(huge), {all[0]}},
                    {test::ToUtf16(huge), {all[1]}},
                    {Write("small"), {all[2]}}};
        }
        {
            ListHasher hasher(jobs, 2);
            while (hasher.BytesDone() == 0) {
                hasher.WaitFor(std::chrono::milliseconds(1));
            }
            hasher.Stop();
            EXPECT_TRUE(hasher.WaitFor(std::chrono::seconds(20))) << shared;
            EXPECT_FALSE(hasher.IsDone(0));
            EXPECT_EQ(hasher.CodesOf(0), Codes(jobs[0].algorithms.size())) << shared;
        }
        EXPECT_EQ(ThreadCount(), threadsBefore) << shared;
    }
}

// Files not in memory are opened a few ahead of their reading, on a thread of their own. Here
// every file says it is on disk, so each is opened ahead, and some are changed right after their
// opening: one that vanishes, shrinks or turns into a folder gets no code and says why, never a
// code of bytes of two versions. The first file is long enough to hash that the others are all
// opened before it is done.
TEST_F(ListHasherRun, FileChangedAfterItWasOpenedAheadGetsTheCodeItHadOrNoneWithTheReason) {
    const std::string first(4 * kMiB - 4096, 'f');
    const std::string held = "bytes the file held when it was opened";
    std::vector<platform::Path> paths = {Write(first)};
    for (const char* name : {"vanishes", "shrinks", "becomes-folder", "stays"}) {
        paths.push_back(test::ToUtf16(folder_.Write(name, held)));
    }
    std::mutex changedLock;
    std::map<std::string, bool> changed;  // by name: whether the change was made
    RunResources resources = SystemResources();
    resources.openAhead = [&](const platform::Path& path, std::u16string* reason, bool* inMemory) {
        std::optional<platform::ReadOnlyFile> file =
            SystemResources().openAhead(path, reason, inMemory);
        *inMemory = false;
        const std::filesystem::path native(path);
        const std::string name = native.filename().string();
        std::error_code error;  // Windows refuses to change an open file: then nothing changes
        if (name == "vanishes") {
            std::filesystem::remove(native, error);
        } else if (name == "shrinks") {
            std::filesystem::resize_file(native, held.size() / 2, error);
        } else if (name == "becomes-folder" && std::filesystem::remove(native, error)) {
            std::filesystem::create_directory(native, error);
        }
        std::lock_guard lock(changedLock);
        changed[name] = !error;
        return file;
    };
    std::vector<HashJob> jobs;
    for (const platform::Path& path : paths) {
        jobs.push_back({path, {std::begin(kListRunAlgorithms), std::end(kListRunAlgorithms)}});
    }
    ListHasher hasher(jobs, 1, resources);
    hasher.WaitFor(std::chrono::minutes(5));
    EXPECT_EQ(hasher.CodesOf(0), OracleCodes(first));
    for (std::size_t job = 1; job < paths.size(); ++job) {
        const std::string name = std::filesystem::path(paths[job]).filename().string();
        EXPECT_TRUE(changed.contains(name)) << name << " was not opened ahead";
        if (name != "stays" && changed[name]) {
            EXPECT_EQ(hasher.CodesOf(job), Codes(5)) << name;
            EXPECT_EQ(hasher.FailureOf(job), kChangedWhileRead) << name;
        } else {
            EXPECT_EQ(hasher.CodesOf(job), OracleCodes(held)) << name;
            EXPECT_EQ(hasher.FailureOf(job), u"") << name;
        }
    }
}

// Files found in memory are left to their workers to open (a third thread opening them would
// only cost time), but for one now and then, looked at to see whether they still are; once one
// is found on disk, those after it are opened ahead. Every file gets its code either way.
TEST_F(ListHasherRun, FilesAreOpenedAheadOnlyOnceOneIsFoundOnDisk) {
    const std::string first(4 * kMiB - 4096, 'f');
    std::vector<HashJob> jobs = {{Write(first), {AlgorithmId::Sha3_256}}};
    for (int i = 0; i < 100; ++i) {
        jobs.push_back({Write(std::to_string(i)), {AlgorithmId::Sha3_256}});
    }
    // The first file looked at from job 48 on is found on disk.
    std::mutex openedLock;
    std::set<std::size_t> openedAhead;  // job numbers
    std::size_t onDisk = jobs.size();   // none yet
    RunResources resources = SystemResources();
    resources.openAhead = [&](const platform::Path& path, std::u16string* reason, bool* inMemory) {
        std::optional<platform::ReadOnlyFile> file =
            SystemResources().openAhead(path, reason, inMemory);
        std::lock_guard lock(openedLock);
        const auto job =
            static_cast<std::size_t>(std::ranges::find(jobs, path, &HashJob::path) - jobs.begin());
        openedAhead.insert(job);
        if (job >= 48 && onDisk == jobs.size()) {
            onDisk = job;
        }
        *inMemory = job != onDisk;
        return file;
    };
    ListHasher hasher(jobs, 1, resources);
    hasher.WaitFor(std::chrono::minutes(5));
    for (std::size_t job = 1; job < jobs.size(); ++job) {
        ASSERT_EQ(hasher.CodesOf(job), Codes{test::OracleDigest(AlgorithmOf(AlgorithmId::Sha3_256),
                                                                AsBytes(std::to_string(job - 1)))});
    }
    const auto before = std::distance(openedAhead.begin(), openedAhead.lower_bound(48));
    EXPECT_GE(before, 1) << "files in memory are looked at now and then";
    EXPECT_LE(before, 10) << "but mostly left to their workers";
    ASSERT_LT(onDisk, jobs.size());
    for (std::size_t job = onDisk + 1; job < onDisk + 20; ++job) {
        EXPECT_TRUE(openedAhead.contains(job)) << job << " follows one found on disk";
    }
}

}  // namespace
}  // namespace hashwell::digest
