#include "core/clipboard/clipboard_commands.h"

#include <algorithm>

#include "core/desktop/ids.h"
#include "core/list/export_list.h"
#include "core/shared/joined_texts.h"
#include "core/shared/message_boxes.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum MenuItem;

void SayCopied(Dialogs& dialogs) {
    ShowInformation(dialogs, u"Copied", u"Hash copied to clipboard!");
}

bool IsBlank(std::u16string_view text) {
    return TrimSpaces(text).empty();
}

// The code box of the Text or the File tab.
MainControl CodeBoxOf(int tab) {
    return tab == TabIndex::Text ? TextHashBox : FileHashBox;
}

// Copies a box's whole text, then selects it and says so when it was not empty.
void CopyBoxText(Desktop& desktop, EventRecord& events, MainControl boxId) {
    const std::u16string text = desktop.ControlText(boxId);
    desktop.SetClipboardText(text);
    DrainEvents(desktop, events);
    if (!text.empty()) {
        desktop.SelectAllText(boxId, static_cast<int>(text.size()));
        SayCopied(desktop);
    }
}

void PasteIntoTextInput(Desktop& desktop) {
    const std::u16string text = desktop.ClipboardText();
    if (!text.empty()) {
        PutIntoTextInput(desktop, text, u"Do you want to overwrite the content of this box?");
    }
}

void CopyFocusedCode(Desktop& desktop, EventRecord& events) {
    const std::optional<ControlRef> focused = desktop.FocusedControl();
    if (focused == ControlRef(TextHashBox) || focused == ControlRef(FileHashBox)) {
        const std::u16string text = desktop.ControlText(*focused);
        desktop.SetClipboardText(text);
        if (!text.empty()) {
            desktop.SelectAllText(*focused, static_cast<int>(text.size()));
            SayCopied(desktop);
        }
    }
    DrainEvents(desktop, events);
}

}  // namespace

std::u16string Spaces(int n) {
    return std::u16string(static_cast<std::size_t>(std::max(n, 0)), u' ');
}

void GridRowToText(Desktop& desktop, ControlRef gridId, std::u16string_view separator) {
    const int row = desktop.GridSelectedRow(gridId);
    const int columns = CountColumns(desktop, gridId);
    std::size_t longest = 0;
    for (int column = 0; column < columns; ++column) {
        longest = std::max(longest, desktop.GridColumnTitle(gridId, column).size());
    }
    if (row < 0) {
        return;
    }
    std::u16string text;
    for (int column = 0; column < columns; ++column) {
        const std::u16string title = desktop.GridColumnTitle(gridId, column);
        text += title + Spaces(static_cast<int>(longest - title.size())) + u": " +
                desktop.GridCellText(gridId, row, column);
        if (column + 1 < columns) {
            text += separator;
        }
    }
    if (!text.empty()) {
        desktop.SetClipboardText(text);
    }
}

void CopyCodes(Desktop& desktop, EventRecord& events) {
    desktop.ClearClipboard();
    GridRowToText(desktop, FileGrid, u"\r\n");
    DrainEvents(desktop, events);
    if (!IsBlank(desktop.ClipboardText())) {
        SayCopied(desktop);
    }
}

void CopyHashButton(Desktop& desktop, AppState& state) {
    state.currentTab = desktop.ShownTab();
    if (state.currentTab == TabIndex::ListOfFiles) {
        CopyCodes(desktop, state.events);
        return;
    }
    if (state.currentTab != TabIndex::Text && state.currentTab != TabIndex::File) {
        return;
    }
    const std::u16string code = desktop.ControlText(CodeBoxOf(state.currentTab));
    desktop.SetClipboardText(code);  // an empty box empties the clipboard's text too
    if (!IsBlank(code)) {
        SayCopied(desktop);
    }
}

void CopyHashMenu(Desktop& desktop, AppState& state) {
    state.savedFocus = desktop.FocusedControl();
    desktop.SetFocus(TabPanel);
    state.currentTab = desktop.ShownTab();
    if (state.currentTab == TabIndex::ListOfFiles) {
        CopyCodes(desktop, state.events);
    } else if (state.currentTab == TabIndex::Text || state.currentTab == TabIndex::File) {
        const std::u16string code = desktop.ControlText(CodeBoxOf(state.currentTab));
        if (!IsBlank(code)) {
            desktop.SetClipboardText(code);
            SayCopied(desktop);
        }
    }
    desktop.SetFocus(state.savedFocus);
}

void HandleMouseMove(Desktop& desktop, AppState& state) {
    if (state.events.mouseMoveCount != 1) {
        return;  // only the first movement after the choice carries it out
    }
    switch (static_cast<MenuItem>(state.events.lastObjectId)) {
        case ItemCopyText:
            CopyBoxText(desktop, state.events, TextInput);
            break;
        case ItemPasteText:
            PasteIntoTextInput(desktop);
            break;
        case ItemCopyCode:
            CopyFocusedCode(desktop, state.events);
            break;
        case ItemCopyFileName:
            CopyBoxText(desktop, state.events, FileNameBox);
            break;
        default:
            break;
    }
}

bool PutIntoTextInput(Desktop& desktop, std::u16string_view text, std::u16string question) {
    if (!IsBlank(desktop.ControlText(TextInput)) &&
        !AskYesNo(desktop, u"Overwrite", std::move(question))) {
        return false;
    }
    desktop.SetControlText(TextInput, text);
    return true;
}

}  // namespace hashwell::core
