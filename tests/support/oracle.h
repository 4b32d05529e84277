#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "support/variants.h"

namespace hashwell::test {

// The same digest from independent code: a cryptographic library (OpenSSL's libcrypto, or
// libgcrypt where there is no OpenSSL) and zlib for CRC-32.
class OracleStream {
public:
    explicit OracleStream(const Variant& variant);
    ~OracleStream();
    OracleStream(const OracleStream&) = delete;
    OracleStream& operator=(const OracleStream&) = delete;

    void Add(std::span<const std::uint8_t> bytes);
    std::string Finish();  // lowercase hex

    class Library;  // one digest in progress in the cryptographic library

private:
    std::unique_ptr<Library> library_;  // empty for CRC-32
    unsigned long crc_ = 0;
};

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes);

}  // namespace hashwell::test
