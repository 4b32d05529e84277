#pragma once

// The controls of the program's windows, addressed by their ids (core/ids.h): texts, ticks,
// enabling, places, the focus, the tab panel, the list grid, the progress bar and the items of
// the main menu.

#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/types.h"

namespace hashwell::core {

class Controls {
public:
    virtual ~Controls() = default;

    virtual std::u16string ControlText(int controlId) = 0;
    virtual void SetControlText(int controlId, std::u16string_view text) = 0;
    virtual bool IsChecked(int controlId) = 0;
    virtual void SetChecked(int controlId, bool checked) = 0;
    virtual void SetControlEnabled(int controlId, bool enabled) = 0;
    virtual void SetControlVisible(int controlId, bool visible) = 0;
    // The outer rectangle, relative to the window or tab page that holds the control.
    virtual Rect ControlGeometry(int controlId) = 0;
    virtual void SetControlGeometry(int controlId, const Rect& geometry) = 0;
    // Selects characters 1 to `length` of a text box's text; below 1 removes the selection.
    virtual void SelectAllText(int controlId, int length) = 0;
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
    virtual int GridColumnCount(int gridId) = 0;  // 0 when there is no such grid
    virtual std::u16string GridColumnTitle(int gridId, int column) = 0;
    virtual std::u16string GridCellText(int gridId, int row, int column) = 0;
    virtual int GridSelectedRow(int gridId) = 0;  // -1 when no row is selected

    // The progress bar, 0 to 100.
    virtual void SetProgress(int barId, int value) = 0;

    // Menu items of the main menu.
    virtual void SetMenuItemEnabled(int itemId, bool enabled) = 0;
};

}  // namespace hashwell::core
