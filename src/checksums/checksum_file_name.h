#pragma once

// What a checksum file's name tells: that it is one (for the Open dialog, drops and the file
// manager's actions), that it is an SFV file, and which algorithms its untagged lines use. Names
// are compared in any case of their ASCII letters.

#include <string_view>
#include <vector>

#include "digest/catalogue.h"

namespace hashwell::checksums {

// The names of checksum files, as the patterns of a file dialog's filter.
inline constexpr std::u16string_view kChecksumFilePatterns[] = {
    u"*.sha1",     u"*.sha224",   u"*.sha256",   u"*.sha384",   u"*.sha512", u"*.sha3",
    u"*.sha3-224", u"*.sha3-256", u"*.sha3-384", u"*.sha3-512", u"*.md5",    u"*.sfv",
    u"*.crc",      u"*.b3",       u"*.blake3",   u"*.xxh3",     u"*.xxh128", u"*SUMS",
};

// Whether the file's name (the last part of a path) matches one of kChecksumFilePatterns.
bool IsChecksumFileName(std::u16string_view path);

// Whether the name ends in ".sfv": its lines are read as SFV lines first.
bool IsSfvFileName(std::u16string_view path);

// The algorithms a checksum file's name tells for its untagged lines: "SHA256SUMS",
// "SHA256SUM" and "x.sha256" tell SHA-256, "SHA3SUMS" and "x.sha3" every SHA-3, "B3SUMS" and
// "x.b3" BLAKE3 (an algorithm's other name in the catalogue). Empty when the name tells none.
std::vector<digest::Algorithm> AlgorithmsNamedByFile(std::u16string_view path);

}  // namespace hashwell::checksums
