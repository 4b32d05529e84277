#pragma once

// The controls of the program's windows, addressed by their ids (core/app/ids.h): texts, ticks,
// enabling, places, the focus, the tab panel, the list grid, the progress bar and the items of
// the main menu.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/ids.h"
#include "core/desktop/types.h"

namespace hashwell::core {

class Controls {
public:
    virtual ~Controls() = default;

    virtual std::u16string ControlText(ControlRef controlId) = 0;
    virtual void SetControlText(ControlRef controlId, std::u16string_view text) = 0;
    virtual bool IsChecked(ControlRef controlId) = 0;
    virtual void SetChecked(ControlRef controlId, bool checked) = 0;
    virtual void SetControlEnabled(ControlRef controlId, bool enabled) = 0;
    virtual void SetControlVisible(ControlRef controlId, bool visible) = 0;
    // The outer rectangle, relative to the window or tab page that holds the control.
    virtual Rect ControlGeometry(ControlRef controlId) = 0;
    virtual void SetControlGeometry(ControlRef controlId, const Rect& geometry) = 0;
    // Selects characters 1 to `length` of a text box's text; below 1 removes the selection.
    virtual void SelectAllText(ControlRef controlId, int length) = 0;
    // The control that has the keyboard focus; nothing when no control of the program has it.
    virtual std::optional<ControlRef> FocusedControl() = 0;
    virtual void SetFocus(std::optional<ControlRef> control) = 0;  // nothing: the focus stays

    // The tab panel.
    virtual int ShownTab() = 0;  // -1 when none
    virtual void ShowTab(int index) = 0;

    // The list grid.
    virtual void ClearGridRows(ControlRef gridId) = 0;
    virtual void RemoveGridColumn(ControlRef gridId, int index) = 0;  // no column there: nothing
    virtual void InsertGridColumn(ControlRef gridId, int index, std::u16string_view title,
                                  int width) = 0;
    virtual void AppendGridRow(ControlRef gridId, const std::vector<std::u16string>& cells) = 0;
    // Many rows at once, which a desktop may show faster than one at a time.
    virtual void AppendGridRows(ControlRef gridId,
                                const std::vector<std::vector<std::u16string>>& rows) {
        for (const std::vector<std::u16string>& cells : rows) {
            AppendGridRow(gridId, cells);
        }
    }
    // Draws the row's text in red, as needing attention, until the rows are cleared.
    virtual void MarkGridRow(ControlRef gridId, int row) = 0;
    virtual int GridRowCount(ControlRef gridId) = 0;
    virtual int GridColumnCount(ControlRef gridId) = 0;  // 0 when there is no such grid
    virtual std::u16string GridColumnTitle(ControlRef gridId, int column) = 0;
    virtual std::u16string GridCellText(ControlRef gridId, int row, int column) = 0;
    virtual int GridSelectedRow(ControlRef gridId) = 0;  // -1 when no row is selected

    // The progress bar, 0 to 100, or kProgressBusy: busy, without a measure of how far.
    static constexpr int kProgressBusy = -1;
    virtual void SetProgress(ControlRef barId, int value) = 0;

    // Menu items of the main menu.
    virtual void SetMenuItemEnabled(MenuItem item, bool enabled) = 0;
};

}  // namespace hashwell::core
