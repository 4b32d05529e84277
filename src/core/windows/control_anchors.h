#pragma once

// How controls follow a window's edges when it is resized.

#include <vector>

#include "core/desktop/desktop.h"

namespace hashwell::core {

enum AnchorFlag : int {
    AnchorGrowHeight = 1,
    AnchorGrowWidth = 2,
    AnchorFollowBottom = 4,
    AnchorFollowRight = 8,
};

class ControlAnchors {
public:
    // Remembers the control's place relative to the window's right and bottom edges and its
    // size, as they are now; registering a control again replaces its entry.
    void Register(Desktop& desktop, int windowId, int controlId, int flags);

    // Re-places the registered controls of the window for its current inner size: each flag
    // changes its own coordinate, the others stay as they are.
    void Reanchor(Desktop& desktop, int windowId) const;

private:
    struct Entry {
        int windowId;
        int controlId;
        int flags;
        int rightGap;   // from the control's left edge to the window's right edge
        int bottomGap;  // from the control's top edge to the window's bottom edge
        int width;
        int height;
        Size window;  // the window's inner size at registration
    };
    std::vector<Entry> entries_;
};

// The main window's registrations: the panel, the boxes and the grid grow, the options and
// bit-size boxes move with the bottom edge; the buttons and the progress bar stay.
void RegisterMainWindowAnchors(Desktop& desktop, ControlAnchors& anchors);

}  // namespace hashwell::core
