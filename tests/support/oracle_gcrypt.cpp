// The oracle's digests from libgcrypt, where there is no OpenSSL (the Windows cross-build).

#include <gcrypt.h>

#include <stdexcept>

#include "support/oracle.h"

namespace hashwell::test {
namespace {

// libgcrypt must be started once before its first use; digests need no secure memory.
int StartedAlgorithm(const std::string& tag) {
    static const bool started = gcry_check_version(nullptr) != nullptr &&
                                gcry_control(GCRYCTL_DISABLE_SECMEM, 0) == 0 &&
                                gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0) == 0;
    return started ? gcry_md_map_name(tag.c_str()) : GCRY_MD_NONE;
}

class GcryptDigest final : public OracleStream::Library {
public:
    explicit GcryptDigest(const std::string& tag) : algorithm_(StartedAlgorithm(tag)) {
        if (algorithm_ == GCRY_MD_NONE || gcry_md_open(&handle_, algorithm_, 0) != 0) {
            throw std::runtime_error("libgcrypt has no digest " + tag);
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
        return {digest, digest + gcry_md_get_algo_dlen(algorithm_)};
    }

private:
    int algorithm_;
    gcry_md_hd_t handle_ = nullptr;
};

}  // namespace

std::unique_ptr<OracleStream::Library> StartLibraryDigest(const std::string& tag) {
    return std::make_unique<GcryptDigest>(tag);
}

}  // namespace hashwell::test
