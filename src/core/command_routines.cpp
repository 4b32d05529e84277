#include "core/command_routines.h"

#include <array>

#include "core/ids.h"
#include "digest/digest_method.h"

namespace hashwell::core {
namespace {

using namespace ControlId;

constexpr std::array kMethodOptions{OptionCrc32, OptionMd5, OptionSha1, OptionSha2, OptionSha3};

}  // namespace

bool HasBitSizes(std::int32_t method) {
    return method == digest::HashMethod::Sha2 || method == digest::HashMethod::Sha3;
}

bool AskYesNo(Desktop& desktop, std::u16string title, std::u16string text) {
    return desktop.ShowMessageBox(
               {std::move(title), std::move(text), platform::MessageIcon::Warning,
                platform::MessageButtons::YesNo}) == platform::MessageAnswer::Yes;
}

bool FileExists(const platform::Path& path) {
    return platform::PathExists(path);
}

void ApplyTabState(Desktop& desktop, int tab) {
    if (tab != TabIndex::Text && tab != TabIndex::File && tab != TabIndex::ListOfFiles) {
        return;
    }
    const bool hashTab = tab != TabIndex::ListOfFiles;
    desktop.SetMenuItemEnabled(MenuId::MenuCopyHash, hashTab);
    desktop.SetMenuItemEnabled(MenuId::MenuExportCsv, !hashTab);
    desktop.SetMenuItemEnabled(MenuId::MenuExportTsv, !hashTab);
    desktop.SetControlEnabled(ButtonExportList, !hashTab);
    desktop.SetControlEnabled(ButtonCalculate, hashTab);
    for (const int option : kMethodOptions) {
        desktop.SetControlEnabled(option, hashTab);
    }
    // The sizes only ever apply to SHA2 and SHA3; with another method they stay disabled.
    if (desktop.IsChecked(OptionSha2) || desktop.IsChecked(OptionSha3)) {
        for (const int box : kBitSizeBoxes) {
            desktop.SetControlEnabled(box, hashTab);
        }
    }
}

void UpdateCopyState(Desktop& desktop, bool hasContent) {
    desktop.SetControlEnabled(ButtonCopyHash, hasContent);
    desktop.SetMenuItemEnabled(MenuId::MenuCopyHash, hasContent);
}

std::optional<bool> TabHasContent(Desktop& desktop, int tab) {
    switch (tab) {
        case TabIndex::Text:
            return !desktop.ControlText(TextHashBox).empty();
        case TabIndex::File:
            return !desktop.ControlText(FileHashBox).empty();
        case TabIndex::ListOfFiles:
            return desktop.GridRowCount(FileGrid) > 0;
        default:
            return std::nullopt;
    }
}

void SelectBitSize(Desktop& desktop, int k, bool alreadyChecked) {
    for (int box = 1; box <= 4; ++box) {
        if (box != k) {
            desktop.SetChecked(kBitSizeBoxes[box - 1], false);
        } else if (!alreadyChecked) {
            desktop.SetChecked(kBitSizeBoxes[box - 1], true);
        }
    }
}

}  // namespace hashwell::core
