#pragma once

// How controls follow a window's edges when it is resized, as its table's anchors say.

#include <vector>

#include "core/desktop/desktop.h"
#include "core/windows/control_spec.h"

namespace hashwell::core {

class ControlAnchors {
public:
    // Remembers the anchored controls of the window: their places relative to the window's
    // right and bottom edges and their sizes, as they are now. Registering a window again
    // replaces its entries.
    void Register(Desktop& desktop, const WindowSpec& window);

    // Re-places the registered controls of the window for its current inner size: each anchor
    // changes its own coordinate, the others stay as they are.
    void Reanchor(Desktop& desktop, WindowId window) const;

private:
    struct Entry {
        ControlRef control;
        int anchors;
        int rightGap;   // from the control's left edge to the window's right edge
        int bottomGap;  // from the control's top edge to the window's bottom edge
        int width;
        int height;
        Size window;  // the window's inner size at registration
    };
    std::vector<Entry> entries_;
};

}  // namespace hashwell::core
