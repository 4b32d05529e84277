#pragma once

// The controls service of the port, on Qt widgets.

#include "core/desktop/controls.h"
#include "ui/window_registry.h"

namespace hashwell::ui {

// The controls of the program's windows as Qt widgets, found by their ids.
class QtControls : public virtual core::Controls {
public:
    explicit QtControls(const WindowRegistry& windows) : windows_(windows) {}

    std::u16string ControlText(core::ControlRef controlId) override;
    void SetControlText(core::ControlRef controlId, std::u16string_view text) override;
    bool IsChecked(core::ControlRef controlId) override;
    void SetChecked(core::ControlRef controlId, bool checked) override;
    void SetControlEnabled(core::ControlRef controlId, bool enabled) override;
    void SetControlVisible(core::ControlRef controlId, bool visible) override;
    core::Rect ControlGeometry(core::ControlRef controlId) override;
    void SetControlGeometry(core::ControlRef controlId, const core::Rect& geometry) override;
    void SelectAllText(core::ControlRef controlId, int length) override;
    std::optional<core::ControlRef> FocusedControl() override;
    void SetFocus(std::optional<core::ControlRef> control) override;
    int ShownTab() override;
    void ShowTab(int index) override;
    void ClearGridRows(core::ControlRef gridId) override;
    void RemoveGridColumn(core::ControlRef gridId, int index) override;
    void InsertGridColumn(core::ControlRef gridId, int index, std::u16string_view title,
                          int width) override;
    void AppendGridRow(core::ControlRef gridId, const std::vector<std::u16string>& cells) override;
    void AppendGridRows(core::ControlRef gridId,
                        const std::vector<std::vector<std::u16string>>& rows) override;
    void MarkGridRow(core::ControlRef gridId, int row) override;
    int GridRowCount(core::ControlRef gridId) override;
    int GridColumnCount(core::ControlRef gridId) override;
    std::u16string GridColumnTitle(core::ControlRef gridId, int column) override;
    std::u16string GridCellText(core::ControlRef gridId, int row, int column) override;
    int GridSelectedRow(core::ControlRef gridId) override;
    void SetProgress(core::ControlRef barId, int value) override;
    void SetMenuItemEnabled(core::MenuItem item, bool enabled) override;

private:
    const WindowRegistry& windows_;
};

}  // namespace hashwell::ui
