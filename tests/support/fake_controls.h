#pragma once

#include <map>
#include <vector>

#include "core/desktop/controls.h"

namespace hashwell::test {

// The controls as plain data a test can set and inspect: texts, ticks, places, the grid, the
// progress bar and the menu items.
class FakeControls : public virtual core::Controls {
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
    FakeControls();

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
    void SetFocus(std::optional<core::ControlRef> id) override {
        if (id) {
            focused = id;
        }
    }
    int ShownTab() override { return shownTab; }
    void ShowTab(int index) override { shownTab = index; }
    void ClearGridRows(core::ControlRef) override { gridRows.clear(); }
    void RemoveGridColumn(core::ControlRef, int index) override;
    void InsertGridColumn(core::ControlRef, int index, std::u16string_view title,
                          int width) override;
    void AppendGridRow(core::ControlRef, const std::vector<std::u16string>& cells) override {
        gridRows.push_back(cells);
    }
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

    std::map<core::ControlRef, Control> controls;
    std::optional<core::ControlRef> focused;
    int shownTab = 0;
    std::vector<Column> gridColumns{{u"", 100}};
    std::vector<std::vector<std::u16string>> gridRows;
    int selectedRow = -1;
    std::map<core::ControlRef, int> selected;  // the length last selected in each text box
    std::vector<int> progress;                 // every value the bar was set to, in order
    std::vector<bool> progressShown;           // every change of the bar's visibility, in order
    std::map<core::MenuItem, bool> menuEnabled;
};

}  // namespace hashwell::test
