#include "core/windows/right_click_target.h"

#include "core/app/ids.h"

namespace hashwell::core {

std::optional<int> RightClickTarget(int focusedControl) {
    switch (focusedControl) {
        case ControlId::TextInput:
        case ControlId::TextHashBox:
        case ControlId::FileNameBox:
        case ControlId::FileHashBox:
            return focusedControl;
        default:
            return std::nullopt;
    }
}

}  // namespace hashwell::core
