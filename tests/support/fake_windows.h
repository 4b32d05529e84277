#pragma once

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/desktop/desktop_windows.h"

namespace hashwell::test {

// The windows as a record of what was done to them; the main window has the start-up size
// until a test gives it another.
class FakeWindows : public virtual core::Windows {
public:
    bool BuildMainWindow() override { return buildSucceeds; }
    bool BuildWindow(core::WindowId windowId) override {
        builtWindows.push_back(windowId);
        return buildSucceeds;
    }
    void CentreWindow(core::WindowId windowId, core::WindowId overWindowId) override {
        centredWindows.push_back({windowId, overWindowId});
    }
    void ShowWindow(core::WindowId windowId) override {
        shownWindows.push_back(windowId);
        if (onShowWindow) {
            onShowWindow(windowId);
        }
    }
    void HideWindow(core::WindowId windowId) override { hiddenWindows.push_back(windowId); }
    void CloseWindow(core::WindowId windowId) override { closedWindows.push_back(windowId); }
    void SetResizeHandler(std::function<void(core::WindowId)> handler) override {
        resizeHandler = std::move(handler);
    }
    core::Size ClientSize(core::WindowId) override { return clientSize; }
    bool IsForegroundWindow(core::WindowId) override { return foreground; }
    void SetWindowBackground(core::WindowId windowId, const core::WindowColour& colour) override {
        backgrounds[windowId] = colour;
    }
    void SetWindowTopMost(core::WindowId windowId, bool topMost) override {
        topMostWindows[windowId] = topMost;
    }

    bool buildSucceeds = true;
    bool foreground = true;
    core::Size clientSize{598, 479};
    std::map<core::WindowId, core::WindowColour> backgrounds;
    std::function<void(core::WindowId)> resizeHandler;
    std::map<core::WindowId, bool> topMostWindows;
    std::vector<core::WindowId> builtWindows;  // besides the main window
    std::vector<std::pair<core::WindowId, core::WindowId>>
        centredWindows;  // each window and the one it was centred on
    std::vector<core::WindowId> shownWindows;
    std::vector<core::WindowId> hiddenWindows;
    std::vector<core::WindowId> closedWindows;
    std::function<void(core::WindowId)>
        onShowWindow;  // what the window system does as a window appears
};

}  // namespace hashwell::test
