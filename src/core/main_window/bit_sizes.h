#pragma once

// The method options' sizes: SHA2 and SHA3 take one of four, chosen with four check boxes of
// which the commands keep at most one ticked.

#include <array>
#include <cstdint>

#include "core/desktop/controls.h"
#include "core/desktop/ids.h"

namespace hashwell::core {

struct BitSizeBox {
    MainControl box;
    std::int32_t bits;
};

// The boxes in their order on the window, k = 1 to 4.
inline constexpr std::array<BitSizeBox, 4> kBitSizeBoxes{{{MainControl::CheckBits224, 224},
                                                          {MainControl::CheckBits256, 256},
                                                          {MainControl::CheckBits384, 384},
                                                          {MainControl::CheckBits512, 512}}};

// Whether the method takes one of the sizes: SHA2 and SHA3 do.
bool HasBitSizes(std::int32_t method);

// Enables or disables all four boxes; their ticks stay as they are.
void EnableBitSizes(Controls& controls, bool enabled);

// Makes box k (1 to 4 for 224 to 512 bits) the only checked one. When the box is already
// checked, only the other three are unchecked.
void SelectBitSize(Controls& controls, int k, bool alreadyChecked);

}  // namespace hashwell::core
