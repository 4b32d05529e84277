#pragma once

// The table of registered methods, filled once at start-up.

#include <cstdint>

#include "digest/digest_method.h"

namespace hashwell::digest {

// Registers every method of the catalogue, in its order. Calling it again changes nothing.
void RegisterDigestMethods();

// A free row with `code` filled in, for the caller to set the four operations; nullptr when a
// row with that code exists already (it stays unchanged) or the table of 64 rows is full.
DigestMethodEntry* RegisterDigestMethod(std::int32_t code);

// The row with that code, or nullptr.
const DigestMethodEntry* FindDigestMethod(std::int32_t code);

}  // namespace hashwell::digest
