#pragma once

// The windows service of the port, on Qt widgets.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "core/desktop/desktop_windows.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

class EventTranslator;
class QtEventQueue;
class ResizeWatcher;
class WindowTranslator;

// The program's windows as Qt widgets. Each is built into the registry by its id; what the user
// does to it is posted to the event queue as core events.
class QtWindows : public virtual core::Windows {
public:
    explicit QtWindows(QtEventQueue& events);
    ~QtWindows() override;

    const WindowRegistry& Registry() const { return registry_; }
    QMainWindow* MainWindow() const;

    bool BuildMainWindow() override;
    bool BuildWindow(core::WindowId windowId) override;
    void CentreWindow(core::WindowId windowId, core::WindowId overWindowId) override;
    void ShowWindow(core::WindowId windowId) override;
    void HideWindow(core::WindowId windowId) override;
    void CloseWindow(core::WindowId windowId) override;
    void SetResizeHandler(std::function<void(core::WindowId windowId)> handler) override;
    core::Size ClientSize(core::WindowId windowId) override;
    bool IsForegroundWindow(core::WindowId windowId) override;
    void SetWindowBackground(core::WindowId windowId, const core::WindowColour& colour) override;
    void SetWindowTopMost(core::WindowId windowId, bool topMost) override;

private:
    QtEventQueue& events_;
    WindowRegistry registry_;
    std::unique_ptr<EventTranslator> mainTranslator_;
    std::map<core::WindowId, std::unique_ptr<WindowTranslator>>
        windowTranslators_;  // About, Preferences
    std::unique_ptr<ResizeWatcher> resizeWatcher_;
    std::function<void(core::WindowId)> resizeHandler_;
};

}  // namespace hashwell::ui
