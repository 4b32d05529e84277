#include "core/dispatch.h"

#include "core/bit_sizes.h"
#include "core/calculate.h"
#include "core/export_list.h"
#include "core/file_opening.h"
#include "core/ids.h"
#include "core/tab_state.h"

namespace hashwell::core {
namespace {

using namespace ControlId;
using namespace MenuId;

void HandleCloseWindow(Desktop& desktop, AppState& state, int windowId) {
    if (windowId == WindowId::MainWindow) {
        state.quitRequested = true;  // nothing is asked and nothing is saved
    } else if (windowId == WindowId::AboutWindow || windowId == WindowId::PreferencesWindow) {
        desktop.HideWindow(windowId);
        state.helpTopic = kHelpIndex;
    }
}

void HandleMenu(Desktop& desktop, AppState& state, int itemId) {
    switch (itemId) {
        case MenuOpen:
            OpenCommand(desktop, state);
            break;
        case MenuOpenList:
            OpenListCommand(desktop, state);
            break;
        case MenuExit:
            state.quitRequested = true;
            break;
        case MenuExportCsv:
        case ItemExportCsv:
            ExportCommand(desktop, state.settings.Format, ExportKind::Csv);
            break;
        case MenuExportTsv:
        case ItemExportTsv:
            ExportCommand(desktop, state.settings.Format, ExportKind::Tsv);
            break;
        // Still to come, each with its own window or service: Preferences (MenuPreferences),
        // copying the code (MenuCopyHash, ItemCopyCodes), the help viewer (MenuContents,
        // ShortcutHelp), the update page (MenuUpdates) and the About window (MenuAbout). Until
        // then they only set their help page. The other context-menu items act at the next
        // mouse movement, or are "Quit Menu" items that do nothing.
        default:
            break;
    }
}

void SelectMethod(Desktop& desktop, AppState& state, std::int32_t method) {
    state.method = method;
    const bool sized = HasBitSizes(method);
    if (!sized) {
        state.bitSize = digest::BitSize::None;  // the boxes keep their ticks
    }
    EnableBitSizes(desktop, sized);
}

void HandleBitSizeBox(Desktop& desktop, AppState& state, int boxId) {
    const int k = boxId - CheckBits224 + 1;
    if (desktop.IsChecked(boxId)) {
        state.bitSize = kBitSizeBoxes[static_cast<std::size_t>(k - 1)].bits;
        SelectBitSize(desktop, k, true);
    } else {
        state.bitSize = digest::BitSize::None;
    }
}

// The file name box tells which file the user means, "Filename: " dropped.
void HandleFileNameBox(Desktop& desktop, AppState& state, const Event& event) {
    if (event.type == EventType::RightClick) {
        return;  // its context menu plugs in here
    }
    const std::u16string text = desktop.ControlText(FileNameBox);
    if (!text.empty()) {
        state.currentFileName = PathInNameBox(text, state.nameBoxPath);
    }
}

void UpdateCopyStateOf(Desktop& desktop, int tab) {
    if (const std::optional<bool> hasContent = TabHasContent(desktop, tab)) {
        UpdateCopyState(desktop, *hasContent);
    }
}

// The code boxes and the grid: each belongs to a tab. Their context menus and the dragging of
// their text plug in here.
void HandleTabContent(Desktop& desktop, AppState& state, int tab) {
    state.currentTab = tab;
    UpdateCopyStateOf(desktop, tab);
}

void HandleControl(Desktop& desktop, AppState& state, const Event& event) {
    switch (event.objectId) {
        case ButtonOpen:
            OpenCommand(desktop, state);
            break;
        case ButtonOpenList:
            OpenListCommand(desktop, state);
            break;
        case ButtonCalculate:
            CalculateCommand(desktop, state);
            break;
        case TabPanel:
            state.currentTab = desktop.ShownTab();
            ApplyTabState(desktop, state.currentTab);
            UpdateCopyStateOf(desktop, state.currentTab);
            break;
        case FileNameBox:
            HandleFileNameBox(desktop, state, event);
            break;
        case TextInput:
            state.currentTab = TabIndex::Text;
            break;
        case TextHashBox:
            HandleTabContent(desktop, state, TabIndex::Text);
            break;
        case FileHashBox:
            HandleTabContent(desktop, state, TabIndex::File);
            break;
        case FileGrid:
            HandleTabContent(desktop, state, TabIndex::ListOfFiles);
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
            HandleBitSizeBox(desktop, state, event.objectId);
            break;
        case ButtonExportList:
            desktop.ShowPopupMenu(MenuId::PopupExport);  // its items come as menu events
            break;
        // Still to come: Copy Hash (ButtonCopyHash), the help viewer (ButtonHelp) and the
        // controls of the About and Preferences windows.
        default:
            break;
    }
}

}  // namespace

void HandleEvent(Desktop& desktop, AppState& state, const Event& event) {
    state.events.Dispatched(event);
    if (event.kind == EventKind::Menu || event.kind == EventKind::Control) {
        if (std::optional<std::u16string> topic = HelpTopicOf(event.objectId)) {
            state.helpTopic = std::move(*topic);
        }
    }
    switch (event.kind) {
        case EventKind::CloseWindow:
            HandleCloseWindow(desktop, state, event.windowId);
            break;
        case EventKind::Menu:
            HandleMenu(desktop, state, event.objectId);
            break;
        case EventKind::Control:
            HandleControl(desktop, state, event);
            break;
        case EventKind::Drop:       // dropped text and files plug in here
        case EventKind::MouseMove:  // and the context-menu actions taken at the next movement
            break;
    }
}

void RunEventLoop(Desktop& desktop, AppState& state) {
    if (state.quitRequested) {
        return;
    }
    desktop.RunEventLoop([&](const Event& event) {
        HandleEvent(desktop, state, event);
        return !state.quitRequested;
    });
}

}  // namespace hashwell::core
