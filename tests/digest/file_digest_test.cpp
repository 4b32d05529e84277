// Reading files for their codes: every length around the read buffer's, and what is refused
// without blocking.

#include <gtest/gtest.h>

#include <filesystem>

#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/registry.h"
#include "platform/unicode.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"
#include "support/variants.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::digest {
namespace {

class FileDigest : public ::testing::Test {
protected:
    void SetUp() override { RegisterDigestMethods(); }
    test::ScratchFolder folder_;
};

TEST_F(FileDigest, ReadBufferBoundariesGiveTheCodeOfTheSameBytesInMemory) {
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{1}, kFileReadBufferSize - 1, kFileReadBufferSize,
          kFileReadBufferSize + 1, 2 * kFileReadBufferSize + 7, 9 * kFileReadBufferSize + 3}) {
        std::string bytes(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
        }
        folder_.Write("data.bin", bytes);
        for (const test::Variant& v : test::kAllVariants) {
            EXPECT_EQ(HashFile(folder_.PathOf("data.bin"), v.method, v.bits),
                      ComputeDigest(v.method, v.bits, 1, AsBytes(bytes)))
                << v.tag << ", " << length << " bytes";
        }
    }
}

TEST_F(FileDigest, WhatCannotBeReadToItsEndGivesEmptyTextAtOnce) {
    std::filesystem::create_directory(folder_.path() / "folder");
    test::DenyAllAccess(folder_.Write("secret.txt", "abc"));
    // A device that never ends would hang the reader if it were read.
    std::vector<std::u16string> paths = {folder_.PathOf("missing"), folder_.PathOf("folder"),
                                         test::kEndlessDevice, folder_.PathOf("secret.txt")};
    // A read error taken for the end of the file would give the empty-input code.
    const test::FileThatFailsToRead failing(folder_.path());
    if (!test::UnderWine()) {  // Wine lacks byte-range locks that fail other handles' reads
        paths.push_back(failing.path());
    }
#ifndef _WIN32
    // A FIFO without a writer would block if it were opened for reading.
    ASSERT_EQ(::mkfifo(folder_.Child("pipe").c_str(), 0644), 0);
    paths.push_back(folder_.PathOf("pipe"));
#endif
    for (const std::u16string& path : paths) {
        EXPECT_TRUE(test::RunWithoutPrivileges([&] { return HashFile(path, 1, 0).empty(); }))
            << platform::Utf16ToUtf8(path);
    }
}

}  // namespace
}  // namespace hashwell::digest
