#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "support/variants.h"

typedef struct evp_md_ctx_st EVP_MD_CTX;

namespace hashwell::test {

// The same digest from independent code: OpenSSL's libcrypto, and zlib for CRC-32.
class OracleStream {
public:
    explicit OracleStream(const Variant& variant);
    ~OracleStream();
    OracleStream(const OracleStream&) = delete;
    OracleStream& operator=(const OracleStream&) = delete;

    void Add(std::span<const std::uint8_t> bytes);
    std::string Finish();  // lowercase hex

private:
    EVP_MD_CTX* context_ = nullptr;
    unsigned long crc_ = 0;
};

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes);

}  // namespace hashwell::test
