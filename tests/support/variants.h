#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hashwell::test {

// Every method and size the engine computes, named as the vector files' sections are.
struct Variant {
    std::string_view name;
    std::int32_t method;
    std::int32_t bits;
};

inline constexpr std::array<Variant, 11> kAllVariants = {{
    {"CRC32", 2, 256},
    {"MD5", 1, 256},
    {"SHA1", 3, 256},
    {"SHA-224", 4, 224},
    {"SHA-256", 4, 256},
    {"SHA-384", 4, 384},
    {"SHA-512", 4, 512},
    {"SHA3-224", 5, 224},
    {"SHA3-256", 5, 256},
    {"SHA3-384", 5, 384},
    {"SHA3-512", 5, 512},
}};

}  // namespace hashwell::test
