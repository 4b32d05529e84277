#include "cli/algorithms.h"

#include <algorithm>
#include <array>

#include "digest/digest_method.h"

namespace hashwell::cli {
namespace {

using digest::HashMethod::Crc32;
using digest::HashMethod::Md5;
using digest::HashMethod::Sha1;
using digest::HashMethod::Sha2;
using digest::HashMethod::Sha3;

constexpr std::array<Algorithm, 11> kAlgorithms{{
    {"crc32", "CRC32", u"CRC-32B", {Crc32, 0}, 8},
    {"md5", "MD5", u"MD5", {Md5, 0}, 32},
    {"sha1", "SHA1", u"SHA-1", {Sha1, 0}, 40},
    {"sha224", "SHA224", u"SHA-224", {Sha2, 224}, 56},
    {"sha256", "SHA256", u"SHA-256", {Sha2, 256}, 64},
    {"sha384", "SHA384", u"SHA-384", {Sha2, 384}, 96},
    {"sha512", "SHA512", u"SHA-512", {Sha2, 512}, 128},
    {"sha3-224", "SHA3-224", u"SHA-3-224", {Sha3, 224}, 56},
    {"sha3-256", "SHA3-256", u"SHA-3-256", {Sha3, 256}, 64},
    {"sha3-384", "SHA3-384", u"SHA-3-384", {Sha3, 384}, 96},
    {"sha3-512", "SHA3-512", u"SHA-3-512", {Sha3, 512}, 128},
}};

}  // namespace

std::span<const Algorithm> AllAlgorithms() {
    return kAlgorithms;
}

const Algorithm* FindAlgorithmByName(std::string_view name) {
    const auto found = std::find_if(kAlgorithms.begin(), kAlgorithms.end(),
                                    [&](const Algorithm& a) { return a.name == name; });
    return found == kAlgorithms.end() ? nullptr : &*found;
}

const Algorithm* FindAlgorithmByTag(std::string_view tag) {
    const auto found = std::find_if(kAlgorithms.begin(), kAlgorithms.end(),
                                    [&](const Algorithm& a) { return a.tag == tag; });
    return found == kAlgorithms.end() ? nullptr : &*found;
}

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
    for (const Algorithm& algorithm : kAlgorithms) {
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
            std::for_each(kAlgorithms.begin(), kAlgorithms.end(), add);
        } else if (const Algorithm* algorithm = FindAlgorithmByName(name)) {
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
