#include "digest/registry.h"

#include <array>

#include "digest/catalogue.h"

namespace hashwell::digest {
namespace {

constexpr std::size_t kMaxMethods = 64;

// Written only by registration at start-up, read-only afterwards.
struct DigestRegistry {
    std::array<DigestMethodEntry, kMaxMethods> rows{};
    std::size_t count = 0;
};

DigestRegistry& Registry() {
    static DigestRegistry registry;
    return registry;
}

DigestMethodEntry* FindRow(std::int32_t code) {
    DigestRegistry& registry = Registry();
    for (std::size_t i = 0; i < registry.count; ++i) {
        if (registry.rows[i].code == code) {
            return &registry.rows[i];
        }
    }
    return nullptr;
}

void Register(const DigestMethodEntry& operations) {
    if (DigestMethodEntry* row = RegisterDigestMethod(operations.code)) {
        *row = operations;
    }
}

}  // namespace

// Each method once, in the catalogue's order.
void RegisterDigestMethods() {
    for (const Algorithm& algorithm : Algorithms()) {
        if (FindRow(algorithm.method) == nullptr) {
            Register(algorithm.methodEntry());
        }
    }
}

DigestMethodEntry* RegisterDigestMethod(std::int32_t code) {
    DigestRegistry& registry = Registry();
    if (FindRow(code) != nullptr || registry.count == kMaxMethods) {
        return nullptr;
    }
    DigestMethodEntry& row = registry.rows[registry.count++];
    row = DigestMethodEntry{};
    row.code = code;
    return &row;
}

const DigestMethodEntry* FindDigestMethod(std::int32_t code) {
    return FindRow(code);
}

}  // namespace hashwell::digest
