// The oracle's digests from OpenSSL's libcrypto.

#include <openssl/evp.h>

#include <stdexcept>

#include "support/oracle.h"

namespace hashwell::test {
namespace {

class OpenSslDigest final : public OracleStream::Library {
public:
    explicit OpenSslDigest(const std::string& tag) {
        const EVP_MD* method = EVP_get_digestbyname(tag.c_str());
        if (method == nullptr || EVP_DigestInit_ex(context_.get(), method, nullptr) != 1) {
            throw std::runtime_error("OpenSSL has no digest " + tag);
        }
    }

    void Add(std::span<const std::uint8_t> bytes) override {
        EVP_DigestUpdate(context_.get(), bytes.data(), bytes.size());
    }

    std::vector<std::uint8_t> Finish() override {
        std::vector<std::uint8_t> digest(EVP_MAX_MD_SIZE);
        unsigned length = 0;
        EVP_DigestFinal_ex(context_.get(), digest.data(), &length);
        digest.resize(length);
        return digest;
    }

private:
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context_{EVP_MD_CTX_new(), EVP_MD_CTX_free};
};

}  // namespace

std::unique_ptr<OracleStream::Library> StartLibraryDigest(const std::string& tag) {
    return std::make_unique<OpenSslDigest>(tag);
}

}  // namespace hashwell::test
