#include "core/app/main_window_dispatch.h"

#include "core/about/about_commands.h"
#include "core/clipboard/clipboard_commands.h"
#include "core/help/help_viewing.h"
#include "core/help/web_pages.h"
#include "core/list/export_list.h"
#include "core/main_window/bit_sizes.h"
#include "core/main_window/calculate.h"
#include "core/main_window/file_opening.h"
#include "core/main_window/tab_enabling.h"
#include "core/preferences/preferences_commands.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum MenuItem;
using enum PopupMenu;

void SelectMethod(Desktop& desktop, AppState& state, std::int32_t method) {
    state.method = method;
    const bool sized = HasBitSizes(method);
    if (!sized) {
        state.bitSize = digest::BitSize::None;  // the boxes keep their ticks
    }
    EnableBitSizes(desktop, sized);
}

void HandleBitSizeBox(Desktop& desktop, AppState& state, MainControl box) {
    for (std::size_t i = 0; i < kBitSizeBoxes.size(); ++i) {
        if (kBitSizeBoxes[i].box != box) {
            continue;
        }
        if (desktop.IsChecked(box)) {
            state.bitSize = kBitSizeBoxes[i].bits;
            SelectBitSize(desktop, static_cast<int>(i) + 1, true);
        } else {
            state.bitSize = digest::BitSize::None;
        }
    }
}

// Shows a box's context menu. The choice is carried out at the next mouse movement: the drain
// takes its menu event off the queue but leaves its id as the last one.
void ShowDeferredMenu(Desktop& desktop, AppState& state, PopupMenu menu) {
    desktop.ShowPopupMenu(menu);
    DrainEvents(desktop, state.events);
}

// The file name box tells which file the user means, "Filename: " dropped.
void HandleFileNameBox(Desktop& desktop, AppState& state, const Event& event) {
    if (event.type == EventType::RightClick) {
        ShowDeferredMenu(desktop, state, PopupFileName);
        return;
    }
    const std::u16string text = desktop.ControlText(FileNameBox);
    if (!text.empty()) {
        state.currentFileName = PathInNameBox(text, state.nameBoxPath);
    }
}

// The boxes of the Text tab: their text can be dragged out, and each has its context menu.
void HandleTextTabBox(Desktop& desktop, AppState& state, MainControl box, const Event& event,
                      PopupMenu menu) {
    state.currentTab = TabIndex::Text;
    if (event.type == EventType::DragStart) {
        desktop.StartTextDrag(desktop.ControlText(box));
    } else if (event.type == EventType::RightClick) {
        ShowDeferredMenu(desktop, state, menu);
    }
    if (box == TextHashBox) {
        UpdateCopyStateFor(desktop, TabIndex::Text);
    }
}

void HandleFileHashBox(Desktop& desktop, AppState& state, const Event& event) {
    state.currentTab = TabIndex::File;
    if (event.type == EventType::RightClick) {
        ShowDeferredMenu(desktop, state, PopupHashCode);
    }
    UpdateCopyStateFor(desktop, TabIndex::File);
}

// The grid's menu acts at its own menu event, so it is shown without draining.
void HandleFileGrid(Desktop& desktop, AppState& state, const Event& event) {
    state.currentTab = TabIndex::ListOfFiles;
    if (event.type == EventType::RightClick) {
        desktop.ShowPopupMenu(PopupGrid);
    }
    UpdateCopyStateFor(desktop, TabIndex::ListOfFiles);
}

}  // namespace

void HandleMainWindowControl(Desktop& desktop, AppState& state, MainControl control,
                             const Event& event) {
    switch (control) {
        case ButtonOpen:
            OpenCommand(desktop, state);
            break;
        case ButtonOpenList:
            OpenListCommand(desktop, state);
            break;
        case ButtonCalculate:
            CalculateCommand(desktop, state);
            break;
        case ButtonCopyHash:
            CopyHashButton(desktop, state);
            break;
        case TabPanel:
            state.currentTab = desktop.ShownTab();
            ApplyTabState(desktop, state.currentTab);
            UpdateCopyStateFor(desktop, state.currentTab);
            break;
        case FileNameBox:
            HandleFileNameBox(desktop, state, event);
            break;
        case TextInput:
            HandleTextTabBox(desktop, state, control, event, PopupTextInput);
            break;
        case TextHashBox:
            HandleTextTabBox(desktop, state, control, event, PopupHashCode);
            break;
        case FileHashBox:
            HandleFileHashBox(desktop, state, event);
            break;
        case FileGrid:
            HandleFileGrid(desktop, state, event);
            break;
        case OptionCrc32:
            SelectMethod(desktop, state, digest::HashMethod::Crc32);
            break;
        case OptionMd5:
            SelectMethod(desktop, state, digest::HashMethod::Md5);
            break;
        case OptionSha1:
            SelectMethod(desktop, state, digest::HashMethod::Sha1);
            break;
        case OptionSha2:
            SelectMethod(desktop, state, digest::HashMethod::Sha2);
            break;
        case OptionSha3:
            SelectMethod(desktop, state, digest::HashMethod::Sha3);
            break;
        case CheckBits224:
        case CheckBits256:
        case CheckBits384:
        case CheckBits512:
            HandleBitSizeBox(desktop, state, control);
            break;
        case ButtonExportList:
            desktop.ShowPopupMenu(PopupMenu::PopupExport);  // its items come as menu events
            break;
        case ButtonHelp:  // its help topic is the start page
            ShowHelp(desktop, state, state.helpTopic);
            break;
        default:  // the frame, the progress bar: nothing
            break;
    }
}

void HandleMenuItem(Desktop& desktop, AppState& state, MenuItem item) {
    switch (item) {
        case MenuOpen:
            OpenCommand(desktop, state);
            break;
        case MenuOpenList:
            OpenListCommand(desktop, state);
            break;
        case MenuOpenFolder:
            OpenFolderCommand(desktop, state);
            break;
        case MenuVerifyChecksumFile:
            VerifyCommand(desktop, state);
            break;
        case MenuPreferences:
            OpenPreferences(desktop, state);
            break;
        case MenuAbout:
            OpenAbout(desktop, state);
            break;
        case MenuExit:
            state.quitRequested = true;
            break;
        case MenuCopyHash:
            CopyHashMenu(desktop, state);
            break;
        case MenuCompareWithClipboard:
            CompareWithClipboardCommand(desktop, state);
            break;
        case ItemCopyCodes:
            CopyCodes(desktop, state.events);
            break;
        case MenuContents:  // its help topic is the start page
        case ShortcutHelp:
            ShowHelp(desktop, state, state.helpTopic);
            break;
        case MenuUpdates:
            OpenUpdatePage(desktop, state.events, MakerWebSite(), state.versionNumber,
                           state.platformBits);
            break;
        case MenuExportCsv:
        case ItemExportCsv:
            ExportCommand(desktop, state.settings.Format, exporting::TableFormat::Csv);
            break;
        case MenuExportTsv:
        case ItemExportTsv:
            ExportCommand(desktop, state.settings.Format, exporting::TableFormat::Tsv);
            break;
        // The other context-menu items act at the next mouse movement, or are "Quit Menu"
        // items that do nothing.
        default:
            break;
    }
}

}  // namespace hashwell::core
