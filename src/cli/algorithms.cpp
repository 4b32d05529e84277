#include "cli/algorithms.h"

#include <algorithm>

namespace hashwell::cli {

std::vector<Algorithm> AlgorithmsNamedByFile(std::u16string_view fileName) {
    std::string name;
    for (const char16_t c : fileName.substr(fileName.find_last_of(u"/\\") + 1)) {
        if (c >= 0x80) {
            return {};  // no algorithm's name is beyond ASCII
        }
        name += static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    std::string_view stem = name;
    if (stem.ends_with("sums") || stem.ends_with("sum")) {
        stem.remove_suffix(stem.ends_with("sums") ? 4 : 3);
    } else if (const std::size_t dot = stem.rfind('.'); dot != std::string_view::npos) {
        stem.remove_prefix(dot + 1);
    } else {
        return {};
    }
    std::vector<Algorithm> named;
    for (const Algorithm& algorithm : digest::Algorithms()) {
        if (algorithm.name == stem || (stem == "sha3" && algorithm.name.starts_with("sha3-"))) {
            named.push_back(algorithm);
        }
    }
    return named;
}

std::optional<std::vector<Algorithm>> ParseAlgorithmList(const std::vector<std::string>& names,
                                                         std::string* unknown) {
    std::vector<Algorithm> chosen;
    auto add = [&](const Algorithm& algorithm) {
        if (std::find(chosen.begin(), chosen.end(), algorithm) == chosen.end()) {
            chosen.push_back(algorithm);
        }
    };
    for (const std::string& name : names) {
        if (name == "all") {
            std::for_each(digest::Algorithms().begin(), digest::Algorithms().end(), add);
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
