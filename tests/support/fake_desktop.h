#pragma once

// An in-memory desktop for core tests: the controls, windows and clipboard as plain data a test
// sets and inspects, the user's next actions as a queue of events, and the message boxes and
// dialogs recorded and answered from a script.

#include <deque>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "core/desktop/desktop.h"
#include "support/recording_shell.h"

namespace hashwell::test {

class FakeDesktop final : public core::Desktop, public RecordingShell {
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
    };

    // The panel and the progress bar in their places on a main window of the start-up size.
    FakeDesktop();

    // The controls.
    std::u16string ControlText(core::ControlRef id) override { return controls[id].text; }
    void SetControlText(core::ControlRef id, std::u16string_view text) override {
        controls[id].text = std::u16string(text);
    }
    bool IsChecked(core::ControlRef id) override { return controls[id].checked; }
    void SetChecked(core::ControlRef id, bool checked) override { controls[id].checked = checked; }
    void SetControlEnabled(core::ControlRef id, bool enabled) override {
        controls[id].enabled = enabled;
    }
    void SetControlVisible(core::ControlRef id, bool visible) override;
    core::Rect ControlGeometry(core::ControlRef id) override { return controls[id].geometry; }
    void SetControlGeometry(core::ControlRef id, const core::Rect& geometry) override {
        controls[id].geometry = geometry;
    }
    void SelectAllText(core::ControlRef id, int length) override { selected[id] = length; }
    std::optional<core::ControlRef> FocusedControl() override { return focused; }
    void SetFocus(std::optional<core::ControlRef> id) override { focused = id ? id : focused; }
    int ShownTab() override { return shownTab; }
    void ShowTab(int index) override { shownTab = index; }
    void ClearGridRows(core::ControlRef) override {
        gridRows.clear();
        markedRows.clear();
    }
    void RemoveGridColumn(core::ControlRef, int index) override;
    void InsertGridColumn(core::ControlRef, int index, std::u16string_view title,
                          int width) override;
    void AppendGridRow(core::ControlRef, const std::vector<std::u16string>& cells) override {
        gridRows.push_back(cells);
    }
    void MarkGridRow(core::ControlRef, int row) override { markedRows.push_back(row); }
    int GridRowCount(core::ControlRef) override { return static_cast<int>(gridRows.size()); }
    int GridColumnCount(core::ControlRef) override { return static_cast<int>(gridColumns.size()); }
    std::u16string GridColumnTitle(core::ControlRef, int column) override {
        return gridColumns.at(static_cast<std::size_t>(column)).title;
    }
    std::u16string GridCellText(core::ControlRef, int row, int column) override {
        return gridRows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    int GridSelectedRow(core::ControlRef) override { return selectedRow; }
    void SetProgress(core::ControlRef, int value) override { progress.push_back(value); }
    void SetMenuItemEnabled(core::MenuItem id, bool enabled) override { menuEnabled[id] = enabled; }

    // The windows.
    bool BuildMainWindow() override { return buildSucceeds; }
    bool BuildWindow(core::WindowId windowId) override {
        builtWindows.push_back(windowId);
        return buildSucceeds;
    }
    void CentreWindow(core::WindowId windowId, core::WindowId overWindowId) override {
        centredWindows.push_back({windowId, overWindowId});
    }
    void ShowWindow(core::WindowId windowId) override;
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

    // The boxes and dialogs: the next answer queued, or else OK, No for a Yes/No question, and
    // cancel for a dialog.
    core::MessageAnswer ShowMessageBox(const core::MessageBoxRequest& box) override;
    std::vector<platform::Path> ShowOpenDialog(const core::OpenDialogRequest& request) override;
    std::optional<core::SaveDialogAnswer> ShowSaveDialog(
        const core::SaveDialogRequest& request) override;
    std::optional<platform::Path> ShowFolderDialog(std::u16string_view title) override;
    void ShowPopupMenu(core::PopupMenu menuId) override;

    // The clipboard.
    void ClearClipboard() override { clipboard.clear(); }
    void SetClipboardText(std::u16string_view text) override { clipboard = std::u16string(text); }
    std::u16string ClipboardText() override { return clipboard; }
    void StartTextDrag(std::u16string_view text) override { drags.emplace_back(text); }

    // The events.
    void RunEventLoop(const std::function<bool(const core::Event&)>& handle) override;
    std::vector<core::Event> DrainEvents() override;
    void RepaintWindows() override { ++repaints; }

    std::map<core::ControlRef, Control> controls;
    std::optional<core::ControlRef> focused;
    int shownTab = 0;
    std::vector<Column> gridColumns{{u"", 100}};
    std::vector<std::vector<std::u16string>> gridRows;
    std::vector<int> markedRows;  // drawn in red
    int selectedRow = -1;
    std::map<core::ControlRef, int> selected;  // the length last selected in each text box
    std::vector<int> progress;                 // every value the bar was set to, in order
    std::vector<bool> progressShown;           // every change of the bar's visibility, in order
    std::map<core::MenuItem, bool> menuEnabled;

    bool buildSucceeds = true;
    bool foreground = true;
    core::Size clientSize{598, 479};
    std::map<core::WindowId, core::WindowColour> backgrounds;
    std::function<void(core::WindowId)> resizeHandler;
    std::map<core::WindowId, bool> topMostWindows;
    std::vector<core::WindowId> builtWindows;  // besides the main window
    std::vector<std::pair<core::WindowId, core::WindowId>> centredWindows;  // and over which
    std::vector<core::WindowId> shownWindows;
    std::vector<core::WindowId> hiddenWindows;
    std::vector<core::WindowId> closedWindows;
    std::function<void(core::WindowId)> onShowWindow;  // what the window system does then

    std::vector<core::MessageBoxRequest> boxes;
    std::deque<core::MessageAnswer> answers;
    std::vector<core::OpenDialogRequest> dialogs;
    std::deque<std::vector<platform::Path>> dialogAnswers;
    std::vector<core::SaveDialogRequest> saveDialogs;
    std::deque<core::SaveDialogAnswer> saveAnswers;
    std::vector<std::u16string> folderDialogs;  // their titles
    std::deque<platform::Path> folderAnswers;
    std::vector<core::PopupMenu> popupMenus;           // the context menus shown, in order
    std::function<void(core::PopupMenu)> onPopupMenu;  // what the user chooses in a menu

    std::u16string clipboard;
    std::vector<std::u16string> drags;  // the texts dragged out, in order

    std::deque<core::Event> queue;      // what the user does next
    std::function<void()> beforeDrain;  // what the user does while a command keeps them waiting
    int drains = 0;
    int repaints = 0;
};

}  // namespace hashwell::test
