#pragma once

// The SHA-3 engine at its four sizes.

#include <array>
#include <cstddef>
#include <cstdint>

#include "digest/sha3/keccak_permute.h"

namespace hashwell::digest {

// SHA3-224/256/384/512 of FIPS 202: the sponge over Keccak-f[1600] with the SHA-3 domain
// byte 0x06 (pre-standard Keccak pads with 0x01 and gives other codes).
class Sha3 {
public:
    // `bits` is 224, 256, 384 or 512; the rate is (1600 - 2 x bits) / 8 bytes.
    explicit Sha3(int bits);

    int DigestBits() const { return outputBytes_ * 8; }
    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // the first bits/8 bytes of the state, lanes little-endian

private:
    void AbsorbBlock(const std::uint8_t* block);

    std::array<std::uint64_t, 25> lanes_{};
    std::array<std::uint8_t, 144> block_{};  // one rate, at most 144 bytes (SHA3-224)
    std::size_t used_ = 0;
    std::size_t rate_;
    int outputBytes_;
    KeccakPermute permute_ = KeccakKernels().Active().function;  // chosen when the context is made
};

}  // namespace hashwell::digest
