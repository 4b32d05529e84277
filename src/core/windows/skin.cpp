#include "core/windows/skin.h"

namespace hashwell::core {

std::optional<WindowColour> SkinColor(std::int64_t skin) {
    switch (skin) {
        case 1:
            return WindowColour{true, {}};
        case 2:
            return WindowColour{false, {192, 192, 192}};
        case 3:
            return WindowColour{false, {215, 215, 255}};
        default:
            return std::nullopt;
    }
}

void ApplySkin(Windows& windows, WindowId windowId, std::int64_t skin) {
    const std::optional<WindowColour> colour = SkinColor(skin);
    if (colour && windows.IsForegroundWindow(windowId)) {
        windows.SetWindowBackground(windowId, *colour);
    }
}

}  // namespace hashwell::core
