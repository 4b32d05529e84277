#pragma once

#include <string>
#include <vector>

namespace hashwell::test {

// One known answer from a vector file: the section it stands in (the algorithm), its input
// bytes and the expected lowercase hex output.
struct KnownAnswer {
    std::string section;
    std::string input;
    std::string expected;
    int line = 0;  // where the Out line stands, for failure messages
};

// Reads a file of "[Section]" headers and "In = <hex>", optional "Repeat = <n>" (the input
// repeated n times) and "Out = <hex>" lines; "#" starts a comment line. Instead of "In", a
// "Length = <n>" line gives n bytes of the counting pattern 0, 1, ..., m - 1, 0, 1, ... that the
// last "Pattern = <m>" line set.
std::vector<KnownAnswer> ReadVectorFile(const std::string& name);

// The bytes of a file in tests/data.
std::string ReadTestData(const std::string& name);

std::string HexToBytes(const std::string& hex);

}  // namespace hashwell::test
