// Reading files for their codes: what is hashed, and what is refused without blocking.

#include <gtest/gtest.h>

#include <filesystem>

#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/registry.h"
#include "digest/text_digest.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"
#include "support/variants.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::digest {
namespace {

using test::kAllVariants;
using test::ScratchFolder;

class FileDigest : public ::testing::Test {
protected:
    void SetUp() override { RegisterDigestMethods(); }
    ScratchFolder folder_;
};

std::string Pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
    }
    return bytes;
}

TEST_F(FileDigest, ReadBufferBoundariesGiveTheCodeOfTheSameBytesInMemory) {
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{1}, kFileReadBufferSize - 1, kFileReadBufferSize,
          kFileReadBufferSize + 1, 2 * kFileReadBufferSize + 7, 9 * kFileReadBufferSize + 3}) {
        const std::string bytes = Pattern(length);
        folder_.Write("data.bin", bytes);
        for (const auto& v : kAllVariants) {
            EXPECT_EQ(HashFile(folder_.PathOf("data.bin"), v.method, v.bits),
                      ComputeDigest(v.method, v.bits, 1, AsBytes(bytes)))
                << v.tag << ", " << length << " bytes";
        }
    }
}

TEST_F(FileDigest, EmptyFileGivesTheEmptyInputCodeAndMatchesHashText) {
    folder_.Write("empty.txt", "");
    EXPECT_EQ(HashFile(folder_.PathOf("empty.txt"), HashMethod::Crc32, 0), "00000000");
    folder_.Write("abc.txt", "abc");
    EXPECT_EQ(HashFile(folder_.PathOf("abc.txt"), HashMethod::Sha2, 0),
              HashText(u"abc", HashMethod::Sha2, 256, TextFormat::Utf8));
    EXPECT_EQ(HashFile(folder_.PathOf("abc.txt"), HashMethod::Sha3, 300), "");
}

TEST_F(FileDigest, WhatIsNotAReadableRegularFileGivesEmptyTextAtOnce) {
    std::filesystem::create_directory(folder_.path() / "folder");
    // A device that never ends would hang the reader if it were read.
    for (const std::u16string& path : {folder_.PathOf("missing"), folder_.PathOf("folder"),
                                       std::u16string(test::kEndlessDevice)}) {
        EXPECT_EQ(HashFile(path, HashMethod::Md5, 0), "");
    }
#ifndef _WIN32
    // A FIFO without a writer would block if it were opened for reading.
    ASSERT_EQ(::mkfifo(folder_.Child("pipe").c_str(), 0644), 0);
    EXPECT_EQ(HashFile(folder_.PathOf("pipe"), HashMethod::Md5, 0), "");
#endif
}

TEST_F(FileDigest, FileTheUserMayNotReadGivesEmptyText) {
    test::DenyAllAccess(folder_.Write("secret.txt", "abc"));
    const std::u16string path = folder_.PathOf("secret.txt");
    EXPECT_TRUE(test::RunWithoutPrivileges([&] { return HashFile(path, 1, 0).empty(); }));
}

TEST_F(FileDigest, ReadErrorGivesEmptyTextNotTheCodeOfWhatWasRead) {
    HASHWELL_SKIP_UNDER_WINE("byte-range locks that fail other handles' reads");
    // Treating the error as the end of the file would give the empty-input code.
    const test::FileThatFailsToRead failing(folder_.path());
    EXPECT_EQ(HashFile(failing.path(), HashMethod::Crc32, 0), "");
}

}  // namespace
}  // namespace hashwell::digest
