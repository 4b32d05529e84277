#pragma once

// The port through which the core drives the desktop: windows, controls, menus, message boxes
// and the event queue, all addressed by the fixed ids of ids.h. The Qt layer implements it for
// the real program; a fake implements it for tests.

#include <string>
#include <string_view>
#include <vector>

#include "core/desktop_types.h"
#include "platform/message_box.h"

namespace hashwell::core {

class Desktop : public platform::MessageBoxSink {
public:
    virtual ~Desktop() = default;

    // Builds the main window with its menus and controls and shows it; false when it cannot
    // be created.
    virtual bool BuildMainWindow() = 0;

    // Windows.
    virtual Size ClientSize(int windowId) = 0;  // the inner area below the menu bar
    virtual bool IsForegroundWindow(int windowId) = 0;
    virtual void SetWindowBackground(int windowId, const WindowColour& colour) = 0;

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
    virtual int FocusedControl() = 0;  // 0 when no control of the program has the focus

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

    // Lets the desktop handle what is queued (repaints among it) and throws away the events
    // that result, so that clicks made during a long run are not acted on afterwards.
    virtual void DrainEvents() = 0;
};

}  // namespace hashwell::core
