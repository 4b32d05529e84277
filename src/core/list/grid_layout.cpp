#include "core/list/grid_layout.h"

#include "core/desktop/ids.h"

namespace hashwell::core {

void SetGridColumns(Controls& controls, const std::vector<GridColumn>& columns) {
    for (int index = controls.GridColumnCount(MainControl::FileGrid) - 1; index >= 0; --index) {
        controls.RemoveGridColumn(MainControl::FileGrid, index);
    }
    for (std::size_t k = 0; k < columns.size(); ++k) {
        controls.InsertGridColumn(MainControl::FileGrid, static_cast<int>(k), columns[k].title,
                                  columns[k].width);
    }
}

void CentreProgressBar(Desktop& desktop) {
    const Size window = desktop.ClientSize(WindowId::MainWindow);
    const Rect panel = desktop.ControlGeometry(MainControl::TabPanel);
    const Rect bar = desktop.ControlGeometry(MainControl::ProgressBar);
    const int x = window.width / 2 - (window.width - panel.width) / 2 - bar.width / 2;
    const int y = window.height / 2 - (window.height - panel.height) / 2 - bar.height / 2;
    desktop.SetControlGeometry(MainControl::ProgressBar, {x, y, 140, 20});
}

}  // namespace hashwell::core
