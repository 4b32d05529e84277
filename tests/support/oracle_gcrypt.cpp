// The oracle's digests from libgcrypt, where there is no OpenSSL (the Windows cross-build).

#include <gcrypt.h>

#include <stdexcept>

#include "support/oracle.h"

namespace hashwell::test {

std::vector<std::uint8_t> LibraryDigest(const std::string& tag,
                                        std::span<const std::uint8_t> bytes) {
    // libgcrypt must be started once before its first use; digests need no secure memory.
    static const bool started = gcry_check_version(nullptr) != nullptr &&
                                gcry_control(GCRYCTL_DISABLE_SECMEM, 0) == 0 &&
                                gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0) == 0;
    const int algorithm = started ? gcry_md_map_name(tag.c_str()) : GCRY_MD_NONE;
    if (algorithm == GCRY_MD_NONE) {
        throw std::runtime_error("libgcrypt has no digest " + tag);
    }
    std::vector<std::uint8_t> digest(gcry_md_get_algo_dlen(algorithm));
    gcry_md_hash_buffer(algorithm, digest.data(), bytes.data(), bytes.size());
    return digest;
}

}  // namespace hashwell::test
