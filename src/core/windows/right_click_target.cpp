#include "core/windows/right_click_target.h"

namespace hashwell::core {

std::optional<MainControl> RightClickTarget(std::optional<ControlRef> focused) {
    for (const MainControl box : {MainControl::TextInput, MainControl::TextHashBox,
                                  MainControl::FileNameBox, MainControl::FileHashBox}) {
        if (focused == ControlRef(box)) {
            return box;
        }
    }
    return std::nullopt;
}

}  // namespace hashwell::core
