#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/variants.h"

namespace hashwell::test {

// The same digest from independent code: a cryptographic library (OpenSSL's libcrypto, or
// libgcrypt where there is no OpenSSL) and zlib for CRC-32.
class OracleStream {
public:
    explicit OracleStream(const Variant& variant);
    ~OracleStream();

    void Add(std::span<const std::uint8_t> bytes);
    std::string Finish();  // lowercase hex

    // One digest in progress in the cryptographic library.
    class Library {
    public:
        virtual ~Library() = default;
        virtual void Add(std::span<const std::uint8_t> bytes) = 0;
        virtual std::vector<std::uint8_t> Finish() = 0;
    };

private:
    std::unique_ptr<Library> library_;  // empty for CRC-32
    unsigned long crc_ = 0;
};

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes);

// The library's digest named as a BSD checksum line names it ("SHA3-256"), started; from
// oracle_openssl.cpp or oracle_gcrypt.cpp, whichever is built.
std::unique_ptr<OracleStream::Library> StartLibraryDigest(const std::string& tag);

}  // namespace hashwell::test
