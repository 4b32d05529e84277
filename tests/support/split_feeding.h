#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>

#include "support/variants.h"

namespace hashwell::test {

// Ways of handing the same bytes to a digest stream; every one must give the same code.
enum class Split {
    Whole,       // one piece
    ByteByByte,  // one byte per piece
    Random,      // random piece sizes, zero-length pieces among them
    Misaligned,  // random pieces from a copy that starts 1 to 7 bytes past an aligned address
};

inline constexpr Split kAllSplits[] = {Split::Whole, Split::ByteByByte, Split::Random,
                                       Split::Misaligned};

const char* SplitName(Split split);

// Hands `bytes` to `add` in pieces as the split says.
void FeedWithSplit(std::span<const std::uint8_t> bytes, Split split, std::mt19937_64& random,
                   const std::function<void(std::span<const std::uint8_t>)>& add);

// The engine's hex code of `bytes`, fed through DigestStream as the split says.
std::string DigestWithSplit(const Variant& variant, std::span<const std::uint8_t> bytes,
                            Split split, std::mt19937_64& random);

}  // namespace hashwell::test
