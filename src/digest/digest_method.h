#pragma once

// The method codes and bit sizes, and the row a method registers.

#include <cstdint>

namespace hashwell::digest {

// Method codes: the registry's keys, and what the application state stores.
namespace HashMethod {
inline constexpr std::int32_t Md5 = 1;
inline constexpr std::int32_t Crc32 = 2;
inline constexpr std::int32_t Sha1 = 3;
inline constexpr std::int32_t Sha2 = 4;
inline constexpr std::int32_t Sha3 = 5;
// Only the command line and the verification of checksum files compute these.
inline constexpr std::int32_t Blake3 = 6;
inline constexpr std::int32_t Xxh3 = 7;
inline constexpr std::int32_t Xxh128 = 8;
}  // namespace HashMethod

// Output sizes for SHA2 and SHA3; 0 means none chosen and is computed as 256. CRC32, MD5 and
// SHA1 ignore the size.
namespace BitSize {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Bits224 = 224;
inline constexpr std::int32_t Bits256 = 256;
inline constexpr std::int32_t Bits384 = 384;
inline constexpr std::int32_t Bits512 = 512;
}  // namespace BitSize

// What every method's context starts with; the method's running state follows it.
struct DigestContext {
    std::int32_t DigestBits = 0;
    // After FinishDigest, the first DigestBits/8 bytes hold the digest in output order.
    std::uint8_t DigestBytes[64] = {};
};

// One row of the registry. `fromText` is 1 for bytes of a text in memory and 0 for bytes of
// a file; the digest is the same either way.
struct DigestMethodEntry {
    std::int32_t code = 0;
    // A new context, or nullptr when the size is not supported or memory is short.
    DigestContext* (*CreateContext)(std::int32_t bits, int fromText) = nullptr;
    // Any number of calls, also with length 0.
    void (*AddBytes)(DigestContext* context, const std::uint8_t* bytes,
                     std::uint32_t length) = nullptr;
    void (*FinishDigest)(DigestContext* context) = nullptr;
    void (*ReleaseContext)(DigestContext* context) = nullptr;
};

}  // namespace hashwell::digest
