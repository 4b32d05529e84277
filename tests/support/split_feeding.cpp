#include "support/split_feeding.h"

#include <cstring>
#include <vector>

#include "digest/digest.h"

namespace hashwell::test {
namespace {

std::string FeedRandomPieces(const Variant& variant, std::span<const std::uint8_t> bytes,
                             std::mt19937_64& random) {
    digest::DigestStream stream(variant.method, variant.bits, 1);
    // Mostly small pieces so block boundaries are crossed in every way, some zero-length
    // ones, and now and then a large one.
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::size_t> small(1, 200);
    std::uniform_int_distribution<std::size_t> large(1, 70000);
    while (!bytes.empty()) {
        const int k = kind(random);
        std::size_t piece = k == 0 ? 0 : k == 9 ? large(random) : small(random);
        piece = piece < bytes.size() ? piece : bytes.size();
        stream.Add(bytes.first(piece));
        bytes = bytes.subspan(piece);
    }
    stream.Add({});
    return stream.Finish();
}

}  // namespace

const char* SplitName(Split split) {
    switch (split) {
        case Split::Whole:
            return "whole";
        case Split::ByteByByte:
            return "byte by byte";
        case Split::Random:
            return "random pieces";
        case Split::Misaligned:
            return "misaligned";
    }
    return "?";
}

std::string DigestWithSplit(const Variant& variant, std::span<const std::uint8_t> bytes,
                            Split split, std::mt19937_64& random) {
    switch (split) {
        case Split::Whole:
            return digest::ComputeDigest(variant.method, variant.bits, 1, bytes);
        case Split::ByteByByte: {
            digest::DigestStream stream(variant.method, variant.bits, 1);
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                stream.Add(bytes.subspan(i, 1));
            }
            return stream.Finish();
        }
        case Split::Random:
            return FeedRandomPieces(variant, bytes, random);
        case Split::Misaligned: {
            const std::size_t offset = 1 + random() % 7;
            std::vector<std::uint64_t> storage(bytes.size() / 8 + 2);  // 8-byte aligned
            auto* start = reinterpret_cast<std::uint8_t*>(storage.data()) + offset;
            if (!bytes.empty()) {
                std::memcpy(start, bytes.data(), bytes.size());
            }
            return FeedRandomPieces(variant, {start, bytes.size()}, random);
        }
    }
    return {};
}

}  // namespace hashwell::test
