#pragma once

#include <functional>
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
        bool operator==(const Column&) const = default;
    };

    // The panel and the progress bar in their places on a main window of the start-up size.
    FakeControls();

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
    void SelectAllText(int id, int length) override { selected[id] = length; }
    int FocusedControl() override { return focused; }
    void SetFocus(int id) override {
        if (id != 0) {
            focused = id;
        }
    }
    int ShownTab() override { return shownTab; }
    void ShowTab(int index) override { shownTab = index; }
    void ClearGridRows(int) override { gridRows.clear(); }
    void RemoveGridColumn(int, int index) override;
    void InsertGridColumn(int, int index, std::u16string_view title, int width) override;
    void AppendGridRow(int, const std::vector<std::u16string>& cells) override {
        gridRows.push_back(cells);
    }
    int GridRowCount(int) override { return static_cast<int>(gridRows.size()); }
    int GridColumnCount(int) override { return static_cast<int>(gridColumns.size()); }
    std::u16string GridColumnTitle(int, int column) override;
    std::u16string GridCellText(int, int row, int column) override;
    int GridSelectedRow(int) override { return selectedRow; }
    void SetProgress(int, int value) override;
    void SetMenuItemEnabled(int id, bool enabled) override { menuEnabled[id] = enabled; }

    std::map<int, Control> controls;
    int focused = 0;
    int shownTab = 0;
    std::vector<Column> gridColumns{{u"", 100}};
    std::vector<std::vector<std::u16string>> gridRows;
    int selectedRow = -1;
    std::map<int, int> selected;          // the length last selected in each text box
    std::vector<int> progress;            // every value the bar was set to, in order
    std::function<void(int)> onProgress;  // lets a test act in the middle of a run
    std::vector<bool> progressShown;      // every change of the bar's visibility, in order
    std::map<int, bool> menuEnabled;
};

}  // namespace hashwell::test
