#include "support/oracle.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <cstdio>
#include <stdexcept>

namespace hashwell::test {
namespace {

const EVP_MD* OracleMethod(const Variant& v) {
    switch (v.method) {
        case 1:
            return EVP_md5();
        case 3:
            return EVP_sha1();
        case 4:
            return v.bits == 224   ? EVP_sha224()
                   : v.bits == 256 ? EVP_sha256()
                   : v.bits == 384 ? EVP_sha384()
                                   : EVP_sha512();
        case 5:
            return v.bits == 224   ? EVP_sha3_224()
                   : v.bits == 256 ? EVP_sha3_256()
                   : v.bits == 384 ? EVP_sha3_384()
                                   : EVP_sha3_512();
        default:
            return nullptr;  // CRC-32 comes from zlib
    }
}

std::string ToHex(const unsigned char* bytes, unsigned length) {
    std::string hex;
    char pair[3];
    for (unsigned i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        hex += pair;
    }
    return hex;
}

}  // namespace

OracleStream::OracleStream(const Variant& variant) {
    if (const EVP_MD* md = OracleMethod(variant)) {
        context_ = EVP_MD_CTX_new();
        if (context_ == nullptr || EVP_DigestInit_ex(context_, md, nullptr) != 1) {
            throw std::runtime_error("OpenSSL refused the digest");
        }
    } else {
        crc_ = crc32_z(0, Z_NULL, 0);
    }
}

OracleStream::~OracleStream() {
    EVP_MD_CTX_free(context_);
}

void OracleStream::Add(std::span<const std::uint8_t> bytes) {
    if (context_ != nullptr) {
        EVP_DigestUpdate(context_, bytes.data(), bytes.size());
    } else {
        crc_ = crc32_z(crc_, bytes.data(), bytes.size());
    }
}

std::string OracleStream::Finish() {
    if (context_ == nullptr) {
        char text[9];
        std::snprintf(text, sizeof text, "%08lx", crc_);
        return text;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    EVP_DigestFinal_ex(context_, digest, &length);
    return ToHex(digest, length);
}

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes) {
    OracleStream stream(variant);
    stream.Add(bytes);
    return stream.Finish();
}

}  // namespace hashwell::test
