#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/variants.h"

namespace hashwell::test {

// The same digest from independent code: a cryptographic library (OpenSSL's libcrypto, or
// libgcrypt where there is no OpenSSL), zlib for CRC-32 and the b3sum program for BLAKE3.
// Lowercase hex.
std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes);
// The same for many inputs: for BLAKE3 one run of b3sum over them all, as one run per input
// would take long.
std::vector<std::string> OracleDigests(const Variant& variant,
                                       const std::vector<std::span<const std::uint8_t>>& inputs);
// Whether the oracle computes the variant here: a system may lack b3sum (Windows under Wine).
bool OracleHas(const Variant& variant);

// The cryptographic library's digest of the bytes, the algorithm named as a BSD checksum line
// names it ("SHA3-256"); from oracle_openssl.cpp or oracle_gcrypt.cpp, whichever is built.
std::vector<std::uint8_t> LibraryDigest(const std::string& tag,
                                        std::span<const std::uint8_t> bytes);

}  // namespace hashwell::test
