#include "support/fake_controls.h"

#include <algorithm>

#include "core/desktop/ids.h"

namespace hashwell::test {

FakeControls::FakeControls() {
    controls[core::MainControl::TabPanel].geometry = {10, 70, 575, 340};
    controls[core::MainControl::ProgressBar].geometry = {205, 140, 140, 20};
}

void FakeControls::SetControlVisible(core::ControlRef id, bool visible) {
    controls[id].visible = visible;
    if (id == core::ControlRef(core::MainControl::ProgressBar)) {
        progressShown.push_back(visible);
    }
}

void FakeControls::RemoveGridColumn(core::ControlRef, int index) {
    if (index >= 0 && index < static_cast<int>(gridColumns.size())) {
        gridColumns.erase(gridColumns.begin() + index);
    }
}

void FakeControls::InsertGridColumn(core::ControlRef, int index, std::u16string_view title,
                                    int width) {
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), gridColumns.size());
    gridColumns.insert(gridColumns.begin() + static_cast<std::ptrdiff_t>(at),
                       {std::u16string(title), width});
}

}  // namespace hashwell::test
