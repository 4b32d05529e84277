#pragma once

// The program's windows, addressed by their ids: building, showing and hiding them, their
// size, colour and place among the other windows of the desktop.

#include <functional>

#include "core/desktop/ids.h"
#include "core/desktop/types.h"

namespace hashwell::core {

class Windows {
public:
    virtual ~Windows() = default;

    // Builds the main window with its menus and controls, hidden; false when it cannot be
    // created.
    virtual bool BuildMainWindow() = 0;
    // Builds the About or the Preferences window with its controls, hidden, centred on the
    // screen and owned by the main window; false when it cannot be created.
    virtual bool BuildWindow(WindowId windowId) = 0;
    // Centres a window on another one of the program's windows.
    virtual void CentreWindow(WindowId windowId, WindowId overWindowId) = 0;
    // Shows a built window and brings it to the front. The window system may give it another
    // size as it appears; the resize handler hears of it.
    virtual void ShowWindow(WindowId windowId) = 0;
    virtual void HideWindow(WindowId windowId) = 0;
    virtual void CloseWindow(WindowId windowId) = 0;  // for good, at shut-down

    // Where the size changes of every window go.
    virtual void SetResizeHandler(std::function<void(WindowId windowId)> handler) = 0;
    virtual Size ClientSize(WindowId windowId) = 0;  // the inner area below the menu bar
    virtual bool IsForegroundWindow(WindowId windowId) = 0;
    virtual void SetWindowBackground(WindowId windowId, const WindowColour& colour) = 0;
    virtual void SetWindowTopMost(WindowId windowId, bool topMost) = 0;
};

}  // namespace hashwell::core
