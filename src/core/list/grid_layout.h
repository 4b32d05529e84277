#pragma once

// The grid's columns and the progress bar over it, as every run into the grid sets them.

#include <string>
#include <vector>

#include "core/desktop/desktop.h"

namespace hashwell::core {

struct GridColumn {
    std::u16string title;
    int width;
};

// Replaces every column of FileGrid with `columns`, in order.
void SetGridColumns(Controls& controls, const std::vector<GridColumn>& columns);

// Places the bar in the middle of the panel, relative to the tab's client area.
void CentreProgressBar(Desktop& desktop);

}  // namespace hashwell::core
