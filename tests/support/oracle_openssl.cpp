// The oracle's digests from OpenSSL's libcrypto.

#include <openssl/evp.h>

#include <stdexcept>

#include "support/oracle_library.h"

namespace hashwell::test {
namespace {

const EVP_MD* OpenSslMethod(const Variant& v) {
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
            return nullptr;
    }
}

class OpenSslDigest final : public OracleStream::Library {
public:
    explicit OpenSslDigest(const EVP_MD* method) : context_(EVP_MD_CTX_new()) {
        if (context_ == nullptr || EVP_DigestInit_ex(context_, method, nullptr) != 1) {
            EVP_MD_CTX_free(context_);
            throw std::runtime_error("OpenSSL refused the digest");
        }
    }
    ~OpenSslDigest() override { EVP_MD_CTX_free(context_); }
    OpenSslDigest(const OpenSslDigest&) = delete;
    OpenSslDigest& operator=(const OpenSslDigest&) = delete;

    void Add(std::span<const std::uint8_t> bytes) override {
        EVP_DigestUpdate(context_, bytes.data(), bytes.size());
    }

    std::vector<std::uint8_t> Finish() override {
        std::vector<std::uint8_t> digest(EVP_MAX_MD_SIZE);
        unsigned length = 0;
        EVP_DigestFinal_ex(context_, digest.data(), &length);
        digest.resize(length);
        return digest;
    }

private:
    EVP_MD_CTX* context_;
};

}  // namespace

std::unique_ptr<OracleStream::Library> StartLibraryDigest(const Variant& variant) {
    const EVP_MD* method = OpenSslMethod(variant);
    if (method == nullptr) {
        return nullptr;
    }
    return std::make_unique<OpenSslDigest>(method);
}

}  // namespace hashwell::test
