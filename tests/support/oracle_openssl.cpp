// The oracle's digests from OpenSSL's libcrypto.

#include <openssl/evp.h>

#include <stdexcept>

#include "support/oracle.h"

namespace hashwell::test {

std::vector<std::uint8_t> LibraryDigest(const std::string& tag,
                                        std::span<const std::uint8_t> bytes) {
    const EVP_MD* method = EVP_get_digestbyname(tag.c_str());
    std::vector<std::uint8_t> digest(EVP_MAX_MD_SIZE);
    unsigned length = 0;
    if (method == nullptr ||
        EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, method, nullptr) != 1) {
        throw std::runtime_error("OpenSSL has no digest " + tag);
    }
    digest.resize(length);
    return digest;
}

}  // namespace hashwell::test
