#include "support/oracle.h"

#include <zlib.h>

#include <cstdio>

namespace hashwell::test {

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes) {
    char pair[9];
    if (variant.id == digest::AlgorithmId::Crc32) {
        std::snprintf(pair, sizeof pair, "%08lx", crc32_z(0, bytes.data(), bytes.size()));
        return pair;
    }
    std::string hex;
    for (const std::uint8_t byte : LibraryDigest(std::string(variant.tag), bytes)) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

}  // namespace hashwell::test
