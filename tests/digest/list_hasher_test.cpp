// The list run's one-pass hashing on two workers: large files shared chunk by chunk, small
// ones whole, every code equal to the oracle's and in the order of the list.

#include "digest/list_hasher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "digest/digest.h"
#include "digest/registry.h"
#include "support/oracle.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"

namespace hashwell::digest {
namespace {

Codes OracleCodes(const std::string& bytes) {
    Codes codes;
    for (const AlgorithmId id : kListRunAlgorithms) {
        codes.push_back(test::OracleDigest(AlgorithmOf(id), AsBytes(bytes)));
    }
    return codes;
}

std::vector<Codes> HashAll(const std::vector<platform::Path>& paths) {
    ListHasher hasher(paths);
    while (!hasher.WaitFor(std::chrono::milliseconds(10))) {
    }
    EXPECT_EQ(hasher.PercentDone(), 100);
    return hasher.Results();
}

TEST(ListHasher, LargeAndSmallFilesGetTheOraclesCodesInListOrder) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    std::mt19937_64 random(2026);
    // Around the size from which both workers share a file, and across the ring of buffers.
    const std::size_t sizes[] = {0,
                                 1,
                                 4 * 1024 * 1024 - 1,
                                 9 * 1024 * 1024 + 13,
                                 65536,
                                 4 * 1024 * 1024,
                                 3 * 1024 * 1024,
                                 5 * 1024 * 1024};
    std::vector<platform::Path> paths;
    std::vector<Codes> expected;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        std::string bytes(sizes[i], '\0');
        for (char& b : bytes) {
            b = static_cast<char>(random());
        }
        paths.push_back(test::ToUtf16(folder.Write("file" + std::to_string(i), bytes)));
        expected.push_back(OracleCodes(bytes));
    }
    EXPECT_EQ(HashAll(paths), expected);
    EXPECT_TRUE(HashAll({}).empty());
}

TEST(ListHasher, FilesThatCannotBeReadGetNoCodesAndTheOthersStillDo) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    const std::string big(6 * 1024 * 1024, 'x');
    const auto locked = folder.Write("locked", big);
    test::DenyAllAccess(locked);
    std::vector<platform::Path> paths = {test::ToUtf16(locked),
                                         test::ToUtf16(folder.Write("open", big))};
    const test::FileThatFailsToRead failing(folder.path());
    if (!test::UnderWine()) {  // Wine reads past the lock that fails the reads on Windows
        paths.push_back(failing.path());
    }
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        const std::vector<Codes> codes = HashAll(paths);
        return codes[0] == Codes(5) && codes[1] == OracleCodes(big) &&
               (paths.size() == 2 || codes[2] == Codes(5));
    }));
    // Each failure keeps the system's reason.
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        ListHasher hasher(paths);
        hasher.WaitFor(std::chrono::minutes(5));
        return hasher.FailureOf(0) == test::AccessDeniedReason() && hasher.FailureOf(1).empty() &&
               (paths.size() == 2 || !hasher.FailureOf(2).empty());
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

TEST(ListHasher, WithoutThreadsOrMemoryTheFallbacksStillGiveRightCodesOrSayWhy) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    const std::string big(6 * 1024 * 1024 + 7, 'b');  // shared by two workers when they can be
    const std::string small = "small";
    std::vector<HashJob> jobs;
    for (const std::string* bytes : {&big, &small, &big}) {
        jobs.push_back({test::ToUtf16(folder.Write("f" + std::to_string(jobs.size()), *bytes)),
                        {std::begin(kListRunAlgorithms), std::end(kListRunAlgorithms)}});
    }
    // Threads are asked for in this order: each worker's reading ahead, the workers, the
    // shared files' reading. So: none at all; no worker; one worker; no reading of shared files.
    for (const int threads : {0, 2, 3, 4}) {
        const RunResources resources = Rationed(threads);
        ListHasher hasher(jobs, 2, resources);
        hasher.WaitFor(std::chrono::minutes(5));
        EXPECT_EQ(hasher.Results(),
                  (std::vector<Codes>{OracleCodes(big), OracleCodes(small), OracleCodes(big)}))
            << threads << " threads";
    }
    const RunResources noMemory = Rationed(8, false);
    ListHasher hasher(jobs, 2, noMemory);
    EXPECT_TRUE(hasher.WaitFor(std::chrono::milliseconds(0)));
    EXPECT_TRUE(hasher.IsDone(2));
    EXPECT_EQ(hasher.CodesOf(2), Codes(5));
    EXPECT_EQ(hasher.FailureOf(0), u"Not enough memory");
}

}  // namespace
}  // namespace hashwell::digest
