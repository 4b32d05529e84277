#include "checksums/checksum_file_name.h"

#include <algorithm>
#include <string>

namespace hashwell::checksums {
namespace {

// The last part of the path, its ASCII letters in lower case.
std::u16string LowercaseFileName(std::u16string_view path) {
    std::u16string name(path.substr(path.find_last_of(u"/\\") + 1));
    for (char16_t& c : name) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return name;
}

// Whether the ASCII text equals the UTF-16 one.
bool SameText(std::string_view ascii, std::u16string_view text) {
    return ascii.size() == text.size() &&
           std::equal(ascii.begin(), ascii.end(), text.begin(),
                      [](char a, char16_t c) { return static_cast<char16_t>(a) == c; });
}

}  // namespace

bool IsChecksumFileName(std::u16string_view path) {
    const std::u16string name = LowercaseFileName(path);
    for (std::u16string_view pattern : kChecksumFilePatterns) {
        pattern.remove_prefix(1);  // the '*'
        const std::u16string ending = LowercaseFileName(pattern);
        if (name.ends_with(ending)) {
            return true;
        }
    }
    return false;
}

bool IsSfvFileName(std::u16string_view path) {
    return LowercaseFileName(path).ends_with(u".sfv");
}

std::vector<digest::Algorithm> AlgorithmsNamedByFile(std::u16string_view path) {
    const std::u16string name = LowercaseFileName(path);
    std::u16string_view stem = name;
    if (stem.ends_with(u"sums") || stem.ends_with(u"sum")) {
        stem.remove_suffix(stem.ends_with(u"sums") ? 4 : 3);
    } else if (const std::size_t dot = stem.rfind(u'.'); dot != std::u16string_view::npos) {
        stem.remove_prefix(dot + 1);
    } else {
        return {};
    }
    std::vector<digest::Algorithm> named;
    for (const digest::Algorithm& algorithm : digest::Algorithms()) {
        if (SameText(algorithm.name, stem) ||
            (!algorithm.fileAlias.empty() && SameText(algorithm.fileAlias, stem)) ||
            (SameText("sha3", stem) && algorithm.name.starts_with("sha3-"))) {
            named.push_back(algorithm);
        }
    }
    return named;
}

}  // namespace hashwell::checksums
