#pragma once

// What each cryptographic library behind the oracle provides; one of oracle_openssl.cpp and
// oracle_gcrypt.cpp is built.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "support/oracle.h"

namespace hashwell::test {

class OracleStream::Library {
public:
    virtual ~Library() = default;
    virtual void Add(std::span<const std::uint8_t> bytes) = 0;
    virtual std::vector<std::uint8_t> Finish() = 0;
};

// A digest of the variant's method and size, started; empty for CRC-32, which is zlib's.
std::unique_ptr<OracleStream::Library> StartLibraryDigest(const Variant& variant);

}  // namespace hashwell::test
