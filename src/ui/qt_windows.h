#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "core/desktop/windows.h"
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
    bool BuildWindow(int windowId) override;
    void CentreWindow(int windowId, int overWindowId) override;
    void ShowWindow(int windowId) override;
    void HideWindow(int windowId) override;
    void CloseWindow(int windowId) override;
    void SetResizeHandler(std::function<void(int windowId)> handler) override;
    core::Size ClientSize(int windowId) override;
    bool IsForegroundWindow(int windowId) override;
    void SetWindowBackground(int windowId, const core::WindowColour& colour) override;
    void SetWindowTopMost(int windowId, bool topMost) override;

private:
    QtEventQueue& events_;
    WindowRegistry registry_;
    std::unique_ptr<EventTranslator> mainTranslator_;
    std::map<int, std::unique_ptr<WindowTranslator>> windowTranslators_;  // About, Preferences
    std::unique_ptr<ResizeWatcher> resizeWatcher_;
    std::function<void(int)> resizeHandler_;
};

}  // namespace hashwell::ui
