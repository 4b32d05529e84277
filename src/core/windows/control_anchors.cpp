#include "core/windows/control_anchors.h"

#include <algorithm>

#include "core/app/ids.h"

namespace hashwell::core {

void ControlAnchors::Register(Desktop& desktop, int windowId, int controlId, int flags) {
    const Rect place = desktop.ControlGeometry(controlId);
    const Size window = desktop.ClientSize(windowId);
    const Entry entry{
        windowId,    controlId,    flags, window.width - place.x, window.height - place.y,
        place.width, place.height, window};
    const auto existing = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.windowId == windowId && e.controlId == controlId;
    });
    if (existing != entries_.end()) {
        *existing = entry;
    } else {
        entries_.push_back(entry);
    }
}

void ControlAnchors::Reanchor(Desktop& desktop, int windowId) const {
    const Size now = desktop.ClientSize(windowId);
    for (const Entry& e : entries_) {
        if (e.windowId != windowId) {
            continue;
        }
        Rect place = desktop.ControlGeometry(e.controlId);
        if (e.flags & AnchorFollowRight) {
            place.x = now.width - e.rightGap;
        }
        if (e.flags & AnchorFollowBottom) {
            place.y = now.height - e.bottomGap;
        }
        if (e.flags & AnchorGrowWidth) {
            place.width = e.width + (now.width - e.window.width);
        }
        if (e.flags & AnchorGrowHeight) {
            place.height = e.height + (now.height - e.window.height);
        }
        desktop.SetControlGeometry(e.controlId, place);
    }
}

void RegisterMainWindowAnchors(Desktop& desktop, ControlAnchors& anchors) {
    using namespace ControlId;
    const int window = WindowId::MainWindow;
    anchors.Register(desktop, window, TabPanel, AnchorGrowWidth | AnchorGrowHeight);
    anchors.Register(desktop, window, TextInput, AnchorGrowWidth);
    for (const int bottomRow : {OptionCrc32, OptionMd5, OptionSha1, OptionSha2, OptionSha3,
                                CheckBits224, CheckBits256, CheckBits384, CheckBits512}) {
        anchors.Register(desktop, window, bottomRow, AnchorFollowBottom);
    }
    anchors.Register(desktop, window, FileGrid, AnchorGrowWidth | AnchorGrowHeight);
    anchors.Register(desktop, window, TextHashBox, AnchorGrowWidth | AnchorGrowHeight);
    anchors.Register(desktop, window, FileNameBox, AnchorGrowWidth);
    anchors.Register(desktop, window, FileHashBox, AnchorGrowWidth | AnchorGrowHeight);
}

}  // namespace hashwell::core
