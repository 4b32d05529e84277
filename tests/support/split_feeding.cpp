#include "support/split_feeding.h"

#include <cstring>
#include <vector>

#include "digest/digest.h"

namespace hashwell::test {
namespace {

void FeedRandomPieces(std::span<const std::uint8_t> bytes, std::mt19937_64& random,
                      const std::function<void(std::span<const std::uint8_t>)>& add) {
    // Mostly small pieces so block boundaries are crossed in every way, some zero-length
    // ones, and now and then a large one.
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::size_t> small(1, 200);
    std::uniform_int_distribution<std::size_t> large(1, 70000);
    while (!bytes.empty()) {
        const int k = kind(random);
        std::size_t piece = k == 0 ? 0 : k == 9 ? large(random) : small(random);
        piece = piece < bytes.size() ? piece : bytes.size();
        add(bytes.first(piece));
        bytes = bytes.subspan(piece);
    }
    add({});
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

void FeedWithSplit(std::span<const std::uint8_t> bytes, Split split, std::mt19937_64& random,
                   const std::function<void(std::span<const std::uint8_t>)>& add) {
    switch (split) {
        case Split::Whole:
            add(bytes);
            return;
        case Split::ByteByByte:
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                add(bytes.subspan(i, 1));
            }
            return;
        case Split::Random:
            FeedRandomPieces(bytes, random, add);
            return;
        case Split::Misaligned: {
            const std::size_t offset = 1 + random() % 7;
            std::vector<std::uint64_t> storage(bytes.size() / 8 + 2);  // 8-byte aligned
            auto* start = reinterpret_cast<std::uint8_t*>(storage.data()) + offset;
            if (!bytes.empty()) {
                std::memcpy(start, bytes.data(), bytes.size());
            }
            FeedRandomPieces({start, bytes.size()}, random, add);
            return;
        }
    }
}

std::string DigestWithSplit(const Variant& variant, std::span<const std::uint8_t> bytes,
                            Split split, std::mt19937_64& random) {
    digest::DigestStream stream(variant.method, variant.bits, 1);
    FeedWithSplit(bytes, split, random,
                  [&](std::span<const std::uint8_t> piece) { stream.Add(piece); });
    return stream.Finish();
}

}  // namespace hashwell::test
