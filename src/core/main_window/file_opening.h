#pragma once

// The Open dialogs, what is done with their answers, and the Open, Open List and Open Folder
// commands.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/desktop/desktop.h"
#include "core/list/file_list_run.h"
#include "core/shared/app_state.h"
#include "core/shared/event_record.h"
#include "platform/platform.h"

namespace hashwell::core {

// The file types both dialogs offer.
const std::vector<FileFilterEntry>& OpenFileFilter();
// The file type the dialogs open on: the first on Windows; "All files" elsewhere, where
// programs carry no extension and the first would show no file at all.
std::size_t PreselectedFilter();

// The text FileNameBox shows before the chosen path.
inline constexpr std::u16string_view kFileNamePrefix = u"Filename: ";

// "Open File": the chosen path, or the empty text when the user cancels.
std::u16string ChooseFile(Dialogs& dialogs, std::u16string_view defaultName);

// "Open File(s)": the chosen paths, none when the user cancels.
std::vector<platform::Path> ChooseFiles(Dialogs& dialogs, std::u16string_view defaultName);

// Lets the user choose a file and writes "Filename: " and its path, in readable form, into the
// name box. Returns the path, or the empty text (the box then keeps its text).
std::u16string OpenSingleFile(Desktop& desktop, MainControl nameBoxId);

// Lets the user choose files and runs the file-list run over them at once. Returns the chosen
// paths joined by the list separator, or the empty text.
std::u16string OpenFileList(Desktop& desktop, EventRecord& events, int startWidth,
                            std::u16string_view caseText, std::u16string_view columnTitles,
                            ListRunReport* report = nullptr);

// The path a name box stands for: its text without a leading "Filename: ". When that is the
// readable form of `shownPath`, the path last written into the box, it is that path, so that a
// name with bytes that are not UTF-8 is read back exactly.
std::u16string PathInNameBox(std::u16string_view text, const platform::Path& shownPath = {});

// True when the path names an existing file, or an existing folder: a folder "exists" too.
bool FileExists(const platform::Path& path);

// Open and Open List from the menu or the toolbar, after the help page was set: show the tab,
// let the user choose, and remember the choice as the file to hash.
void OpenCommand(Desktop& desktop, AppState& state);
void OpenListCommand(Desktop& desktop, AppState& state);
// Open Folder: the chosen folder walked into the grid.
void OpenFolderCommand(Desktop& desktop, AppState& state);

// File > Verify Checksum File: a checksum file chosen, verified into the grid.
void VerifyCommand(Desktop& desktop, AppState& state);

}  // namespace hashwell::core
