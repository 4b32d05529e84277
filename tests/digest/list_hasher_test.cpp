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

}  // namespace
}  // namespace hashwell::digest
