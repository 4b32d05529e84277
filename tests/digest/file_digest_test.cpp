// Reading files for their codes: what is hashed, and what is refused without blocking.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/registry.h"
#include "digest/text_digest.h"
#include "support/scratch_folder.h"
#include "support/variants.h"

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
          kFileReadBufferSize + 1, 2 * kFileReadBufferSize + 7}) {
        const std::string bytes = Pattern(length);
        folder_.Write("data.bin", bytes);
        for (const auto& v : kAllVariants) {
            EXPECT_EQ(HashFile(folder_.PathOf("data.bin"), v.method, v.bits),
                      ComputeDigest(v.method, v.bits, 1, AsBytes(bytes)))
                << v.name << ", " << length << " bytes";
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
    const std::filesystem::path fifo = folder_.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(folder_.path() / "folder");
    // A FIFO without a writer or /dev/zero would block or never end if they were read.
    for (const std::u16string& path : {folder_.PathOf("missing"), folder_.PathOf("folder"),
                                       folder_.PathOf("pipe"), std::u16string(u"/dev/zero")}) {
        EXPECT_EQ(HashFile(path, HashMethod::Md5, 0), "");
    }
}

TEST_F(FileDigest, FileTheUserMayNotReadGivesEmptyText) {
    const auto secret = folder_.Write("secret.txt", "abc");
    std::filesystem::permissions(secret, std::filesystem::perms::none);
    const std::u16string path = folder_.PathOf("secret.txt");
    EXPECT_TRUE(test::RunWithoutPrivileges([&] { return HashFile(path, 1, 0).empty(); }));
}

TEST_F(FileDigest, ReadErrorGivesEmptyTextNotTheCodeOfWhatWasRead) {
    // The process's own memory file is a regular file whose reads at offset 0 fail (EIO);
    // treating the error as the end of the file would give the empty-input code.
    EXPECT_EQ(HashFile(u"/proc/self/mem", HashMethod::Crc32, 0), "");
}

}  // namespace
}  // namespace hashwell::digest
