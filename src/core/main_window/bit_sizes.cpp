#include "core/main_window/bit_sizes.h"

#include "digest/digest_method.h"

namespace hashwell::core {

bool HasBitSizes(std::int32_t method) {
    return method == digest::HashMethod::Sha2 || method == digest::HashMethod::Sha3;
}

void EnableBitSizes(Controls& controls, bool enabled) {
    for (const BitSizeBox& size : kBitSizeBoxes) {
        controls.SetControlEnabled(size.box, enabled);
    }
}

void SelectBitSize(Controls& controls, int k, bool alreadyChecked) {
    for (int i = 1; i <= static_cast<int>(kBitSizeBoxes.size()); ++i) {
        const MainControl box = kBitSizeBoxes[static_cast<std::size_t>(i - 1)].box;
        if (i != k) {
            controls.SetChecked(box, false);
        } else if (!alreadyChecked) {
            controls.SetChecked(box, true);
        }
    }
}

}  // namespace hashwell::core
