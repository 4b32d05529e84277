#pragma once

#include "core/desktop/controls.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

// The controls of the program's windows as Qt widgets, found by their ids.
class QtControls : public virtual core::Controls {
public:
    explicit QtControls(const WindowRegistry& windows) : windows_(windows) {}

    std::u16string ControlText(int controlId) override;
    void SetControlText(int controlId, std::u16string_view text) override;
    bool IsChecked(int controlId) override;
    void SetChecked(int controlId, bool checked) override;
    void SetControlEnabled(int controlId, bool enabled) override;
    void SetControlVisible(int controlId, bool visible) override;
    core::Rect ControlGeometry(int controlId) override;
    void SetControlGeometry(int controlId, const core::Rect& geometry) override;
    void SelectAllText(int controlId, int length) override;
    int FocusedControl() override;
    void SetFocus(int controlId) override;
    int ShownTab() override;
    void ShowTab(int index) override;
    void ClearGridRows(int gridId) override;
    void RemoveGridColumn(int gridId, int index) override;
    void InsertGridColumn(int gridId, int index, std::u16string_view title, int width) override;
    void AppendGridRow(int gridId, const std::vector<std::u16string>& cells) override;
    int GridRowCount(int gridId) override;
    int GridColumnCount(int gridId) override;
    std::u16string GridColumnTitle(int gridId, int column) override;
    std::u16string GridCellText(int gridId, int row, int column) override;
    int GridSelectedRow(int gridId) override;
    void SetProgress(int barId, int value) override;
    void SetMenuItemEnabled(int itemId, bool enabled) override;

private:
    const WindowRegistry& windows_;
};

}  // namespace hashwell::ui
