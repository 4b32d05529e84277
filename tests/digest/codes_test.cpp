// What every user of the engine reaches: the registry's table, method codes and sizes through
// ComputeDigest, HashText and HashFile alike, the bytes a typed text becomes, and files read for
// their codes across the read buffer's boundaries or refused without blocking.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/registry.h"
#include "digest/sha3/sha3.h"
#include "digest/text_digest.h"
#include "platform/unicode.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"
#include "support/table_file.h"
#include "support/variants.h"
#include "support/vector_file.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace hashwell::digest {
namespace {

TEST(DigestRegistry, TakenCodesAreRefusedAndTheTableHoldsSixtyFourRows) {
    RegisterDigestMethods();
    RegisterDigestMethods();  // again: nothing changes
    EXPECT_EQ(RegisterDigestMethod(HashMethod::Crc32), nullptr);
    EXPECT_EQ(ComputeDigest(HashMethod::Crc32, 0, 1, AsBytes("123456789")), "cbf43926");
    int accepted = 0;
    for (std::int32_t code = 1000; code < 1100; ++code) {
        accepted += RegisterDigestMethod(code) != nullptr ? 1 : 0;
    }
    std::set<std::int32_t> methods;  // the catalogue's, registered above
    for (const Algorithm& algorithm : Algorithms()) {
        methods.insert(algorithm.method);
    }
    EXPECT_EQ(accepted, 64 - static_cast<int>(methods.size()));
    // A row without its operations computes nothing.
    EXPECT_NE(FindDigestMethod(1000), nullptr);
    EXPECT_EQ(ComputeDigest(1000, 256, 1, AsBytes("abc")), "");
    EXPECT_EQ(DigestToHex(nullptr), "");
}

TEST(MethodSizes, EveryWayInGivesTheSameCodeAndNoneForAnUnknownMethodOrSize) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    const std::u16string file = test::ToUtf16(folder.Write("abc.txt", "abc"));
    for (const std::vector<std::string>& row : test::ReadTable("digest/method_sizes.tsv")) {
        const std::int32_t method = std::stoi(row[0]);
        const std::int32_t bits = std::stoi(row[1]);
        EXPECT_EQ((std::vector{ComputeDigest(method, bits, 1, AsBytes("abc")),
                               HashText(u"abc", method, bits, TextFormat::Utf8),
                               HashFile(file, method, bits)}),
                  std::vector<std::string>(3, row[2] == "-" ? "" : row[2]))
            << "method " << method << " at " << bits << " bits";
    }
}

TEST(Sha3Engine, FinishWritesTheCodeAndNothingPastIt) {
    for (const int bits : {224, 256, 384, 512}) {
        std::vector<std::uint8_t> out(bits / 8 + 1, 0xA5);
        Sha3(bits).Finish(out.data());
        EXPECT_EQ(out.back(), 0xA5) << bits;
    }
}

#ifdef _WIN32
constexpr const char* kOtherSystem = "posix";
#else
constexpr const char* kOtherSystem = "windows";
#endif

TEST(TextBytes, EachFormatGivesItsOwnBytesUntrimmedAndThoseAreHashed) {
    RegisterDigestMethods();
    for (const std::vector<std::string>& row : test::ReadTable("digest/text_bytes.tsv")) {
        if ((row[0] != "any" && test::AnsiCodePage() != 1252) || row[0] == kOtherSystem) {
            continue;
        }
        std::u16string text;
        std::istringstream units(row[2]);
        for (unsigned unit = 0; units >> std::hex >> unit;) {
            text += static_cast<char16_t>(unit);
        }
        const std::int64_t format = std::stoi(row[1]);
        const std::string bytes = test::HexToBytes(row[3]);
        EXPECT_EQ(TextToBytes(text, format), bytes) << row[4];
        EXPECT_EQ(HashText(text, HashMethod::Md5, 0, format),
                  ComputeDigest(HashMethod::Md5, 0, 1, AsBytes(bytes)))
            << row[4];
    }
}

TEST(FileDigest, ReadBufferBoundariesGiveTheCodeOfTheSameBytesInMemory) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{1}, kFileReadBufferSize - 1, kFileReadBufferSize,
          kFileReadBufferSize + 1, 2 * kFileReadBufferSize + 7, 9 * kFileReadBufferSize + 3}) {
        std::string bytes(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
        }
        folder.Write("data.bin", bytes);
        for (const test::Variant& v : test::kAllVariants) {
            EXPECT_EQ(HashFile(folder.PathOf("data.bin"), v.method, v.bits),
                      ComputeDigest(v.method, v.bits, 1, AsBytes(bytes)))
                << v.tag << ", " << length << " bytes";
        }
    }
}

TEST(FileDigest, WhatCannotBeReadToItsEndGivesEmptyTextAtOnce) {
    RegisterDigestMethods();
    test::ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "folder");
    test::DenyAllAccess(folder.Write("secret.txt", "abc"));
    // A device that never ends would hang the reader if it were read.
    std::vector<std::u16string> paths = {folder.PathOf("missing"), folder.PathOf("folder"),
                                         test::kEndlessDevice, folder.PathOf("secret.txt")};
    // A read error taken for the end of the file would give the empty-input code.
    const test::FileThatFailsToRead failing(folder.path());
    if (!test::UnderWine()) {  // Wine lacks byte-range locks that fail other handles' reads
        paths.push_back(failing.path());
    }
#ifndef _WIN32
    // A FIFO without a writer would block if it were opened for reading.
    ASSERT_EQ(::mkfifo(folder.Child("pipe").c_str(), 0644), 0);
    paths.push_back(folder.PathOf("pipe"));
#endif
    for (const std::u16string& path : paths) {
        EXPECT_TRUE(test::RunWithoutPrivileges([&] { return HashFile(path, 1, 0).empty(); }))
            << platform::Utf16ToUtf8(path);
    }
}

}  // namespace
}  // namespace hashwell::digest
