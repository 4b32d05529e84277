#include "cli/algorithms.h"

#include <algorithm>

namespace hashwell::cli {

std::optional<std::vector<Algorithm>> ParseAlgorithmList(const std::vector<std::string>& names,
                                                         std::string* unknown) {
    std::vector<Algorithm> chosen;
    auto add = [&](const Algorithm& algorithm) {
        if (std::find(chosen.begin(), chosen.end(), algorithm) == chosen.end()) {
            chosen.push_back(algorithm);
        }
    };
    for (const std::string& name : names) {
        if (name == "all" || name == "every") {
            for (const Algorithm& algorithm : digest::Algorithms()) {
                if (algorithm.inAll || name == "every") {
                    add(algorithm);
                }
            }
        } else if (const Algorithm* algorithm = digest::FindAlgorithmByName(name)) {
            add(*algorithm);
        } else {
            if (unknown != nullptr) {
                *unknown = name;
            }
            return std::nullopt;
        }
    }
    return chosen;
}

}  // namespace hashwell::cli
