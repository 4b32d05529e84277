#pragma once

// The command line's algorithms: the catalogue's rows, chosen by the names -a takes.

#include <optional>
#include <string>
#include <vector>

#include "digest/catalogue.h"

namespace hashwell::cli {

using digest::Algorithm;

// The algorithms a list of names chooses ("md5,sha1", "all"), each once, in the order named;
// nothing when a name is unknown, with that name in `unknown`.
std::optional<std::vector<Algorithm>> ParseAlgorithmList(const std::vector<std::string>& names,
                                                         std::string* unknown = nullptr);

}  // namespace hashwell::cli
