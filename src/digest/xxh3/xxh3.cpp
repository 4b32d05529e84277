#include "digest/xxh3/xxh3.h"

// A build without the shared library (the Windows cross-build) compiles libxxhash's own
// implementation from its header.
#ifdef HASHWELL_XXHASH_INLINE
#define XXH_INLINE_ALL
#endif
#include <xxhash.h>

#include <cstring>
#include <new>

namespace hashwell::digest {

struct Xxh3::State {
    explicit State(XXH3_state_t* made) : state(made) {}
    ~State() { XXH3_freeState(state); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    XXH3_state_t* state;
};

Xxh3::Xxh3(int bits) : bits_(bits) {
    if (XXH3_state_t* made = XXH3_createState()) {
        state_.reset(new (std::nothrow) State(made));
        if (state_ == nullptr) {
            XXH3_freeState(made);
            return;
        }
        bits_ == 64 ? XXH3_64bits_reset(made) : XXH3_128bits_reset(made);
    }
}

Xxh3::Xxh3(Xxh3&&) noexcept = default;
Xxh3& Xxh3::operator=(Xxh3&&) noexcept = default;
Xxh3::~Xxh3() = default;

void Xxh3::Update(const std::uint8_t* data, std::size_t length) {
    if (state_ == nullptr || length == 0) {
        return;
    }
    bits_ == 64 ? XXH3_64bits_update(state_->state, data, length)
                : XXH3_128bits_update(state_->state, data, length);
}

void Xxh3::Finish(std::uint8_t* out) {
    if (state_ == nullptr) {
        return;
    }
    if (bits_ == 64) {
        XXH64_canonical_t canonical;
        XXH64_canonicalFromHash(&canonical, XXH3_64bits_digest(state_->state));
        std::memcpy(out, canonical.digest, sizeof canonical.digest);
    } else {
        XXH128_canonical_t canonical;
        XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(state_->state));
        std::memcpy(out, canonical.digest, sizeof canonical.digest);
    }
}

}  // namespace hashwell::digest
