#pragma once

// The Open, Open Folder and Save As dialogs.

#include <optional>
#include <vector>

#include "core/desktop/types.h"
#include "platform/platform.h"

class QWidget;

namespace hashwell::ui {

// Shows the standard Open dialog, modal over `owner`: it starts in the current folder with the
// file type the request names selected, accepts typed names of files that do not exist yet but
// only in a folder that does, and returns files only. The chosen full paths, or nothing on
// cancel.
std::vector<platform::Path> RunOpenDialog(QWidget* owner, const core::OpenDialogRequest& request);

// Shows the standard dialog for choosing a folder, modal over `owner`, starting in the current
// folder. The chosen folder's full path, or nothing on cancel.
std::optional<platform::Path> RunFolderDialog(QWidget* owner, std::u16string_view title);

// Shows the standard Save dialog the same way, the first file type selected: it neither asks
// about overwriting nor adds an extension. The name and the chosen type, or nothing on cancel.
std::optional<core::SaveDialogAnswer> RunSaveDialog(QWidget* owner,
                                                    const core::SaveDialogRequest& request);

}  // namespace hashwell::ui
