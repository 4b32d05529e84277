#include "support/fake_controls.h"

#include <algorithm>

#include "core/app/ids.h"

namespace hashwell::test {

FakeControls::FakeControls() {
    controls[core::ControlId::TabPanel].geometry = {10, 70, 575, 340};
    controls[core::ControlId::ProgressBar].geometry = {205, 140, 140, 20};
}

void FakeControls::SetControlVisible(int id, bool visible) {
    controls[id].visible = visible;
    if (id == core::ControlId::ProgressBar) {
        progressShown.push_back(visible);
    }
}

void FakeControls::RemoveGridColumn(int, int index) {
    if (index >= 0 && index < static_cast<int>(gridColumns.size())) {
        gridColumns.erase(gridColumns.begin() + index);
    }
}

void FakeControls::InsertGridColumn(int, int index, std::u16string_view title, int width) {
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), gridColumns.size());
    gridColumns.insert(gridColumns.begin() + static_cast<std::ptrdiff_t>(at),
                       {std::u16string(title), width});
}

std::u16string FakeControls::GridColumnTitle(int, int column) {
    return column >= 0 && column < static_cast<int>(gridColumns.size())
               ? gridColumns[static_cast<std::size_t>(column)].title
               : std::u16string();
}

std::u16string FakeControls::GridCellText(int, int row, int column) {
    if (row < 0 || row >= static_cast<int>(gridRows.size())) {
        return {};
    }
    const std::vector<std::u16string>& cells = gridRows[static_cast<std::size_t>(row)];
    return column >= 0 && column < static_cast<int>(cells.size())
               ? cells[static_cast<std::size_t>(column)]
               : std::u16string();
}

void FakeControls::SetProgress(int, int value) {
    progress.push_back(value);
    if (onProgress) {
        onProgress(value);
    }
}

}  // namespace hashwell::test
