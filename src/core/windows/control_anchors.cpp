#include "core/windows/control_anchors.h"

#include <algorithm>

namespace hashwell::core {

void ControlAnchors::Register(Desktop& desktop, const WindowSpec& window) {
    std::erase_if(entries_, [&](const Entry& e) { return e.control.Window() == window.window; });
    const Size size = desktop.ClientSize(window.window);
    for (const ControlSpec& spec : window.controls) {
        if (spec.anchors == Anchor::None) {
            continue;
        }
        const Rect place = desktop.ControlGeometry(spec.control);
        entries_.push_back({spec.control, spec.anchors, size.width - place.x, size.height - place.y,
                            place.width, place.height, size});
    }
}

void ControlAnchors::Reanchor(Desktop& desktop, WindowId window) const {
    const Size now = desktop.ClientSize(window);
    for (const Entry& e : entries_) {
        if (e.control.Window() != window) {
            continue;
        }
        Rect place = desktop.ControlGeometry(e.control);
        if (e.anchors & Anchor::FollowRight) {
            place.x = now.width - e.rightGap;
        }
        if (e.anchors & Anchor::FollowBottom) {
            place.y = now.height - e.bottomGap;
        }
        if (e.anchors & Anchor::GrowWidth) {
            place.width = e.width + (now.width - e.window.width);
        }
        if (e.anchors & Anchor::GrowHeight) {
            place.height = e.height + (now.height - e.window.height);
        }
        desktop.SetControlGeometry(e.control, place);
    }
}

}  // namespace hashwell::core
