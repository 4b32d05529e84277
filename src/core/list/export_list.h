#pragma once

// Writing the file grid to a CSV or TSV file the user names.

#include <cstdint>

#include "core/desktop/desktop.h"
#include "export/table_text.h"

namespace hashwell::core {

// The number of columns of a list grid; 0 when there is no such grid.
int CountColumns(Controls& controls, ControlRef gridId);

// Asks for a file name, adds the extension the chosen file type calls for, refuses a folder,
// asks before overwriting a file, and writes the grid's titles and rows in the text encoding
// of `format` (digest::ExportEncoding), each line ended by CR LF.
// A failure is reported with the system's reason and leaves an existing file as it was; with
// `confirm`, a success is reported too. The temporary files of exports stopped half-way in that
// folder are removed first.
void ExportList(Desktop& desktop, ControlRef gridId, std::int64_t format, bool confirm,
                exporting::TableFormat kind);

// The export commands of the menu and the context menu: "No Data" for an empty grid, else
// ExportList of FileGrid.
void ExportCommand(Desktop& desktop, std::int64_t format, exporting::TableFormat kind);

}  // namespace hashwell::core
