#include "core/main_window/tab_enabling.h"

#include <array>

#include "core/desktop/ids.h"
#include "core/main_window/bit_sizes.h"

namespace hashwell::core {
namespace {

using enum MainControl;
using enum AboutControl;
using enum PreferencesControl;

constexpr std::array kMethodOptions{OptionCrc32, OptionMd5, OptionSha1, OptionSha2, OptionSha3};

}  // namespace

void ApplyTabState(Controls& controls, int tab) {
    if (tab != TabIndex::Text && tab != TabIndex::File && tab != TabIndex::ListOfFiles) {
        return;
    }
    const bool hashTab = tab != TabIndex::ListOfFiles;
    controls.SetMenuItemEnabled(MenuItem::MenuCopyHash, hashTab);
    controls.SetMenuItemEnabled(MenuItem::MenuCompareWithClipboard, hashTab);
    controls.SetMenuItemEnabled(MenuItem::MenuExportCsv, !hashTab);
    controls.SetMenuItemEnabled(MenuItem::MenuExportTsv, !hashTab);
    controls.SetControlEnabled(ButtonExportList, !hashTab);
    controls.SetControlEnabled(ButtonCalculate, hashTab);
    for (const MainControl option : kMethodOptions) {
        controls.SetControlEnabled(option, hashTab);
    }
    // The sizes only ever apply to SHA2 and SHA3; with another method they stay disabled.
    if (controls.IsChecked(OptionSha2) || controls.IsChecked(OptionSha3)) {
        EnableBitSizes(controls, hashTab);
    }
}

void UpdateCopyState(Controls& controls, bool hasContent) {
    controls.SetControlEnabled(ButtonCopyHash, hasContent);
    controls.SetMenuItemEnabled(MenuItem::MenuCopyHash, hasContent);
}

void UpdateCopyStateFor(Controls& controls, int tab) {
    if (const std::optional<bool> hasContent = TabHasContent(controls, tab)) {
        UpdateCopyState(controls, *hasContent);
    }
}

std::optional<bool> TabHasContent(Controls& controls, int tab) {
    switch (tab) {
        case TabIndex::Text:
            return !controls.ControlText(TextHashBox).empty();
        case TabIndex::File:
            return !controls.ControlText(FileHashBox).empty();
        case TabIndex::ListOfFiles:
            return controls.GridRowCount(FileGrid) > 0;
        default:
            return std::nullopt;
    }
}

}  // namespace hashwell::core
