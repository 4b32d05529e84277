#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/variants.h"

namespace hashwell::test {

// The same digest from independent code: a cryptographic library (OpenSSL's libcrypto, or
// libgcrypt where there is no OpenSSL) and zlib for CRC-32. Lowercase hex.
std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes);

// The cryptographic library's digest of the bytes, the algorithm named as a BSD checksum line
// names it ("SHA3-256"); from oracle_openssl.cpp or oracle_gcrypt.cpp, whichever is built.
std::vector<std::uint8_t> LibraryDigest(const std::string& tag,
                                        std::span<const std::uint8_t> bytes);

}  // namespace hashwell::test
