#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/desktop.h"

namespace hashwell::test {

// An in-memory desktop for core tests. Controls, the grid, the progress bar and menu items
// are plain data a test can set and inspect; message boxes and Open dialogs are recorded and
// answered from a script (OK, No for a Yes/No question, cancel for a dialog when the script is
// empty). The event loop hands over the queued events in order.
class FakeDesktop : public core::Desktop {
public:
    struct Control {
        std::u16string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        core::Rect geometry;
    };
    struct Column {
        std::u16string title;
        int width = 0;
        bool operator==(const Column&) const = default;
    };

    // A main window of the start-up size with the panel and the progress bar in their places.
    FakeDesktop();

    platform::MessageAnswer ShowMessageBox(const platform::MessageBoxRequest& box) override;
    void RunEventLoop(const std::function<bool(const core::Event&)>& handle) override;
    void SetResizeHandler(std::function<void(int)> handler) override {
        resizeHandler = std::move(handler);
    }
    void SetWindowTopMost(int windowId, bool topMost) override {
        topMostWindows[windowId] = topMost;
    }
    void HideWindow(int windowId) override { hiddenWindows.push_back(windowId); }
    void CloseWindow(int windowId) override { closedWindows.push_back(windowId); }
    void SetFocus(int id) override {
        if (id != 0) {
            focused = id;
        }
    }
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;
    bool BuildMainWindow() override { return buildSucceeds; }
    void ShowWindow(int windowId) override {
        shownWindows.push_back(windowId);
        if (onShowWindow) {
            onShowWindow(windowId);
        }
    }
    core::Size ClientSize(int) override { return clientSize; }
    bool IsForegroundWindow(int) override { return foreground; }
    void SetWindowBackground(int, const core::WindowColour& colour) override {
        background = colour;
    }
    std::u16string ControlText(int id) override { return controls[id].text; }
    void SetControlText(int id, std::u16string_view text) override {
        controls[id].text = std::u16string(text);
    }
    bool IsChecked(int id) override { return controls[id].checked; }
    void SetChecked(int id, bool checked) override { controls[id].checked = checked; }
    void SetControlEnabled(int id, bool enabled) override { controls[id].enabled = enabled; }
    void SetControlVisible(int id, bool visible) override;
    core::Rect ControlGeometry(int id) override { return controls[id].geometry; }
    void SetControlGeometry(int id, const core::Rect& geometry) override {
        controls[id].geometry = geometry;
    }
    int FocusedControl() override { return focused; }
    int ShownTab() override { return shownTab; }
    void ShowTab(int index) override { shownTab = index; }
    void ClearGridRows(int) override { gridRows.clear(); }
    void RemoveGridColumn(int, int index) override;
    void InsertGridColumn(int, int index, std::u16string_view title, int width) override;
    void AppendGridRow(int, const std::vector<std::u16string>& cells) override {
        gridRows.push_back(cells);
    }
    int GridRowCount(int) override { return static_cast<int>(gridRows.size()); }
    void SetProgress(int, int value) override {
        progress.push_back(value);
        if (onProgress) {
            onProgress(value);
        }
    }
    void SetMenuItemEnabled(int id, bool enabled) override { menuEnabled[id] = enabled; }
    void DrainEvents() override;
    void RepaintWindows() override { ++repaints; }

    bool buildSucceeds = true;
    bool foreground = true;
    core::Size clientSize{598, 479};
    std::map<int, Control> controls;
    int focused = 0;
    int shownTab = 0;
    std::vector<Column> gridColumns{{u"", 100}};
    std::vector<std::vector<std::u16string>> gridRows;
    std::vector<int> progress;            // every value the bar was set to, in order
    std::function<void(int)> onProgress;  // lets a test act in the middle of a run
    std::vector<bool> progressShown;      // every change of the bar's visibility, in order
    std::map<int, bool> menuEnabled;
    std::optional<core::WindowColour> background;
    int drains = 0;
    int repaints = 0;
    std::deque<core::Event> queue;  // what the user does next
    int lastObjectId = 0;           // of the last event taken off the queue
    std::function<void(int)> resizeHandler;
    std::map<int, bool> topMostWindows;
    std::vector<int> shownWindows;
    std::function<void(int)> onShowWindow;  // what the window system does as a window appears
    std::vector<int> hiddenWindows;
    std::vector<int> closedWindows;
    std::vector<core::OpenDialogRequest> dialogs;
    std::deque<std::vector<platform::Path>> dialogAnswers;
    std::vector<platform::MessageBoxRequest> boxes;
    std::deque<platform::MessageAnswer> answers;
};

}  // namespace hashwell::test
