#include "support/oracle.h"

#include <zlib.h>

#include <cstdio>

namespace hashwell::test {

OracleStream::OracleStream(const Variant& variant) {
    if (variant.id != digest::AlgorithmId::Crc32) {
        library_ = StartLibraryDigest(std::string(variant.tag));
    }
}

OracleStream::~OracleStream() = default;

void OracleStream::Add(std::span<const std::uint8_t> bytes) {
    if (library_) {
        library_->Add(bytes);
    } else {
        crc_ = crc32_z(crc_, bytes.data(), bytes.size());
    }
}

std::string OracleStream::Finish() {
    char pair[9];
    if (!library_) {
        std::snprintf(pair, sizeof pair, "%08lx", crc_);
        return pair;
    }
    std::string hex;
    for (const std::uint8_t byte : library_->Finish()) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

std::string OracleDigest(const Variant& variant, std::span<const std::uint8_t> bytes) {
    OracleStream stream(variant);
    stream.Add(bytes);
    return stream.Finish();
}

}  // namespace hashwell::test
