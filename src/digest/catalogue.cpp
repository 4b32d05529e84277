#include "digest/catalogue.h"

#include <algorithm>

#include "digest/methods.h"

namespace hashwell::digest {
namespace {

using enum AlgorithmId;
namespace Method = HashMethod;

// The costs are the inverse of each algorithm's speed with the kernels of a current processor:
// SHA3-256 weighs as much as MD5, SHA-1 and SHA-256 together.
constexpr Algorithm kAlgorithms[] = {
    {Crc32, Method::Crc32, 0, "crc32", "CRC32", u"CRC-32B", 8, "CRC32", 0.05, &Crc32Method},
    {Md5, Method::Md5, 0, "md5", "MD5", u"MD5", 32, "MD5", 1.6, &Md5Method},
    {Sha1, Method::Sha1, 0, "sha1", "SHA1", u"SHA-1", 40, "SHA1", 0.65, &Sha1Method},
    {Sha224, Method::Sha2, 224, "sha224", "SHA224", u"SHA-224", 56, "SHA-256", 0.7, &Sha2Method},
    {Sha256, Method::Sha2, 256, "sha256", "SHA256", u"SHA-256", 64, "SHA-256", 0.7, &Sha2Method},
    {Sha384, Method::Sha2, 384, "sha384", "SHA384", u"SHA-384", 96, "SHA-512", 1.55, &Sha2Method},
    {Sha512, Method::Sha2, 512, "sha512", "SHA512", u"SHA-512", 128, "SHA-512", 1.55, &Sha2Method},
    {Sha3_224, Method::Sha3, 224, "sha3-224", "SHA3-224", u"SHA-3-224", 56, "SHA3", 2.09,
     &Sha3Method},
    {Sha3_256, Method::Sha3, 256, "sha3-256", "SHA3-256", u"SHA-3-256", 64, "SHA3", 2.41,
     &Sha3Method},
    {Sha3_384, Method::Sha3, 384, "sha3-384", "SHA3-384", u"SHA-3-384", 96, "SHA3", 3.69,
     &Sha3Method},
    {Sha3_512, Method::Sha3, 512, "sha3-512", "SHA3-512", u"SHA-3-512", 128, "SHA3", 4.97,
     &Sha3Method},
    {Blake3, Method::Blake3, 0, "blake3", "BLAKE3", u"BLAKE3", 64, "BLAKE3", 1.9, &Blake3Method},
};

constexpr bool InTheOrderOfTheirIds() {
    for (std::size_t i = 0; i < std::size(kAlgorithms); ++i) {
        if (static_cast<std::size_t>(kAlgorithms[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InTheOrderOfTheirIds(), "AlgorithmOf finds a row by its id");

template <class Matches>
const Algorithm* FindIf(Matches matches) {
    const auto found = std::find_if(std::begin(kAlgorithms), std::end(kAlgorithms), matches);
    return found == std::end(kAlgorithms) ? nullptr : &*found;
}

}  // namespace

std::span<const Algorithm> Algorithms() {
    return kAlgorithms;
}

const Algorithm& AlgorithmOf(AlgorithmId id) {
    return kAlgorithms[static_cast<std::size_t>(id)];
}

const Algorithm* FindAlgorithm(std::int32_t method, std::int32_t bits) {
    const std::int32_t size = bits == BitSize::None ? BitSize::Bits256 : bits;
    return FindIf(
        [&](const Algorithm& a) { return a.method == method && (a.bits == 0 || a.bits == size); });
}

const Algorithm* FindAlgorithmByName(std::string_view name) {
    return FindIf([&](const Algorithm& a) { return a.name == name; });
}

const Algorithm* FindAlgorithmByTag(std::string_view tag) {
    return FindIf([&](const Algorithm& a) { return a.tag == tag; });
}

}  // namespace hashwell::digest
