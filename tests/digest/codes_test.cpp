// What every user of the engine reaches: the registry's table, method codes and sizes through
// ComputeDigest, HashText and HashFile alike, and the bytes a typed text becomes.

#include <gtest/gtest.h>

#include <sstream>

#include "digest/digest.h"
#include "digest/file_digest.h"
#include "digest/registry.h"
#include "digest/text_digest.h"
#include "support/platform_testing.h"
#include "support/scratch_folder.h"
#include "support/vector_file.h"

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
    EXPECT_EQ(accepted, 64 - 5);
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

}  // namespace
}  // namespace hashwell::digest
