// The oracle's digests from libgcrypt, where there is no OpenSSL (the Windows cross-build).

#include <gcrypt.h>

#include <cstring>
#include <stdexcept>

#include "support/oracle_library.h"

namespace hashwell::test {
namespace {

int GcryptAlgorithm(const Variant& v) {
    switch (v.method) {
        case 1:
            return GCRY_MD_MD5;
        case 3:
            return GCRY_MD_SHA1;
        case 4:
            return v.bits == 224   ? GCRY_MD_SHA224
                   : v.bits == 256 ? GCRY_MD_SHA256
                   : v.bits == 384 ? GCRY_MD_SHA384
                                   : GCRY_MD_SHA512;
        case 5:
            return v.bits == 224   ? GCRY_MD_SHA3_224
                   : v.bits == 256 ? GCRY_MD_SHA3_256
                   : v.bits == 384 ? GCRY_MD_SHA3_384
                                   : GCRY_MD_SHA3_512;
        default:
            return GCRY_MD_NONE;
    }
}

// libgcrypt must be initialised once before its first use; digests need no secure memory.
void InitialiseGcrypt() {
    static const bool initialised = [] {
        if (gcry_check_version(nullptr) == nullptr) {
            throw std::runtime_error("libgcrypt did not start");
        }
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        return true;
    }();
    (void)initialised;
}

class GcryptDigest final : public OracleStream::Library {
public:
    explicit GcryptDigest(int algorithm) : algorithm_(algorithm) {
        InitialiseGcrypt();
        if (gcry_md_open(&handle_, algorithm, 0) != 0) {
            throw std::runtime_error("libgcrypt refused the digest");
        }
    }
    ~GcryptDigest() override { gcry_md_close(handle_); }
    GcryptDigest(const GcryptDigest&) = delete;
    GcryptDigest& operator=(const GcryptDigest&) = delete;

    void Add(std::span<const std::uint8_t> bytes) override {
        gcry_md_write(handle_, bytes.data(), bytes.size());
    }

    std::vector<std::uint8_t> Finish() override {
        const unsigned char* digest = gcry_md_read(handle_, algorithm_);
        std::vector<std::uint8_t> bytes(gcry_md_get_algo_dlen(algorithm_));
        std::memcpy(bytes.data(), digest, bytes.size());
        return bytes;
    }

private:
    int algorithm_;
    gcry_md_hd_t handle_ = nullptr;
};

}  // namespace

std::unique_ptr<OracleStream::Library> StartLibraryDigest(const Variant& variant) {
    const int algorithm = GcryptAlgorithm(variant);
    if (algorithm == GCRY_MD_NONE) {
        return nullptr;
    }
    return std::make_unique<GcryptDigest>(algorithm);
}

}  // namespace hashwell::test
