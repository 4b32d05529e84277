#include "core/main_window/file_opening.h"

#include "checksums/checksum_file_name.h"
#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/main_window/tab_enabling.h"
#include "core/shared/joined_texts.h"
#include "core/verify/verify_run.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

bool IsBlank(std::u16string_view text) {
    return TrimSpaces(text).empty();
}

// Shows the panel's tab with the commands it allows, the focus on the panel.
void ShowTabForCommand(Desktop& desktop, AppState& state, int tab) {
    desktop.SetFocus(MainControl::TabPanel);
    desktop.ShowTab(tab);
    state.currentTab = tab;
    ApplyTabState(desktop, tab);
}

void RememberChoice(AppState& state, const std::u16string& chosen) {
    state.currentFileName = chosen;
    if (!IsBlank(chosen)) {
        state.fileToHash = chosen;
    }
}

}  // namespace

const std::vector<FileFilterEntry>& OpenFileFilter() {
    static const std::vector<FileFilterEntry> filter{
        {u"Windows Executable File (*.exe)", u"*.exe"},
        {u"Dynamic Link Library (*.dll)", u"*.dll"},
        {u"All files (*.*)", u"*.*"},
    };
    return filter;
}

// The first type (programs) where programs carry an extension; "All files" where they do not.
std::size_t PreselectedFilter() {
    const std::vector<FileFilterEntry>& filter = OpenFileFilter();
    for (std::size_t i = 0; i < filter.size() && !platform::kProgramsHaveExtensions; ++i) {
        if (filter[i].pattern == u"*.*") {
            return i;
        }
    }
    return 0;
}

std::u16string ChooseFile(Dialogs& dialogs, std::u16string_view defaultName) {
    const std::vector<platform::Path> chosen = dialogs.ShowOpenDialog(
        {u"Open File", OpenFileFilter(), false, std::u16string(defaultName), PreselectedFilter()});
    return chosen.empty() ? std::u16string() : chosen.front();
}

std::vector<platform::Path> ChooseFiles(Dialogs& dialogs, std::u16string_view defaultName) {
    return dialogs.ShowOpenDialog({u"Open File(s)", OpenFileFilter(), true,
                                   std::u16string(defaultName), PreselectedFilter()});
}

std::u16string OpenSingleFile(Desktop& desktop, MainControl nameBoxId) {
    std::u16string path = ChooseFile(desktop, u"");
    if (!IsBlank(path)) {
        desktop.SetControlText(nameBoxId,
                               std::u16string(kFileNamePrefix) + platform::ReadableText(path));
    }
    return path;
}

std::u16string OpenFileList(Desktop& desktop, EventRecord& events, int startWidth,
                            std::u16string_view caseText, std::u16string_view columnTitles,
                            ListRunReport* report) {
    const std::vector<platform::Path> chosen = ChooseFiles(desktop, u"");
    if (!chosen.empty()) {
        FileListRun(desktop, events, startWidth, caseText, columnTitles, chosen, report);
    }
    return JoinPaths(chosen);
}

bool FileExists(const platform::Path& path) {
    return platform::PathExists(path);
}

std::u16string PathInNameBox(std::u16string_view text, const platform::Path& shownPath) {
    if (text.starts_with(kFileNamePrefix)) {
        text.remove_prefix(kFileNamePrefix.size());
    }
    if (!shownPath.empty() && text == platform::ReadableText(shownPath)) {
        return shownPath;
    }
    return std::u16string(text);
}

void OpenCommand(Desktop& desktop, AppState& state) {
    ShowTabForCommand(desktop, state, TabIndex::File);
    const std::u16string path = OpenSingleFile(desktop, MainControl::FileNameBox);
    if (!IsBlank(path)) {
        state.nameBoxPath = path;
    }
    RememberChoice(state, path);
}

void OpenListCommand(Desktop& desktop, AppState& state) {
    ShowTabForCommand(desktop, state, TabIndex::ListOfFiles);
    ListRunReport report;
    RememberChoice(state, OpenFileList(desktop, state.events, state.startWidth, state.settings.Case,
                                       FileListColumns(), &report));
    state.quitRequested = report.end == RunEnd::StoppedToQuit;
}

void OpenFolderCommand(Desktop& desktop, AppState& state) {
    ShowTabForCommand(desktop, state, TabIndex::ListOfFiles);
    const std::optional<platform::Path> folder = desktop.ShowFolderDialog(u"Open Folder");
    if (!folder) {
        return;
    }
    ListRunReport report;
    FileListRun(desktop, state.events, state.startWidth, state.settings.Case, FileListColumns(),
                {*folder}, &report);
    RememberChoice(state, *folder);
    state.quitRequested = report.end == RunEnd::StoppedToQuit;
}

void VerifyCommand(Desktop& desktop, AppState& state) {
    ShowTabForCommand(desktop, state, TabIndex::ListOfFiles);
    std::u16string patterns;
    for (const std::u16string_view pattern : checksums::kChecksumFilePatterns) {
        if (!patterns.empty()) {
            patterns += u' ';
        }
        patterns += pattern;
    }
    const std::vector<platform::Path> chosen = desktop.ShowOpenDialog(
        {u"Please choose a checksum file",
         {{u"Checksum files", patterns}, {u"Text files", u"*.txt"}, {u"All files", u"*.*"}},
         false,
         u"",
         0});
    if (chosen.empty()) {
        return;
    }
    ListRunReport report;
    VerifyChecksumFile(desktop, state.events, chosen.front(), state.settings.Case, &report);
    state.quitRequested = report.end == RunEnd::StoppedToQuit;
}

}  // namespace hashwell::core
