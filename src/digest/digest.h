#pragma once

// The digest interface every user of the engine goes through: method, context, bytes, code.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "digest/digest_method.h"

namespace hashwell::digest {

// Bytes as lowercase hexadecimal text, two digits per byte.
std::string BytesToHex(std::span<const std::uint8_t> bytes);

// The digest as lowercase hexadecimal text, two digits per byte, leading zeros kept; the
// empty text when there is no context.
std::string DigestToHex(const DigestContext* context);

// One digest computation in the order every user of the engine follows: find the method,
// create a context, add bytes, finish, read the hex text, release. A stream that could not
// be created (method not registered, size not supported, no memory) is empty, adds nothing
// and finishes with the empty text.
class DigestStream {
public:
    DigestStream(std::int32_t code, std::int32_t bits, int fromText);
    ~DigestStream();
    DigestStream(const DigestStream&) = delete;
    DigestStream& operator=(const DigestStream&) = delete;

    explicit operator bool() const { return context_ != nullptr; }
    void Add(std::span<const std::uint8_t> bytes);
    // Finishes the digest and returns its text; the stream is spent afterwards.
    std::string Finish();

private:
    const DigestMethodEntry* method_ = nullptr;
    DigestContext* context_ = nullptr;
};

// Views the characters of a byte string as the bytes they are.
inline std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// The hex digest of `bytes`, or the empty text when it cannot be computed.
std::string ComputeDigest(std::int32_t code, std::int32_t bits, int fromText,
                          std::span<const std::uint8_t> bytes);

}  // namespace hashwell::digest
