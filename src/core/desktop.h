#pragma once

// The port through which the core drives the desktop: windows, controls, menus, message boxes
// and the event queue, all addressed by the fixed ids of ids.h. The Qt layer implements it for
// the real program; a fake implements it for tests.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop_types.h"
#include "core/event.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace hashwell::core {

class Desktop : public platform::MessageBoxSink {
public:
    virtual ~Desktop() = default;

    // Builds the main window with its menus and controls, hidden; false when it cannot be
    // created.
    virtual bool BuildMainWindow() = 0;
    // Shows a built window and brings it to the front. The window system may give it another
    // size as it appears; the resize handler hears of it.
    virtual void ShowWindow(int windowId) = 0;

    // Calls `handle` with each event as the user raises it, one at a time and never while an
    // earlier one is still being handled, until `handle` returns false.
    virtual void RunEventLoop(const std::function<bool(const Event&)>& handle) = 0;
    // Where the size changes of every window go.
    virtual void SetResizeHandler(std::function<void(int windowId)> handler) = 0;

    // Windows.
    virtual Size ClientSize(int windowId) = 0;  // the inner area below the menu bar
    virtual bool IsForegroundWindow(int windowId) = 0;
    virtual void SetWindowBackground(int windowId, const WindowColour& colour) = 0;
    virtual void SetWindowTopMost(int windowId, bool topMost) = 0;
    virtual void HideWindow(int windowId) = 0;
    virtual void CloseWindow(int windowId) = 0;  // for good, at shut-down

    // Controls.
    virtual std::u16string ControlText(int controlId) = 0;
    virtual void SetControlText(int controlId, std::u16string_view text) = 0;
    virtual bool IsChecked(int controlId) = 0;
    virtual void SetChecked(int controlId, bool checked) = 0;
    virtual void SetControlEnabled(int controlId, bool enabled) = 0;
    virtual void SetControlVisible(int controlId, bool visible) = 0;
    // The outer rectangle, relative to the window or tab page that holds the control.
    virtual Rect ControlGeometry(int controlId) = 0;
    virtual void SetControlGeometry(int controlId, const Rect& geometry) = 0;
    virtual int FocusedControl() = 0;          // 0 when no control of the program has the focus
    virtual void SetFocus(int controlId) = 0;  // 0: the focus stays where it is

    // The tab panel.
    virtual int ShownTab() = 0;  // -1 when none
    virtual void ShowTab(int index) = 0;

    // The list grid.
    virtual void ClearGridRows(int gridId) = 0;
    virtual void RemoveGridColumn(int gridId, int index) = 0;  // no column there: nothing
    virtual void InsertGridColumn(int gridId, int index, std::u16string_view title, int width) = 0;
    virtual void AppendGridRow(int gridId, const std::vector<std::u16string>& cells) = 0;
    virtual int GridRowCount(int gridId) = 0;

    // The progress bar, 0 to 100.
    virtual void SetProgress(int barId, int value) = 0;

    // Menu items of the main menu.
    virtual void SetMenuItemEnabled(int itemId, bool enabled) = 0;

    // Shows a modal Open dialog owned by the program's foreground window; the chosen files'
    // full paths, or nothing when the user cancels.
    virtual std::vector<platform::Path> ShowOpenDialog(const OpenDialogRequest& request) = 0;

    // Lets the desktop handle what is queued (repaints among it) and throws away the events
    // that result, so that clicks made during a long run are not acted on afterwards.
    virtual void DrainEvents() = 0;
    // Lets the windows repaint what was uncovered or changed while a long command holds the
    // program, so that they stay drawn. Nothing the user does is acted on: it waits, and the
    // next DrainEvents throws it away.
    virtual void RepaintWindows() = 0;
};

}  // namespace hashwell::core
