#pragma once

// The algorithms the command line offers, by the names its options use, the tags of the BSD
// checksum lines and the column titles of the CSV and TSV output.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "digest/list_hasher.h"

namespace hashwell::cli {

struct Algorithm {
    std::string_view name;      // as -a names it: "sha3-256"
    std::string_view tag;       // as a BSD line names it: "SHA3-256"
    std::u16string_view title;  // as the file grid titles its column: "SHA-3-256"
    digest::HashAlgorithm hash;
    std::size_t hexLength;  // the length of its code in hex digits

    bool operator==(const Algorithm& other) const { return name == other.name; }
};

// Every algorithm, from CRC-32 to SHA3-512.
std::span<const Algorithm> AllAlgorithms();

const Algorithm* FindAlgorithmByName(std::string_view name);
const Algorithm* FindAlgorithmByTag(std::string_view tag);

// The algorithms a checksum file's name tells for its untagged lines: "SHA256SUMS" and
// "x.sha256" tell SHA-256, "SHA3SUMS" and "x.sha3" every SHA-3; any case. Empty when the name
// tells none.
std::vector<Algorithm> AlgorithmsNamedByFile(std::u16string_view fileName);

// The algorithms a list of names chooses ("md5,sha1", "all"), each once, in the order named;
// nothing when a name is unknown, with that name in `unknown`.
std::optional<std::vector<Algorithm>> ParseAlgorithmList(const std::vector<std::string>& names,
                                                         std::string* unknown = nullptr);

}  // namespace hashwell::cli
