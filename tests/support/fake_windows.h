#pragma once

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/desktop/windows.h"

namespace hashwell::test {

// The windows as a record of what was done to them; the main window has the start-up size
// until a test gives it another.
class FakeWindows : public virtual core::Windows {
public:
    bool BuildMainWindow() override { return buildSucceeds; }
    bool BuildWindow(int windowId) override {
        builtWindows.push_back(windowId);
        return buildSucceeds;
    }
    void CentreWindow(int windowId, int overWindowId) override {
        centredWindows.push_back({windowId, overWindowId});
    }
    void ShowWindow(int windowId) override {
        shownWindows.push_back(windowId);
        if (onShowWindow) {
            onShowWindow(windowId);
        }
    }
    void HideWindow(int windowId) override { hiddenWindows.push_back(windowId); }
    void CloseWindow(int windowId) override { closedWindows.push_back(windowId); }
    void SetResizeHandler(std::function<void(int)> handler) override {
        resizeHandler = std::move(handler);
    }
    core::Size ClientSize(int) override { return clientSize; }
    bool IsForegroundWindow(int) override { return foreground; }
    void SetWindowBackground(int, const core::WindowColour& colour) override {
        background = colour;
    }
    void SetWindowTopMost(int windowId, bool topMost) override {
        topMostWindows[windowId] = topMost;
    }

    bool buildSucceeds = true;
    bool foreground = true;
    core::Size clientSize{598, 479};
    std::optional<core::WindowColour> background;
    std::function<void(int)> resizeHandler;
    std::map<int, bool> topMostWindows;
    std::vector<int> builtWindows;                    // besides the main window
    std::vector<std::pair<int, int>> centredWindows;  // each window and the one it was centred on
    std::vector<int> shownWindows;
    std::vector<int> hiddenWindows;
    std::vector<int> closedWindows;
    std::function<void(int)> onShowWindow;  // what the window system does as a window appears
};

}  // namespace hashwell::test
