#include "digest/xxh3/xxh3.h"

// A build without the shared library (the Windows cross-build) compiles libxxhash's own
// implementation from its header.
#ifdef HASHWELL_XXHASH_INLINE
#define XXH_INLINE_ALL
#endif
#include <xxhash.h>

#include <cstring>

namespace hashwell::digest {

void Xxh3::FreeState::operator()(XXH3_state_s* state) const {
    XXH3_freeState(state);
}

Xxh3::Xxh3(int bits) : bits_(bits), state_(XXH3_createState()) {
    if (state_ != nullptr) {
        bits_ == 64 ? XXH3_64bits_reset(state_.get()) : XXH3_128bits_reset(state_.get());
    }
}

Xxh3::Xxh3(Xxh3&&) noexcept = default;
Xxh3& Xxh3::operator=(Xxh3&&) noexcept = default;
Xxh3::~Xxh3() = default;

void Xxh3::Update(const std::uint8_t* data, std::size_t length) {
    if (state_ == nullptr || length == 0) {
        return;
    }
    bits_ == 64 ? XXH3_64bits_update(state_.get(), data, length)
                : XXH3_128bits_update(state_.get(), data, length);
}

void Xxh3::Finish(std::uint8_t* out) {
    if (state_ == nullptr) {
        return;
    }
    if (bits_ == 64) {
        XXH64_canonical_t canonical;
        XXH64_canonicalFromHash(&canonical, XXH3_64bits_digest(state_.get()));
        std::memcpy(out, canonical.digest, sizeof canonical.digest);
    } else {
        XXH128_canonical_t canonical;
        XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(state_.get()));
        std::memcpy(out, canonical.digest, sizeof canonical.digest);
    }
}

}  // namespace hashwell::digest
