#pragma once

// The command line's algorithms: the catalogue's rows, chosen by the names -a takes and by the
// names of checksum files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "digest/catalogue.h"

namespace hashwell::cli {

using digest::Algorithm;

// The algorithms a checksum file's name tells for its untagged lines: "SHA256SUMS" and
// "x.sha256" tell SHA-256, "SHA3SUMS" and "x.sha3" every SHA-3; any case. Empty when the name
// tells none.
std::vector<Algorithm> AlgorithmsNamedByFile(std::u16string_view fileName);

// The algorithms a list of names chooses ("md5,sha1", "all"), each once, in the order named;
// nothing when a name is unknown, with that name in `unknown`.
std::optional<std::vector<Algorithm>> ParseAlgorithmList(const std::vector<std::string>& names,
                                                         std::string* unknown = nullptr);

}  // namespace hashwell::cli
