#pragma once

// Opening the compiled help file at a page.

#include <optional>
#include <string_view>

#include "core/desktop/desktop.h"
#include "core/shared/app_state.h"
#include "platform/platform.h"

namespace hashwell::core {

inline constexpr std::u16string_view kHelpFileName = u"Hashwell.chm";

// The help file: in the current folder's "Help" folder, else in the current folder. Only when
// neither holds it, on POSIX systems, also in the program's own folder (its "Help" folder, then
// beside it) and the installed data folder (../share/hashwell/ from the program's folder): a
// program started from a desktop menu runs in the home folder. An empty file or a folder of the
// name does not count. Nothing when there is none.
std::optional<platform::Path> FindHelpFile(const platform::Path& currentDirectory,
                                           const platform::Path& programPath);

// Opens the help file at the page `topic`, or says why it cannot: no topic, no file, or a file
// that is damaged or cannot be read.
void ShowHelp(Desktop& desktop, const AppState& state, std::u16string_view topic);

}  // namespace hashwell::core
