#pragma once

// The buffering and padding that MD5, SHA-1 and SHA-2 share: whole blocks go to the
// compression function straight from the caller's bytes, and only the bytes of an unfinished
// block wait here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace hashwell::digest {

template <std::size_t BlockSize>
class BlockBuffer {
public:
    // Calls compress(blocks, count) for every whole block the bytes complete.
    template <class Compress>
    void Absorb(const std::uint8_t* data, std::size_t length, Compress&& compress) {
        if (length == 0) {
            return;  // a zero-length piece may come with no address at all
        }
        absorbed_ += length;
        if (used_ > 0) {
            const std::size_t take = length < BlockSize - used_ ? length : BlockSize - used_;
            std::memcpy(block_.data() + used_, data, take);
            used_ += take;
            data += take;
            length -= take;
            if (used_ < BlockSize) {
                return;
            }
            compress(block_.data(), 1);
            used_ = 0;
        }
        if (const std::size_t whole = length / BlockSize; whole > 0) {
            compress(data, whole);
            data += whole * BlockSize;
            length -= whole * BlockSize;
        }
        if (length > 0) {
            std::memcpy(block_.data(), data, length);
            used_ = length;
        }
    }

    // Appends 0x80, zeros, and a length field of `FieldSize` bytes at the end of the last
    // block, filled by writeField(field, bytesAbsorbed).
    template <std::size_t FieldSize, class WriteField, class Compress>
    void Pad(WriteField&& writeField, Compress&& compress) {
        block_[used_++] = 0x80;
        if (used_ > BlockSize - FieldSize) {
            std::memset(block_.data() + used_, 0, BlockSize - used_);
            compress(block_.data(), 1);
            used_ = 0;
        }
        std::memset(block_.data() + used_, 0, BlockSize - FieldSize - used_);
        writeField(block_.data() + BlockSize - FieldSize, absorbed_);
        compress(block_.data(), 1);
        used_ = 0;
    }

    // The bytes of the unfinished block, and the count of every byte absorbed.
    const std::uint8_t* Pending() const { return block_.data(); }
    std::size_t PendingLength() const { return used_; }
    std::uint64_t Absorbed() const { return absorbed_; }

    // Lets tests start the length counter near its limits without hashing gigabytes:
    // the chaining state stays as it is, only the count of absorbed bytes moves on.
    void AssumeAbsorbed(std::uint64_t bytes) { absorbed_ = bytes; }

private:
    std::array<std::uint8_t, BlockSize> block_{};
    std::size_t used_ = 0;
    std::uint64_t absorbed_ = 0;
};

}  // namespace hashwell::digest
