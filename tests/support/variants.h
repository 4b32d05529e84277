#pragma once

// Every algorithm the engine computes, as the tests go over them: the catalogue's rows, each
// named by its BSD tag, as the vector files' sections are.

#include <span>

#include "digest/catalogue.h"

namespace hashwell::test {

using Variant = digest::Algorithm;

inline const std::span<const Variant> kAllVariants = digest::Algorithms();

}  // namespace hashwell::test
