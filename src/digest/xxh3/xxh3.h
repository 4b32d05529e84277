#pragma once

// XXH3 (64-bit) and XXH128: xxHash's fast non-cryptographic checksums, computed by libxxhash.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace hashwell::digest {

// The running state of XXH3 with a 64- or 128-bit result; the code is written big-endian, as
// xxhsum prints it.
class Xxh3 {
public:
    explicit Xxh3(int bits);  // 64 or 128
    Xxh3(Xxh3&&) noexcept;
    Xxh3& operator=(Xxh3&&) noexcept;
    ~Xxh3();

    int DigestBits() const { return bits_; }
    // False when the state could not be made (no memory); it then computes nothing.
    bool Ready() const { return state_ != nullptr; }

    void Update(const std::uint8_t* data, std::size_t length);
    void Finish(std::uint8_t* out);  // 8 or 16 bytes

private:
    struct State;  // the library's, which its header alone names
    int bits_;
    std::unique_ptr<State> state_;
};

}  // namespace hashwell::digest
