#include "core/clipboard/drops.h"

#include "core/clipboard/clipboard_commands.h"
#include "core/clipboard/dropped_text.h"
#include "core/desktop/ids.h"
#include "core/list/file_list_run.h"
#include "core/main_window/tab_enabling.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"
#include "core/verify/verify_run.h"
#include "platform/unicode.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;

constexpr std::u16string_view kDropOverwrite =
    u"Do you want to drop the new text and overwrite this box?";

// A folder is a list of files: it goes to the grid as several files do.
DropPayload PayloadOf(const Event& event) {
    if (event.droppedPaths.empty()) {
        return DropPayload::Text;
    }
    return event.droppedPaths.size() == 1 && !platform::FolderExists(event.droppedPaths.front())
               ? DropPayload::OneFile
               : DropPayload::SeveralFiles;
}

void ShowTab(Desktop& desktop, AppState& state, int tab) {
    desktop.ShowTab(tab);
    state.currentTab = tab;
}

// A dropped file's text into the text box; nothing when it cannot be read.
void PutFileIntoTextInput(Desktop& desktop, const platform::Path& path) {
    const DroppedText dropped = ReadDroppedText(path);
    if (dropped.status == DroppedText::Status::TooLarge) {
        ShowError(desktop, u"File Too Large",
                  u"File '" + platform::ReadableText(path) + u"' is too large to show as text!");
    } else if (dropped.status == DroppedText::Status::Read) {
        PutIntoTextInput(desktop, dropped.text, std::u16string(kDropOverwrite));
    }
}

// The dropped files hashed into the grid, as Open List does.
void RunDroppedList(Desktop& desktop, AppState& state, const Event& event) {
    if (!TrimSpaces(state.currentFileName).empty()) {
        ListRunReport report;
        FileListRun(desktop, state.events, state.startWidth, state.settings.Case, FileListColumns(),
                    event.droppedPaths, &report);
        state.quitRequested = report.end == RunEnd::StoppedToQuit;
    }
    UpdateCopyState(desktop, desktop.GridRowCount(FileGrid) > 0);
}

// One file in the File tab's name box, to be hashed by the next Calculate.
void ShowDroppedFileName(Desktop& desktop, AppState& state, const platform::Path& path) {
    desktop.SetControlText(FileNameBox, platform::ReadableText(path));
    state.nameBoxPath = path;
}

void DropOntoPanel(Desktop& desktop, AppState& state, const Event& event) {
    const DropPayload payload = PayloadOf(event);
    const int shown = desktop.ShownTab();
    const int target = ChooseDropTab(shown, payload);
    const bool tabChanges = target != shown;
    if (tabChanges) {
        if (payload == DropPayload::Text) {
            desktop.SetClipboardText(event.droppedText);
        }
        ShowTab(desktop, state, target);
        DrainEvents(desktop, state.events);
    }
    ApplyTabState(desktop, target);
    switch (target) {
        case TabIndex::Text:
            if (payload == DropPayload::Text) {
                PutIntoTextInput(desktop, tabChanges ? desktop.ClipboardText() : event.droppedText,
                                 std::u16string(kDropOverwrite));
            } else {
                PutFileIntoTextInput(desktop, event.droppedPaths.front());
            }
            UpdateCopyStateFor(desktop, TabIndex::Text);
            break;
        case TabIndex::File:
            ShowDroppedFileName(desktop, state, event.droppedPaths.front());
            UpdateCopyStateFor(desktop, TabIndex::File);
            break;
        case TabIndex::ListOfFiles:
            RunDroppedList(desktop, state, event);
            break;
        default:
            break;
    }
}

void DropOntoTextInput(Desktop& desktop, AppState& state, const Event& event) {
    ApplyTabState(desktop, TabIndex::Text);
    switch (PayloadOf(event)) {
        case DropPayload::Text:
            PutIntoTextInput(desktop, event.droppedText, std::u16string(kDropOverwrite));
            UpdateCopyStateFor(desktop, TabIndex::Text);
            break;
        case DropPayload::OneFile:
            PutFileIntoTextInput(desktop, event.droppedPaths.front());
            UpdateCopyStateFor(desktop, TabIndex::Text);
            break;
        case DropPayload::SeveralFiles:
            // The enabling stays that of the Text tab.
            ShowTab(desktop, state, TabIndex::ListOfFiles);
            DrainEvents(desktop, state.events);
            RunDroppedList(desktop, state, event);
            break;
    }
}

}  // namespace

int ChooseDropTab(int shownTab, DropPayload payload) {
    switch (payload) {
        case DropPayload::Text:
            return TabIndex::Text;
        case DropPayload::SeveralFiles:
            return TabIndex::ListOfFiles;
        case DropPayload::OneFile:
            return shownTab == TabIndex::Text || shownTab == TabIndex::File ||
                           shownTab == TabIndex::ListOfFiles
                       ? shownTab
                       : TabIndex::File;
    }
    return shownTab;
}

void HandleDrop(Desktop& desktop, AppState& state, const Event& event) {
    // The steps common to every drop; mouseMoveCount was reset as the event was taken.
    const bool files = !event.droppedPaths.empty();
    state.dropType = files ? DropType::Files : DropType::Text;
    state.droppedFiles.clear();
    for (std::size_t i = 0; i < event.droppedPaths.size(); ++i) {
        state.droppedFiles += (i > 0 ? u"\n" : u"") + event.droppedPaths[i];
    }
    state.droppedCount = static_cast<int>(event.droppedPaths.size());
    state.currentFileName = state.droppedFiles;
    if (!TrimSpaces(state.droppedFiles).empty()) {
        state.fileToHash = JoinPaths(event.droppedPaths);
    }

    switch (static_cast<MainControl>(event.objectId)) {  // drops reach the main window only
        case TabPanel:
            DropOntoPanel(desktop, state, event);
            break;
        case TextInput:
            DropOntoTextInput(desktop, state, event);
            break;
        case FileNameBox:
            if (PayloadOf(event) == DropPayload::OneFile) {
                state.currentFileName = state.fileToHash = event.droppedPaths.front();
                ShowDroppedFileName(desktop, state, event.droppedPaths.front());
                UpdateCopyStateFor(desktop, TabIndex::File);
            } else if (event.droppedPaths.size() == 1) {  // a folder: its files into the grid
                ShowTab(desktop, state, TabIndex::ListOfFiles);
                ApplyTabState(desktop, TabIndex::ListOfFiles);
                DrainEvents(desktop, state.events);
                RunDroppedList(desktop, state, event);
            }
            break;
        case FileGrid:
            // A checksum file dropped alone is verified rather than hashed.
            if (files && event.droppedPaths.size() == 1 &&
                LooksLikeChecksumFile(event.droppedPaths.front())) {
                ListRunReport report;
                VerifyChecksumFile(desktop, state.events, event.droppedPaths.front(),
                                   state.settings.Case, &report);
                state.quitRequested = report.end == RunEnd::StoppedToQuit;
                UpdateCopyState(desktop, desktop.GridRowCount(FileGrid) > 0);
            } else if (files) {
                RunDroppedList(desktop, state, event);
            }
            break;
        default:  // TextHashBox: nothing beyond the common steps
            break;
    }
}

}  // namespace hashwell::core
